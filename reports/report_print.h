#pragma once
// Printing prepared pages on a QPrinter: the page range and copies the print
// dialog chose, the printer's options from the registry, and progress after
// each page.
#include "reports/export_filter.h"
#include "reports/page_painter.h"
#include "reports/print_flags.h"

#include <QPrinter>

#include <optional>

namespace reports {

// How the options turn into painting: no shading, black text.
TPaintOptions PaintOptionsOf(const TQRPrintFlags& flags);
// Two-sided only on A4 (or continuous A4), only when the report allows it; a
// printer without a stored "Duplex" value keeps its own setting (none).
std::optional<QPrinter::DuplexMode> DuplexFor(const TQRPrintFlags& flags, const TPreparedReport& report);

// The pages of the printer's range (all when it has none), each copy in turn
// when the printer cannot make copies itself. Answers false when cancelled.
bool PrintPreparedPages(const TPreparedReport& report, QPrinter& printer, const TQRPrintFlags& flags,
                        const TExportProgress& progress);

}  // namespace reports
