#include "reports/preview.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "reports/page_store.h"
#include "reports/thumbnail_grid.h"
#include "reports/tool_icons.h"
#include "ui/button.h"
#include "ui/create_form.h"
#include "ui/glyph_store.h"
#include "ui/page_control.h"
#include "ui/status_bar.h"

namespace reports {

namespace {

QToolButton* ToolButton(QWidget* parent, const QString& name, const QString& hint, const QIcon& icon,
                        const QString& text = {}) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setIcon(icon);
  if (!text.isEmpty()) button->setText(text);
  button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QIcon Standard(QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); }

const char* const kZoomEntries[] = {"25 %",  "50 %", "60 %", "70 %", "80 %",  "90 %",  "100%",
                                    "110%",  "120 %", "120%", "140%", "150%", "160 %", "170%",
                                    "180%",  "190%", "200 %", "300 %", "400 %", "500 %"};

}  // namespace

TQRStandardPreview* TQRStandardPreview::CreatePreview(QWidget* owner, TQRPageStore* store) {
  auto* preview = ui::CreateFormInstance<TQRStandardPreview>(owner, store);
  preview->SetTitleTexts();
  return preview;
}

TQRStandardPreview::TQRStandardPreview(QWidget* owner, TQRPageStore* store) : ui::TSavePosForm(owner), fStore(store) {
  // The window's key is named after the component, not after the changing caption.
  setObjectName(QStringLiteral("QRStandardPreview"));
  setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildToolBar(layout);
  spMain = new QSplitter(Qt::Horizontal, this);
  spMain->setChildrenCollapsible(false);
  BuildLeftPanel();
  qrView = new TQRPageView(spMain);
  spMain->addWidget(qrView);
  spMain->setStretchFactor(1, 1);
  spMain->setSizes({kMinThumbsWidth + 7, 700});
  layout->addWidget(spMain, 1);
  BuildStatusBar();
  layout->addWidget(sbStatus);
  resize(900, 700);

  qrView->SetStore(store);
  grThumbs->SetStore(store);
  connect(qrView, &TQRPageView::ZoomApplied, this, &TQRStandardPreview::ShowZoomInBox);
  connect(qrView, &TQRPageView::WheelStep, this, [this](int direction) { ScrollVertical(direction); });
  connect(grThumbs, &TQRThumbnailGrid::PageChosen, this, &TQRStandardPreview::SelectPage);
  connect(spMain, &QSplitter::splitterMoved, this, [this] { ResizeThumb(); });
  fBlinkTimer.setInterval(500);
  connect(&fBlinkTimer, &QTimer::timeout, this, &TQRStandardPreview::BlinkHighlight);
  ConnectStore();

  btnCancel->setEnabled(false);
  cbZoom->setEnabled(false);
  pcLeft->setTabVisible(pcLeft->indexOf(tsSearch), false);
  UpdateThumbTab();
  grThumbs->SetPageRows(store->PageCount());
  if (store->IsComplete()) PageArrived(false);
}

TQRStandardPreview::~TQRStandardPreview() = default;

