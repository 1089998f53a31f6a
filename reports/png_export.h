#pragma once
// PNG export: one picture per page at 150 dots per inch. A one-page report
// goes into the chosen file; otherwise page n goes into "<name>_<n>.png",
// numbered with as many digits as the last page needs.
#include "reports/export_filter.h"

namespace reports {

class TPngExportFilter : public TQRExportFilter {
 public:
  QString Description() const override { return QStringLiteral("PNG-Bild je Seite"); }
  QString Extension() const override { return QStringLiteral("png"); }
  bool Export(const TPreparedReport& report, const QString& path, const TExportProgress& progress) override;

  static QString PageFileName(const QString& path, int pageNumber, int pageCount);
  static constexpr int kDotsPerInch = 150;
};

}  // namespace reports
