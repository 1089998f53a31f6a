#pragma once
// CSV export of the report's rows: a header line with the column names, then
// one line per row; fields separated by ";" and quoted when they hold ";",
// quotes or line breaks; UTF-8 with byte order mark and CR LF line ends, as
// spreadsheet programs on Windows expect.
#include "reports/export_filter.h"

namespace reports {

class TCsvExportFilter : public TQRExportFilter {
 public:
  QString Description() const override { return QStringLiteral("CSV-Datei (Zeilen des Berichts)"); }
  QString Extension() const override { return QStringLiteral("csv"); }
  bool Export(const TPreparedReport& report, const QString& path, const TExportProgress& progress) override;

  static QByteArray Encode(const TReportRows& rows);
};

}  // namespace reports
