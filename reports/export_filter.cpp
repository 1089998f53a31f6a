#include "reports/export_filter.h"

#include "reports/csv_export.h"
#include "reports/pdf_export.h"
#include "reports/png_export.h"

namespace reports {

namespace {

TExportFilterList& Registered() {
  static TExportFilterList filters;
  return filters;
}

}  // namespace

const TExportFilterList& ExportFilters() { return Registered(); }

void RegisterExportFilter(std::shared_ptr<TQRExportFilter> filter) {
  auto& filters = Registered();
  for (auto& existing : filters)
    if (existing->Extension().compare(filter->Extension(), Qt::CaseInsensitive) == 0) {
      existing = std::move(filter);
      return;
    }
  filters.push_back(std::move(filter));
}

void UnregisterExportFilter(const QString& extension) {
  std::erase_if(Registered(), [&](const auto& filter) {
    return filter->Extension().compare(extension, Qt::CaseInsensitive) == 0;
  });
}

void RegisterStandardExportFilters() {
  RegisterExportFilter(std::make_shared<TPdfExportFilter>());
  RegisterExportFilter(std::make_shared<TPngExportFilter>());
  RegisterExportFilter(std::make_shared<TCsvExportFilter>());
}

}  // namespace reports
