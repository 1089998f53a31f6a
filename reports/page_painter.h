#pragma once
// Draws a prepared page with a QPainter: on screen, on a printer, into a PDF
// or an image. The painter's device decides the resolution; the caller gives
// the target rectangle of the whole page in device coordinates.
#include <QRectF>

#include "reports/prepared_page.h"

class QPainter;

namespace reports {

struct TPaintOptions {
  bool backgroundWhite = false;  // filled rectangles are left out
  bool fontBlack = false;        // all text in black
};

void PaintPage(QPainter& painter, const TPreparedPage& page, const QSize& pageSize, const QRectF& target,
               const TPaintOptions& options = {});

// The font of a text run for a device with the given vertical resolution.
QFont RunFont(const TTextRun& run);

// A page as an image of the given width (the height follows the page's proportions), white behind.
QImage RenderPage(const TPreparedPage& page, const QSize& pageSize, int width, const TPaintOptions& options = {});

}  // namespace reports
