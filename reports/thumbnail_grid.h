#pragma once
// TQRThumbnailGrid: a one-column grid of page thumbnails. Choosing a cell
// shows that page (PageChosen).
#include <QTableWidget>

#include <map>

namespace reports {

class TQRPageStore;

struct TThumbGeometry {
  int columnWidth = 0;
  int drawWidth = 0;   // W
  int rowHeight = 0;
  int leftMargin = 0;
};

// From the panel's width, the page's size in report units (as drawn, so a
// landscape page is wider than high) and the height of "P" in the grid's font.
TThumbGeometry ThumbGeometryFor(int panelWidth, const QSize& pageSize, int letterHeight);

class TQRThumbnailGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit TQRThumbnailGrid(QWidget* parent = nullptr);

  void SetStore(const TQRPageStore* store);
  // Sizes the column and rows for the panel's width.
  void ApplyGeometry(const TThumbGeometry& geometry);
  const TThumbGeometry& Geometry() const { return fGeometry; }
  void SetPageRows(int rows);
  void SelectPage(int pageNumber);
  // Drops the cached pictures (new pages, new size).
  void Invalidate();

 signals:
  void PageChosen(int pageNumber);

 private:
  class Delegate;
  QImage Thumbnail(int index, const QSize& size);

  const TQRPageStore* fStore = nullptr;
  TThumbGeometry fGeometry;
  std::map<int, QImage> fCache;
};

}  // namespace reports
