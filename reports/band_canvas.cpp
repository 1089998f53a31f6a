#include "reports/band_canvas.h"

namespace reports {

void TBandCanvas::AddText(const QRect& rect, const QString& text, int pointTenths, int alignment, const QColor& color,
                          bool bold, const QString& family) {
  TTextRun run;
  run.rect = rect;
  run.text = text;
  run.pointTenths = pointTenths;
  run.alignment = alignment;
  run.color = color;
  run.bold = bold;
  run.family = family;
  fItems.emplace_back(std::move(run));
}

void TBandCanvas::AddLine(const QPoint& from, const QPoint& to, const QColor& color, int width) {
  fItems.emplace_back(TLine{from, to, color, width});
}

void TBandCanvas::AddBox(const QRect& rect, const QColor& color, int width) {
  fItems.emplace_back(TBox{rect, color, width});
}

void TBandCanvas::AddFill(const QRect& rect, const QColor& color) { fItems.emplace_back(TFilledRect{rect, color}); }

void TBandCanvas::AddPicture(const QRect& rect, const QImage& image) { fItems.emplace_back(TPicture{rect, image.convertToFormat(kPictureFormat)}); }

std::vector<TPrimitive> TBandCanvas::TakeItems(const QPoint& offset) {
  auto moved = std::move(fItems);
  fItems.clear();
  for (TPrimitive& item : moved) {
    std::visit(
        [&](auto& primitive) {
          using T = std::decay_t<decltype(primitive)>;
          if constexpr (std::is_same_v<T, TLine>) {
            primitive.from += offset;
            primitive.to += offset;
          } else {
            primitive.rect.translate(offset);
          }
        },
        item);
  }
  return moved;
}

}  // namespace reports