void TQRStandardPreview::BuildToolBar(QLayout* into) {
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("pnToolBar"));
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(2);
  btnZoomFit = ToolButton(bar, "btnZoomFit", "Optimale Größe", FitPageIcon());
  btnZoom100 = ToolButton(bar, "btnZoom100", "100% Größe", {}, "1:1");
  btnZoomWidth = ToolButton(bar, "btnZoomWidth", "Auf Breite anpassen", FitWidthIcon());
  for (QToolButton* button : {btnZoomFit, btnZoom100, btnZoomWidth}) button->setCheckable(true);
  btnFirst = ToolButton(bar, "btnFirst", "Erste Seite", Standard(QStyle::SP_MediaSkipBackward));
  btnPrev = ToolButton(bar, "btnPrev", "Vorherige Seite", Standard(QStyle::SP_MediaSeekBackward));
  btnNext = ToolButton(bar, "btnNext", "Nächste Seite", Standard(QStyle::SP_MediaSeekForward));
  btnLast = ToolButton(bar, "btnLast", "Letzte Seite", Standard(QStyle::SP_MediaSkipForward));
  btnGoto = ToolButton(bar, "btnGoto", "Seite auswählen", Standard(QStyle::SP_FileDialogContentsView));
  edSearch = new QLineEdit(bar);
  edSearch->setObjectName(QStringLiteral("edSearch"));
  edSearch->setToolTip(QStringLiteral("geben Sie hier den Suchtext ein"));
  edSearch->setFixedWidth(140);
  btnSearch = ToolButton(bar, "btnSearch", "Report durchsuchen", Standard(QStyle::SP_FileDialogDetailedView), "Suchen");
  btnSearch->setToolButtonStyle(Qt::ToolButtonTextOnly);
  btnSearch->setPopupMode(QToolButton::MenuButtonPopup);
  auto* searchMenu = new QMenu(btnSearch);
  acMatchCase = searchMenu->addAction(QStringLiteral("Groß-/Kleinschreibung"));
  acMatchCase->setCheckable(true);
  btnSearch->setMenu(searchMenu);
  cbZoom = new QComboBox(bar);
  cbZoom->setObjectName(QStringLiteral("cbZoom"));
  cbZoom->setToolTip(QStringLiteral("Zoom setzen"));
  cbZoom->setEditable(true);
  cbZoom->setInsertPolicy(QComboBox::NoInsert);
  cbZoom->setMaxVisibleItems(21);
  cbZoom->setFixedWidth(80);
  for (const char* entry : kZoomEntries) cbZoom->addItem(QString::fromUtf8(entry));
  cbZoom->lineEdit()->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 %]*")), cbZoom));
  btnPrint = ToolButton(bar, "btnPrint", "Drucken", ui::StoredGlyph("FBPRINT"));
  btnLoad = ToolButton(bar, "btnLoad", "Bericht laden", Standard(QStyle::SP_DialogOpenButton));
  btnSave = ToolButton(bar, "btnSave", "Bericht speichern", ui::StoredGlyph("FBSAVE"));
  btnCopy = ToolButton(bar, "btnCopy", "Seite in Zwischenablage kopieren", CopyPageIcon());
  btnCancel = ToolButton(bar, "btnCancel", "Report abbrechen", ui::StoredGlyph("FBCANCEL"));
  cbThumbs = new QCheckBox(QStringLiteral("Seitenvorschau"), bar);
  cbThumbs->setObjectName(QStringLiteral("cbThumbs"));
  cbThumbs->setChecked(true);
  cbThumbs->setFocusPolicy(Qt::NoFocus);
  bbClose = new ui::TQVButton(bar);
  bbClose->setObjectName(QStringLiteral("bbClose"));
  bbClose->setText(QStringLiteral("&Schließen"));
  bbClose->SetKindGlyph(ui::bkClose);
  bbClose->setToolTip(QStringLiteral("Vorschau schließen"));
  bbClose->SetNoFocus(true);
  bbClose->SetCancel(true);

  for (QWidget* widget : std::initializer_list<QWidget*>{btnZoomFit, btnZoom100, btnZoomWidth}) row->addWidget(widget);
  row->addSpacing(8);
  for (QWidget* widget : std::initializer_list<QWidget*>{btnFirst, btnPrev, btnNext, btnLast, btnGoto}) row->addWidget(widget);
  row->addSpacing(8);
  for (QWidget* widget : std::initializer_list<QWidget*>{edSearch, btnSearch, cbZoom}) row->addWidget(widget);
  row->addSpacing(8);
  for (QWidget* widget : std::initializer_list<QWidget*>{btnPrint, btnLoad, btnSave, btnCopy, btnCancel})
    row->addWidget(widget);
  row->addSpacing(8);
  row->addWidget(cbThumbs);
  row->addStretch(1);
  row->addWidget(bbClose);
  into->addWidget(bar);

  connect(btnZoomFit, &QToolButton::clicked, this, &TQRStandardPreview::ZoomFit);
  connect(btnZoom100, &QToolButton::clicked, this, &TQRStandardPreview::Zoom100);
  connect(btnZoomWidth, &QToolButton::clicked, this, &TQRStandardPreview::ZoomWidth);
  connect(btnFirst, &QToolButton::clicked, this, &TQRStandardPreview::FirstPage);
  connect(btnPrev, &QToolButton::clicked, this, &TQRStandardPreview::PrevPage);
  connect(btnNext, &QToolButton::clicked, this, &TQRStandardPreview::NextPage);
  connect(btnLast, &QToolButton::clicked, this, &TQRStandardPreview::LastPage);
  connect(btnGoto, &QToolButton::clicked, this, &TQRStandardPreview::GotoPage);
  connect(btnSearch, &QToolButton::clicked, this, &TQRStandardPreview::DoSearch);
  connect(btnPrint, &QToolButton::clicked, this, &TQRStandardPreview::Print);
  connect(btnLoad, &QToolButton::clicked, this, &TQRStandardPreview::LoadReport);
  connect(btnSave, &QToolButton::clicked, this, &TQRStandardPreview::SaveReport);
  connect(btnCopy, &QToolButton::clicked, this, &TQRStandardPreview::CopyPage);
  connect(btnCancel, &QToolButton::clicked, this, &TQRStandardPreview::CancelReport);
  connect(bbClose, &QPushButton::clicked, this, [this] { done(ui::mrCancel); });
  connect(cbThumbs, &QCheckBox::toggled, this, [this] { UpdateThumbTab(); });
  connect(cbZoom, &QComboBox::activated, this, [this] { ZoomBoxConfirmed(); });
  connect(cbZoom->lineEdit(), &QLineEdit::returnPressed, this, &TQRStandardPreview::ZoomBoxConfirmed);
}

