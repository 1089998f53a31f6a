#pragma once
// TQRStandardPreview: the one preview window of every report. Pages through
// the prepared report, zooms, shows thumbnails, searches the pages' text,
// prints, saves or exports, loads a saved report, copies a page and cancels
// a report still being prepared. Its members are split by concern:
// preview.cpp (layout, pages arriving, navigation), preview_zoom.cpp (zoom
// and settings), preview_keys.cpp, preview_search.cpp, preview_file.cpp
// (print, save, export, load, copy).
#include <QPageLayout>
#include <QTimer>

#include <vector>

#include "reports/page_view.h"
#include "reports/text_search.h"
#include "ui/save_pos_form.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSplitter;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {
class TQVButton;
class TQVPageControl;
class TQVStatusBar;
}  // namespace ui

namespace reports {

class TQRPageStore;
class TQRThumbnailGrid;

class TQRStandardPreview : public ui::TSavePosForm {
  Q_OBJECT
 public:
  static constexpr int kMinThumbsWidth = 193;
  enum TStatusPanel { spProgress = 0, spPageInfo = 1, spTitle = 2 };

  // Creates the window for the store (creation steps included) and sets its texts.
  static TQRStandardPreview* CreatePreview(QWidget* owner, TQRPageStore* store);
  TQRStandardPreview(QWidget* owner, TQRPageStore* store);
  ~TQRStandardPreview() override;

  void SelectPage(int pageNumber);
  void UpdateInfo();
  void ResizeThumb();
  // The search text and the case option; false when the text is empty.
  bool GetTextSearch(bool& matchCase, QString& text) const;
  void LoadSaveRegistry(bool load, platform::Registry& r, bool first);

  // Runs the preparation of the report inside the window (its one-shot idle call).
  void PrepareInside(const std::function<void(const std::function<void()>& yield)>& prepare);
  bool InCreateReport() const { return fInCreateReport; }
  int CurrentPage() const { return qrView->PageNumber(); }
  QString LastExportExt() const { return fLastExportExt; }

  // The actions behind the tool bar, callable from tests.
  void FirstPage();
  void PrevPage();
  void NextPage();
  void LastPage();
  void GotoPage();
  void DoSearch();
  void CloseSearch();
  void Print();
  void SaveReport();
  void LoadReport();
  void CopyPage();
  void CancelReport();
  void ZoomFit();
  void Zoom100();
  void ZoomWidth();
  // A zoom box entry chosen or typed and confirmed.
  void ZoomBoxConfirmed();

  // Controls, named as designed.
  QToolButton* btnZoomFit;
  QToolButton* btnZoom100;
  QToolButton* btnZoomWidth;
  QToolButton* btnFirst;
  QToolButton* btnPrev;
  QToolButton* btnNext;
  QToolButton* btnLast;
  QToolButton* btnGoto;
  QLineEdit* edSearch;
  QToolButton* btnSearch;
  QAction* acMatchCase;
  QComboBox* cbZoom;
  QToolButton* btnPrint;
  QToolButton* btnLoad;
  QToolButton* btnSave;
  QToolButton* btnCopy;
  QToolButton* btnCancel;
  QCheckBox* cbThumbs;
  ui::TQVButton* bbClose;
  QSplitter* spMain;
  ui::TQVPageControl* pcLeft;
  QWidget* tsThumbs;
  QWidget* tsSearch;
  TQRThumbnailGrid* grThumbs;
  QGroupBox* gbSearchText;
  QLabel* lbSearchText;
  QLabel* lbCloseMark;
  QTreeWidget* tvResults;
  TQRPageView* qrView;
  ui::TQVStatusBar* sbStatus;

 protected:
  void IdleUpdate() override;
  void Closing() override;
  bool KeyPreview(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // preview.cpp
  void BuildToolBar(QLayout* into);
  void BuildLeftPanel();
  void BuildStatusBar();
  void ConnectStore();
  void SetTitleTexts();
  void PageArrived(bool causedByCancel);
  void ShowProgress(int value);
  void EnableReady(bool ready);
  void SetPanelText(int panel, const QString& text);
  void UpdateThumbTab();
  int LastReachablePage() const;
  bool CanNavigate() const;
  void YieldWhilePreparing();

  // preview_zoom.cpp
  void ShowZoomInBox(int percent);
  void SetZoomButtons(TZoomState state);
  void PressZoomButton(QToolButton* button);

  // preview_keys.cpp
  bool HandleSearchKeys(QKeyEvent* event);
  bool HandleScrollKeys(QKeyEvent* event);
  void ScrollVertical(int direction);
  void ScrollHorizontal(int direction);

  // preview_search.cpp
  void BuildSearchPage();
  void ShowMatch(QTreeWidgetItem* item);
  void BlinkHighlight();

  // preview_file.cpp
  QStringList SaveFilters() const;
  int PreselectedFilter() const;
  bool DeleteExisting(const QString& path);
  void ExportThrough(int filterIndex, const QString& path);

  TQRPageStore* fStore;
  QToolButton* fZoomBtn = nullptr;  // pressed at the next idle update
  QPageLayout::Orientation fReportOrientation = QPageLayout::Portrait;
  QString fLastExportExt;
  int fLastProgress = 0;
  bool fShowThumbs = true;
  bool fShowSearch = true;
  bool fInCreateReport = false;
  bool fSettingsHooked = false;
  QString fLoadedFileName;
  std::vector<TSearchMatch> fMatches;
  QTimer fBlinkTimer;
};

}  // namespace reports
