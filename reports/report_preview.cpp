#include "reports/report_preview.h"

#include <memory>

#include "reports/export_filter.h"
#include "reports/page_store.h"
#include "reports/preview.h"
#include "reports/report.h"

namespace reports {

void PreviewReport(const TQRReport& report, QWidget* owner) {
  RegisterStandardExportFilters();
  TQRPageStore store;
  store.Begin(report.Frame());
  std::unique_ptr<TQRStandardPreview> preview(TQRStandardPreview::CreatePreview(owner, &store));
  preview->PrepareInside([&](const std::function<void()>& yield) { report.Prepare(store, yield); });
  preview->exec();
}

}  // namespace reports