void TQRStandardPreview::BuildLeftPanel() {
  pcLeft = new ui::TQVPageControl(spMain);
  pcLeft->setObjectName(QStringLiteral("pcLeft"));
  pcLeft->setMinimumWidth(kMinThumbsWidth);
  tsThumbs = new QWidget(pcLeft);
  tsThumbs->setObjectName(QStringLiteral("tsThumbs"));
  auto* thumbsLayout = new QVBoxLayout(tsThumbs);
  thumbsLayout->setContentsMargins(0, 0, 0, 0);
  grThumbs = new TQRThumbnailGrid(tsThumbs);
  thumbsLayout->addWidget(grThumbs);
  pcLeft->addTab(tsThumbs, QStringLiteral("Seitenvorschau"));
  BuildSearchPage();
  pcLeft->addTab(tsSearch, QStringLiteral("Suchergebnisse"));
  spMain->addWidget(pcLeft);
  spMain->setStretchFactor(0, 0);
}

void TQRStandardPreview::BuildStatusBar() {
  sbStatus = new ui::TQVStatusBar(this);
  sbStatus->setObjectName(QStringLiteral("sbStatus"));
  sbStatus->AddPanel(100, QStringLiteral("0%"));
  sbStatus->AddPanel(120);
  sbStatus->AddPanel(50, {}, true);
  sbStatus->SetPanelAlignment(spProgress, Qt::AlignRight);
}

void TQRStandardPreview::ConnectStore() {
  connect(fStore, &TQRPageStore::PageAvailable, this, [this] { PageArrived(false); });
  connect(fStore, &TQRPageStore::Progress, this, &TQRStandardPreview::ShowProgress);
}

void TQRStandardPreview::SetTitleTexts() {
  const QString title = fStore->Report().title;
  setWindowTitle(QStringLiteral("Report Vorschau : ") + title);
  fReportOrientation = fStore->Report().orientation;
  UpdateInfo();
}

void TQRStandardPreview::SetPanelText(int panel, const QString& text) {
  sbStatus->SetPanelText(panel, text);
  // A panel grows to its text plus 6 pixels when the text is wider.
  const int needed = sbStatus->fontMetrics().horizontalAdvance(text) + 6;
  if (needed > sbStatus->PanelWidth(panel)) sbStatus->SetPanelWidth(panel, needed);
}

void TQRStandardPreview::UpdateInfo() {
  try {
    SetPanelText(spPageInfo, QStringLiteral("Seite %1 von %2").arg(CurrentPage()).arg(fStore->PageCount()));
    SetPanelText(spTitle, fLoadedFileName.isEmpty() ? fStore->Report().title : fLoadedFileName);
  } catch (...) {
  }
}

void TQRStandardPreview::SelectPage(int pageNumber) {
  try {
    qrView->SetPageNumber(pageNumber);
    UpdateInfo();
    grThumbs->SelectPage(qrView->PageNumber());
  } catch (...) {
  }
}

void TQRStandardPreview::PageArrived(bool causedByCancel) {
  const int count = fStore->PageCount();
  btnCancel->setEnabled(fInCreateReport && !fStore->IsComplete());
  if (count > 0 && qrView->PageNumber() == 0) {
    qrView->SetPageNumber(1);
    qrView->RefitZoom();
  }
  UpdateInfo();
  grThumbs->SetPageRows(count);
  const bool ready = fStore->IsComplete() || (causedByCancel && count > 0);
  if (ready) {
    EnableReady(true);
    grThumbs->SetPageRows(count);
    btnCancel->setEnabled(false);
    SelectPage(1);
  } else {
    grThumbs->SetPageRows(count - 1);
    EnableReady(false);
  }
}

