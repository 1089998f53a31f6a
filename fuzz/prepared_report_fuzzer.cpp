// Reads arbitrary bytes as a prepared report (.qrp). What it accepts must
// encode to the same bytes again.
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
  // Pictures are stored as PNG and may come back in another encoding; the rest is exact.
  bool hasPicture = false;
  for (const auto& page : report.pages)
    for (const auto& item : page.items) hasPicture |= std::holds_alternative<reports::TPicture>(item);
  if (!hasPicture && reports::EncodePreparedReport(report) != bytes) __builtin_trap();
  return 0;
}
