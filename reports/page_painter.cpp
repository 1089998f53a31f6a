#include "reports/page_painter.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace reports {

namespace {

template <class... Fs>
struct Overloaded : Fs... {
  using Fs::operator()...;
};

QPen PenOf(const QColor& color, int width) {
  QPen pen(color);
  pen.setWidthF(width);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

}  // namespace

QFont RunFont(const TTextRun& run) {
  QFont font(run.family);
  // One point is 0.3528 mm; the painter works in report units.
  font.setPixelSize(std::max(1, static_cast<int>(run.pointTenths / 10.0 * 25.4 / 72.0 * kUnitsPerMm + 0.5)));
  font.setBold(run.bold);
  font.setItalic(run.italic);
  return font;
}

void PaintPage(QPainter& painter, const TPreparedPage& page, const QSize& pageSize, const QRectF& target,
               const TPaintOptions& options) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.translate(target.topLeft());
  painter.scale(target.width() / pageSize.width(), target.height() / pageSize.height());
  for (const TPrimitive& item : page.items) {
    std::visit(Overloaded{
                   [&](const TTextRun& run) {
                     painter.setFont(RunFont(run));
                     painter.setPen(options.fontBlack ? QColor(Qt::black) : run.color);
                     painter.drawText(run.rect, run.alignment | Qt::TextSingleLine, run.text);
                   },
                   [&](const TLine& line) {
                     painter.setPen(PenOf(line.color, line.width));
                     painter.drawLine(line.from, line.to);
                   },
                   [&](const TBox& box) {
                     painter.setPen(PenOf(box.color, box.width));
                     painter.setBrush(Qt::NoBrush);
                     painter.drawRect(box.rect);
                   },
                   [&](const TFilledRect& fill) {
                     if (!options.backgroundWhite) painter.fillRect(fill.rect, fill.color);
                   },
                   [&](const TPicture& picture) { painter.drawImage(picture.rect, picture.image); },
               },
               item);
  }
  painter.restore();
}

QImage RenderPage(const TPreparedPage& page, const QSize& pageSize, int width, const TPaintOptions& options) {
  const int height = std::max(1, static_cast<int>(std::lround(double(width) * pageSize.height() / pageSize.width())));
  QImage image(std::max(1, width), height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintPage(painter, page, pageSize, QRectF(0, 0, image.width(), image.height()), options);
  return image;
}

}  // namespace reports