void TQRStandardPreview::EnableReady(bool ready) {
  for (QWidget* control : std::initializer_list<QWidget*>{btnPrint, btnSave, btnLoad, btnSearch, edSearch, btnGoto, btnFirst,
                                                          btnPrev, btnNext, btnLast, btnCopy, cbZoom})
    control->setEnabled(ready);
}

void TQRStandardPreview::ShowProgress(int value) {
  if (value == 0) {
    SetPanelText(spProgress, {});
    fLastProgress = 0;
    return;
  }
  if (value < fLastProgress + 5) return;
  fLastProgress = value;
  if (value < 100) {
    SetPanelText(spProgress, QString::number(value) + QStringLiteral("%"));
  } else if (value == 100) {
    SetPanelText(spProgress, {});
  } else {
    SetPanelText(spProgress, QStringLiteral("Datensatz ") + QString::number(value / 100));
    sbStatus->SetPanelAlignment(spProgress, Qt::AlignLeft);
  }
}

void TQRStandardPreview::UpdateThumbTab() {
  fShowThumbs = cbThumbs->isChecked();
  pcLeft->setTabVisible(pcLeft->indexOf(tsThumbs), fShowThumbs);
  const bool searchShown = pcLeft->isTabVisible(pcLeft->indexOf(tsSearch));
  pcLeft->setVisible(fShowThumbs || searchShown);
  if (fShowThumbs && !searchShown) pcLeft->setCurrentWidget(tsThumbs);
  ResizeThumb();
}

void TQRStandardPreview::ResizeThumb() {
  const QFontMetrics metrics(grThumbs->font());
  const QSize page = fReportOrientation == QPageLayout::Landscape ? fStore->Report().paper.transposed() : fStore->Report().paper;
  grThumbs->ApplyGeometry(ThumbGeometryFor(pcLeft->width(), page, metrics.tightBoundingRect(QStringLiteral("P")).height()));
}

int TQRStandardPreview::LastReachablePage() const {
  const int count = fStore->PageCount();
  return fStore->IsComplete() ? count : std::max(1, count - 1);
}

// While pages are still arriving the page buttons are off, and so are the page keys.
bool TQRStandardPreview::CanNavigate() const { return btnFirst->isEnabled(); }

void TQRStandardPreview::FirstPage() {
  if (CanNavigate()) SelectPage(1);
}

void TQRStandardPreview::PrevPage() {
  if (CanNavigate()) SelectPage(std::max(1, CurrentPage() - 1));
}

void TQRStandardPreview::NextPage() {
  if (CanNavigate()) SelectPage(std::min(LastReachablePage(), CurrentPage() + 1));
}

void TQRStandardPreview::LastPage() {
  if (CanNavigate()) SelectPage(LastReachablePage());
}

void TQRStandardPreview::PrepareInside(const std::function<void(const std::function<void()>& yield)>& prepare) {
  SetSingleIdleProc([this, prepare] {
    qrView->setFocus();
    fInCreateReport = true;
    btnCancel->setEnabled(true);
    try {
      prepare([this] { YieldWhilePreparing(); });
    } catch (...) {
      fInCreateReport = false;
      PageArrived(true);
      throw;
    }
    fInCreateReport = false;
  });
}

void TQRStandardPreview::YieldWhilePreparing() {
  // The first page is shown at once; later ones at the window's usual pace.
  if (fStore->PageCount() <= 1)
    QCoreApplication::processEvents();
  else
    AntiFreeze();
}

void TQRStandardPreview::IdleUpdate() {
  if (fZoomBtn) PressZoomButton(std::exchange(fZoomBtn, nullptr));
  ui::TSavePosForm::IdleUpdate();
}

void TQRStandardPreview::Closing() {
  if (fInCreateReport) fStore->RequestCancel();
  fBlinkTimer.stop();
  ui::TSavePosForm::Closing();
}

void TQRStandardPreview::showEvent(QShowEvent* event) {
  ui::TSavePosForm::showEvent(event);
  if (!fSettingsHooked) {
    fSettingsHooked = true;
    SetOnLoadSaveRegistry([this](bool load, platform::Registry& r, bool first) { LoadSaveRegistry(load, r, first); });
    ResizeThumb();
  }
}

void TQRStandardPreview::resizeEvent(QResizeEvent* event) {
  ui::TSavePosForm::resizeEvent(event);
  ResizeThumb();
}

}  // namespace reports
