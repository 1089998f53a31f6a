#pragma once
// TQRReport: a small band engine. A report is a page header band printed at
// the top of every page (also on the first and on an empty report) and a
// detail band printed once per row; a row is never split over two pages.
// Hooks draw the bands: the header's per page, the detail's per row, and the
// band colour hook per detail row before it (with the row's rectangle on the
// page, so it can tell when a new page has begun). The result is a series of
// prepared pages in a TQRPageStore.
#include <QColor>
#include <QMargins>

#include <functional>

#include "reports/band_canvas.h"
#include "reports/page_store.h"

namespace reports {

struct TBandContext {
  TBandCanvas& canvas;
  int pageNumber;  // from 1
  int row;         // the detail row; -1 for the page header
  const QStringList* values;  // the detail row's values; null for the page header
  QRect rect;      // the band on the page, in report units
  QColor background = Qt::transparent;  // the colour hook may set it
};

using TBandHook = std::function<void(TBandContext&)>;

struct TQRBand {
  int height = 0;  // report units
  TBandHook onPrint;
};

class TQRReport {
 public:
  QString title;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QMargins margins{100, 100, 100, 100};  // report units; 10 mm each
  bool allowDuplex = false;
  std::function<void()> onBeforePrint;  // once, before the first page is laid out
  TQRBand pageHeader;
  TQRBand detail;
  TBandHook onBandColor;
  TReportRows rows;  // the data; the detail band prints once per row

  // A prepared report without pages: title, paper, orientation.
  TPreparedReport Frame() const;
  // Width and height of the area inside the margins.
  QSize PrintableSize() const;

  // Lays the report out into the store, page by page. `yield` runs after each
  // page so the caller can keep its windows alive; a cancel request on the
  // store ends the preparation after the current row. The store is finished
  // either way.
  void Prepare(TQRPageStore& store, const std::function<void()>& yield = {}) const;

 private:
  class Layout;
};

}  // namespace reports
