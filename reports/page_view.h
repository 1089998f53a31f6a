#pragma once
// TQRPageView: shows one prepared page of a page store at a zoom factor, with
// highlighted rectangles (search matches) that can blink.
#include <QScrollArea>

#include <vector>

namespace reports {

class TQRPageStore;

enum TZoomState { zsFitPage = 0, zsFitWidth = 1, zsOther = 2, zs100 = 3 };

class TQRPageView : public QScrollArea {
  Q_OBJECT
 public:
  static constexpr int kMinZoom = 25;
  static constexpr int kMaxZoom = 500;

  explicit TQRPageView(QWidget* parent = nullptr);

  void SetStore(const TQRPageStore* store);
  const TQRPageStore* Store() const { return fStore; }
  // From 1; 0 while no page is shown.
  int PageNumber() const { return fPageNumber; }
  void SetPageNumber(int pageNumber);

  int Zoom() const { return fZoom; }
  TZoomState ZoomState() const { return fZoomState; }
  // A factor of its own (state 2, or 3 for 100).
  void SetZoom(int percent);
  void ZoomToFit();
  void ZoomToWidth();
  void Zoom100();
  // Applies the zoom state again, after a resize or a new page size.
  void RefitZoom();

  // Report-unit rectangles on the shown page.
  void SetHighlights(std::vector<QRect> rects);
  void SetHighlightVisible(bool visible);
  bool HighlightVisible() const { return fHighlightVisible; }
  // Makes a report-unit rectangle of the page visible.
  void EnsureVisible(const QRect& rect);

  // The page in widget pixels at the current zoom.
  QSize PagePixels() const;
  QPoint ToPixels(const QPoint& reportPoint) const;

 signals:
  // The zoom was applied: by a call, a refit after a resize, or Ctrl + wheel.
  void ZoomApplied(int percent);
  // A wheel notch without Ctrl: act as Up (-1) or Down (+1).
  void WheelStep(int direction);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  class Canvas;
  double PixelsPerUnit(int zoom) const;
  void ApplyZoom(int percent, TZoomState state);
  QSize PageUnits() const;

  const TQRPageStore* fStore = nullptr;
  Canvas* fCanvas;
  int fPageNumber = 0;
  int fZoom = 100;
  TZoomState fZoomState = zsFitPage;
  std::vector<QRect> fHighlights;
  bool fHighlightVisible = false;
};

}  // namespace reports
