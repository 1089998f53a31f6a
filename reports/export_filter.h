#pragma once
// Export filters registered with the engine: each writes a prepared report
// into one kind of file. The save dialog offers one file type per filter.
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "reports/prepared_report.h"

namespace reports {

// After each page or row: how far, out of how many; false cancels the export.
using TExportProgress = std::function<bool(int done, int total)>;

class EExportError : public std::runtime_error {
 public:
  explicit EExportError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString Message() const { return QString::fromUtf8(what()); }
};

class TQRExportFilter {
 public:
  virtual ~TQRExportFilter() = default;
  virtual QString Description() const = 0;  // shown in the save dialog
  virtual QString Extension() const = 0;    // without the dot, lower case
  // Writes the file(s); a failure raises EExportError and leaves no half-written file.
  // Answers false when the progress callback cancelled the export.
  virtual bool Export(const TPreparedReport& report, const QString& path, const TExportProgress& progress) = 0;
};

using TExportFilterList = std::vector<std::shared_ptr<TQRExportFilter>>;

// The filters in the order they were registered.
const TExportFilterList& ExportFilters();
// Adds a filter; one with the same extension is replaced in its place.
void RegisterExportFilter(std::shared_ptr<TQRExportFilter> filter);
void UnregisterExportFilter(const QString& extension);
// PDF, PNG and CSV; registering them again changes nothing.
void RegisterStandardExportFilters();

}  // namespace reports
