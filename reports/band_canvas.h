#pragma once
// TBandCanvas: what a band's hooks draw on. Positions are relative to the
// band's top left corner, in report units; the engine moves the items to the
// band's place on the page.
#include "reports/prepared_page.h"

namespace reports {

class TBandCanvas {
 public:
  explicit TBandCanvas(int width, int height) : fWidth(width), fHeight(height) {}

  int Width() const { return fWidth; }
  int Height() const { return fHeight; }

  void AddText(const QRect& rect, const QString& text, int pointTenths = 100, int alignment = Qt::AlignLeft | Qt::AlignTop,
               const QColor& color = Qt::black, bool bold = false, const QString& family = QStringLiteral("Arial"));
  void AddText(TTextRun run) { fItems.emplace_back(std::move(run)); }
  void AddLine(const QPoint& from, const QPoint& to, const QColor& color = Qt::black, int width = 2);
  void AddBox(const QRect& rect, const QColor& color = Qt::black, int width = 2);
  void AddFill(const QRect& rect, const QColor& color);
  void AddPicture(const QRect& rect, const QImage& image);

  // The items moved by the band's position on the page.
  std::vector<TPrimitive> TakeItems(const QPoint& offset);

 private:
  int fWidth;
  int fHeight;
  std::vector<TPrimitive> fItems;
};

}  // namespace reports
