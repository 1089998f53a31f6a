#include "reports/thumbnail_grid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "reports/page_painter.h"
#include "reports/page_store.h"

namespace reports {

TThumbGeometry ThumbGeometryFor(int panelWidth, const QSize& pageSize, int letterHeight) {
  TThumbGeometry geometry;
  geometry.columnWidth = std::max(1, panelWidth - 4);
  geometry.drawWidth = static_cast<int>(std::lround(geometry.columnWidth - 20.0));
  const double ratio = pageSize.width() > 0 ? double(pageSize.height()) / pageSize.width() : 1.0;
  geometry.rowHeight = std::max(1, static_cast<int>(std::lround(geometry.drawWidth * ratio - letterHeight)));
  geometry.leftMargin = static_cast<int>(std::lround((geometry.columnWidth - geometry.drawWidth) / 2.0));
  return geometry;
}

class TQRThumbnailGrid::Delegate : public QStyledItemDelegate {
 public:
  explicit Delegate(TQRThumbnailGrid* grid) : QStyledItemDelegate(grid), fGrid(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect cell = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(cell, selected ? option.palette.color(QPalette::Highlight) : option.palette.color(QPalette::Base));
    const QRect page = cell.adjusted(fGrid->fGeometry.leftMargin, 10, -30, -10);
    if (page.width() > 0 && page.height() > 0) {
      painter->drawImage(page, fGrid->Thumbnail(index.row(), page.size()));
      painter->setPen(QColor(128, 128, 128));
      painter->drawRect(page.adjusted(0, 0, -1, -1));
    }
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : option.palette.color(QPalette::Text));
    painter->drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(index.row() + 1));
  }

 private:
  TQRThumbnailGrid* fGrid;
};

TQRThumbnailGrid::TQRThumbnailGrid(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("ThumbGrid"));
  setColumnCount(1);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setShowGrid(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setItemDelegate(new Delegate(this));
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { emit PageChosen(row + 1); });
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
    if (row >= 0 && row != previous && hasFocus()) emit PageChosen(row + 1);
  });
}

void TQRThumbnailGrid::SetStore(const TQRPageStore* store) {
  fStore = store;
  Invalidate();
}

void TQRThumbnailGrid::ApplyGeometry(const TThumbGeometry& geometry) {
  const bool changed = geometry.columnWidth != fGeometry.columnWidth || geometry.rowHeight != fGeometry.rowHeight;
  fGeometry = geometry;
  setColumnWidth(0, geometry.columnWidth);
  verticalHeader()->setDefaultSectionSize(geometry.rowHeight);
  verticalHeader()->setMinimumSectionSize(1);
  for (int row = 0; row < rowCount(); ++row) setRowHeight(row, geometry.rowHeight);
  if (changed) Invalidate();
}

void TQRThumbnailGrid::SetPageRows(int rows) {
  rows = std::max(0, rows);
  if (rows != rowCount()) {
    setRowCount(rows);
    for (int row = 0; row < rows; ++row) setRowHeight(row, fGeometry.rowHeight);
  }
  viewport()->update();
}

void TQRThumbnailGrid::SelectPage(int pageNumber) {
  if (pageNumber < 1 || pageNumber > rowCount()) return;
  const QSignalBlocker blocker(this);
  setCurrentCell(pageNumber - 1, 0);
  scrollToItem(item(pageNumber - 1, 0));
  scrollTo(model()->index(pageNumber - 1, 0));
  viewport()->update();
}

void TQRThumbnailGrid::Invalidate() {
  fCache.clear();
  viewport()->update();
}

QImage TQRThumbnailGrid::Thumbnail(int index, const QSize& size) {
  auto found = fCache.find(index);
  if (found != fCache.end() && found->second.size() == size) return found->second;
  if (!fStore || index >= fStore->PageCount()) return {};
  QImage image = RenderPage(fStore->Page(index), fStore->Report().PageSize(), size.width());
  image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  fCache[index] = image;
  return image;
}

}  // namespace reports
