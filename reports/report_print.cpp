#include "reports/report_print.h"

#include <QPainter>
#include <QPrinter>

namespace reports {

TPaintOptions PaintOptionsOf(const TQRPrintFlags& flags) {
  return {flags.Has(pfBackGroundWhite), flags.Has(pfFontBlack)};
}

std::optional<QPrinter::DuplexMode> DuplexFor(const TQRPrintFlags& flags, const TPreparedReport& report) {
  if (flags.Has(pfDuplexDefault)) return std::nullopt;
  const bool twoSided = flags.Has(pfDuplex) && report.IsA4() && report.allowDuplex;
  return twoSided ? QPrinter::DuplexAuto : QPrinter::DuplexNone;
}

bool PrintPreparedPages(const TPreparedReport& report, QPrinter& printer, const TQRPrintFlags& flags,
                        const TExportProgress& progress) {
  const int count = static_cast<int>(report.pages.size());
  if (count == 0) return true;
  const int first = printer.fromPage() > 0 ? std::clamp(printer.fromPage(), 1, count) : 1;
  const int last = printer.toPage() > 0 ? std::clamp(printer.toPage(), first, count) : count;
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  const QSizeF paperMm(report.paper.width() / double(kUnitsPerMm), report.paper.height() / double(kUnitsPerMm));
  printer.setPageLayout(QPageLayout(QPageSize(paperMm, QPageSize::Millimeter), report.orientation, QMarginsF()));
  printer.setFullPage(true);
  if (const auto duplex = DuplexFor(flags, report)) printer.setDuplex(*duplex);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const TPaintOptions options = PaintOptionsOf(flags);
  const int total = (last - first + 1) * copies;
  int done = 0;
  for (int copy = 0; copy < copies; ++copy) {
    for (int page = first; page <= last; ++page) {
      if (done > 0) printer.newPage();
      const QRectF target = printer.paperRect(QPrinter::DevicePixel);
      PaintPage(painter, report.pages[page - 1], report.PageSize(), QRectF(0, 0, target.width(), target.height()), options);
      ++done;
      if (progress && !progress(done, total)) {
        printer.abort();
        return false;
      }
    }
  }
  painter.end();
  return true;
}

}  // namespace reports
