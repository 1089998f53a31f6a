#pragma once
// PDF export: every prepared page as one PDF page on the report's paper.
#include "reports/export_filter.h"

namespace reports {

class TPdfExportFilter : public TQRExportFilter {
 public:
  QString Description() const override { return QStringLiteral("PDF-Dokument"); }
  QString Extension() const override { return QStringLiteral("pdf"); }
  bool Export(const TPreparedReport& report, const QString& path, const TExportProgress& progress) override;
};

}  // namespace reports
