#pragma once
// The prepared-report file (.qrp): a saved report that opens again without
// its data. Layout in docs/prepared-report-format.md.
#include <QString>

#include <stdexcept>

#include "reports/prepared_report.h"

namespace reports {

// A file that is not a prepared report, or a damaged one; the message is German.
class EPreparedReportError : public std::runtime_error {
 public:
  explicit EPreparedReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString Message() const { return QString::fromUtf8(what()); }
};

inline constexpr char kPreparedExtension[] = "qrp";
inline constexpr quint16 kPreparedFormatVersion = 1;

QByteArray EncodePreparedReport(const TPreparedReport& report);
// Throws EPreparedReportError; the name is only used in the message.
TPreparedReport DecodePreparedReport(const QByteArray& bytes, const QString& fileName);

// Writes the file atomically: a failure leaves an existing file as it was.
void SavePreparedReport(const TPreparedReport& report, const QString& path);
TPreparedReport LoadPreparedReport(const QString& path);

}  // namespace reports
