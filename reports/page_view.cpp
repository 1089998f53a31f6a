#include "reports/page_view.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "reports/page_painter.h"
#include "reports/page_store.h"

namespace reports {

namespace {

// Pixels at 96 dots per inch per report unit (0.1 mm).
constexpr double kScreenPixelsPerUnit = 96.0 / 254.0;
constexpr int kPageMargin = 10;  // grey border around the page
constexpr int kWheelStep = 10;

}  // namespace

class TQRPageView::Canvas : public QWidget {
 public:
  explicit Canvas(TQRPageView* view) : QWidget(view), fView(view) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const TQRPageStore* store = fView->fStore;
    const int index = fView->fPageNumber - 1;
    if (!store || index < 0 || index >= store->PageCount()) return;
    const QRect page(QPoint(kPageMargin, kPageMargin), fView->PagePixels());
    painter.fillRect(page.translated(3, 3), QColor(96, 96, 96));
    painter.fillRect(page, Qt::white);
    PaintPage(painter, store->Page(index), store->Report().PageSize(), page);
    if (!fView->fHighlightVisible) return;
    for (const QRect& match : fView->fHighlights) {
      const QRect pixels(fView->ToPixels(match.topLeft()), fView->ToPixels(match.bottomRight() + QPoint(1, 1)));
      QColor color = palette().color(QPalette::Highlight);
      color.setAlpha(110);
      painter.fillRect(pixels.adjusted(-1, -1, 1, 1), color);
    }
  }

 private:
  TQRPageView* fView;
};

TQRPageView::TQRPageView(QWidget* parent) : QScrollArea(parent), fCanvas(new Canvas(this)) {
  setObjectName(QStringLiteral("QRPreview"));
  setWidget(fCanvas);
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Dark);
}

void TQRPageView::SetStore(const TQRPageStore* store) {
  fStore = store;
  fPageNumber = 0;
  fHighlights.clear();
  RefitZoom();
}

QSize TQRPageView::PageUnits() const {
  return fStore ? fStore->Report().PageSize() : QSize(kA4Width, kA4Height);
}

double TQRPageView::PixelsPerUnit(int zoom) const { return kScreenPixelsPerUnit * zoom / 100.0; }

QSize TQRPageView::PagePixels() const {
  const QSize units = PageUnits();
  const double scale = PixelsPerUnit(fZoom);
  return {static_cast<int>(units.width() * scale + 0.5), static_cast<int>(units.height() * scale + 0.5)};
}

QPoint TQRPageView::ToPixels(const QPoint& reportPoint) const {
  const double scale = PixelsPerUnit(fZoom);
  return QPoint(kPageMargin, kPageMargin) +
         QPoint(static_cast<int>(reportPoint.x() * scale + 0.5), static_cast<int>(reportPoint.y() * scale + 0.5));
}

void TQRPageView::SetPageNumber(int pageNumber) {
  if (!fStore || pageNumber < 1 || pageNumber > fStore->PageCount()) return;
  if (pageNumber != fPageNumber) fHighlights.clear();
  fPageNumber = pageNumber;
  fCanvas->update();
}

void TQRPageView::ApplyZoom(int percent, TZoomState state) {
  fZoom = std::clamp(percent, kMinZoom, kMaxZoom);
  fZoomState = state;
  fCanvas->resize(PagePixels() + QSize(2 * kPageMargin, 2 * kPageMargin));
  fCanvas->update();
  emit ZoomApplied(fZoom);
}

void TQRPageView::SetZoom(int percent) {
  const int zoom = std::clamp(percent, kMinZoom, kMaxZoom);
  ApplyZoom(zoom, zoom == 100 ? zs100 : zsOther);
}

void TQRPageView::ZoomToFit() {
  const QSize units = PageUnits();
  const QSize room = maximumViewportSize() - QSize(2 * kPageMargin, 2 * kPageMargin);
  const double byWidth = room.width() / (units.width() * kScreenPixelsPerUnit);
  const double byHeight = room.height() / (units.height() * kScreenPixelsPerUnit);
  ApplyZoom(static_cast<int>(std::min(byWidth, byHeight) * 100), zsFitPage);
}

void TQRPageView::ZoomToWidth() {
  const QSize units = PageUnits();
  const int scrollBar = verticalScrollBar()->sizeHint().width();
  const int room = maximumViewportSize().width() - 2 * kPageMargin - scrollBar;
  ApplyZoom(static_cast<int>(room / (units.width() * kScreenPixelsPerUnit) * 100), zsFitWidth);
}

void TQRPageView::Zoom100() { ApplyZoom(100, zs100); }

void TQRPageView::RefitZoom() {
  switch (fZoomState) {
    case zsFitPage:
      ZoomToFit();
      break;
    case zsFitWidth:
      ZoomToWidth();
      break;
    default:
      ApplyZoom(fZoom, fZoomState);
  }
}

void TQRPageView::SetHighlights(std::vector<QRect> rects) {
  fHighlights = std::move(rects);
  fHighlightVisible = !fHighlights.empty();
  fCanvas->update();
}

void TQRPageView::SetHighlightVisible(bool visible) {
  fHighlightVisible = visible;
  fCanvas->update();
}

void TQRPageView::EnsureVisible(const QRect& rect) {
  const QPoint centre = ToPixels(rect.center());
  ensureVisible(centre.x(), centre.y(), width() / 3, height() / 3);
}

void TQRPageView::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  RefitZoom();
}

void TQRPageView::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches == 0) return;
  if (event->modifiers() & Qt::ControlModifier) {
    SetZoom(fZoom + notches * kWheelStep);
  } else {
    for (int i = 0; i < std::abs(notches); ++i) emit WheelStep(notches > 0 ? -1 : 1);
  }
  event->accept();
}

}  // namespace reports
