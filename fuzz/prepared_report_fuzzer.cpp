// Reads arbitrary bytes as a prepared report (.qrp). What it accepts must
// save and load again to the same report.
#include <QByteArray>
#include <cstdint>

#include "reports/prepared_report_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  reports::TPreparedReport report;
  try {
    report = reports::DecodePreparedReport(bytes, QStringLiteral("fuzz.qrp"));
  } catch (const reports::EPreparedReportError&) {
    return 0;
  }
  // Invalid UTF-8 and unused flag bits are not kept, so compare the loaded report, not the bytes.
  const reports::TPreparedReport again =
      reports::DecodePreparedReport(reports::EncodePreparedReport(report), QStringLiteral("fuzz.qrp"));
  if (!(again == report)) __builtin_trap();
  return 0;
}
