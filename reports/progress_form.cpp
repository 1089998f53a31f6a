#include "reports/progress_form.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "reports/busy_animation.h"
#include "ui/button.h"

namespace reports {

namespace {

constexpr int kStepMs = 20;

QLabel* ValueLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setMinimumWidth(60);
  return label;
}

}  // namespace

TQRProgressForm::TQRProgressForm(QWidget* owner) : ui::TQVForm(owner) {
  setObjectName(QStringLiteral("QRProgressForm"));
  setWindowTitle(QStringLiteral("Druckvorgang"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  lbTitle = new QLabel(this);
  QFont bold = lbTitle->font();
  bold.setBold(true);
  lbTitle->setFont(bold);
  lbTitle->setMinimumWidth(260);
  anAnimation = new TBusyAnimation(this);
  top->addWidget(lbTitle, 1);
  top->addWidget(anAnimation);
  layout->addLayout(top);
  lbDestination = new QLabel(this);
  layout->addWidget(lbDestination);

  auto* grid = new QGridLayout;
  lbFromValue = ValueLabel(this);
  lbToValue = ValueLabel(this);
  lbCurrentCaption = new QLabel(QStringLiteral("aktuelle Seite:"), this);
  lbCurrentValue = ValueLabel(this);
  lbDoneCaption = new QLabel(QStringLiteral("gedruckte Seiten:"), this);
  lbDoneValue = ValueLabel(this);
  grid->addWidget(new QLabel(QStringLiteral("von Seite:"), this), 0, 0);
  grid->addWidget(lbFromValue, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("bis Seite:"), this), 0, 2);
  grid->addWidget(lbToValue, 0, 3);
  grid->addWidget(lbCurrentCaption, 1, 0);
  grid->addWidget(lbCurrentValue, 1, 1);
  grid->addWidget(lbDoneCaption, 1, 2);
  grid->addWidget(lbDoneValue, 1, 3);
  layout->addLayout(grid);

  lbInfo = new QLabel(this);
  layout->addWidget(lbInfo);
  pbProgress = new QProgressBar(this);
  pbProgress->setRange(0, 100);
  pbProgress->setTextVisible(false);
  layout->addWidget(pbProgress);

  bbCancel = new ui::TQVButton(this);
  bbCancel->setObjectName(QStringLiteral("bbAbbrechen"));
  bbCancel->setText(QStringLiteral("&Abbrechen"));
  bbCancel->SetKindGlyph(ui::bkCancel);
  connect(bbCancel, &QPushButton::clicked, this, [this] { fCancelled = true; });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(bbCancel);
  buttons->addStretch();
  layout->addLayout(buttons);
  fStepClock.start();
}

TQRProgressForm::~TQRProgressForm() { EnableOtherWindows(true); }

QString TQRProgressForm::ActionWord() const {
  switch (fTask) {
    case TTask::Print:
      return QStringLiteral("gedruckt");
    case TTask::Export:
      return QStringLiteral("exportiert");
    case TTask::Prepare:
      break;
  }
  return QStringLiteral("erstellt");
}

void TQRProgressForm::StartPrint(TTask task, const QString& title, const QString& printerName, int fromPage, int toPage) {
  fTask = task;
  fTitle = title;
  fCancelled = false;
  fDonePages = 0;
  fLastShown = -1;
  ShowTitle();
  lbDestination->setText(task == TTask::Print ? QStringLiteral("an ") + printerName
                                              : QStringLiteral("Druck bzw. Anzeige wird vorbereitet"));
  lbFromValue->setText(QString::number(fromPage > 0 ? fromPage : 1));
  lbToValue->setText(toPage > 0 ? QString::number(toPage) : QStringLiteral("alles"));
  lbCurrentValue->setText({});
  lbDoneValue->setText(QStringLiteral("keine"));
  lbInfo->setText({});
  pbProgress->setValue(0);
}

void TQRProgressForm::StartExport(const QString& title, const QString& filterName, int pageCount) {
  StartPrint(TTask::Export, title, {}, 1, pageCount);
  lbDestination->setText(QStringLiteral("in Datei exportieren"));
  lbCurrentCaption->setText(QStringLiteral("Export als ") + filterName);
  lbCurrentValue->setText(QStringLiteral("1"));
  lbToValue->setText(QString::number(pageCount));
  lbDoneCaption->setText(QStringLiteral("exportiert:"));
  lbDoneValue->setText(QStringLiteral("keine"));
  lbInfo->setText(QStringLiteral("Bitte warten..."));
}

void TQRProgressForm::PageDone(int pageNumber, bool inRange) {
  if (fDonePages == 0) {
    const QString what = fTask == TTask::Print    ? QStringLiteral("es wird gedruckt")
                         : fTask == TTask::Export ? QStringLiteral("Export wird vorbereitet")
                                                  : QStringLiteral("Druck wird vorbereitet");
    lbInfo->setText(QStringLiteral("Bitte warten, ") + what + QStringLiteral("..."));
    if (fTask != TTask::Print) setWindowTitle(QStringLiteral("Liste erstellen"));
    anAnimation->Start();
  }
  if (inRange) ++fDonePages;
  lbCurrentValue->setText(QString::number(pageNumber));
  lbDoneValue->setText(fDonePages == 0 ? QStringLiteral("keine") : QString::number(fDonePages));
  QCoreApplication::processEvents();
}

void TQRProgressForm::SetProgress(int value) {
  if (value <= 100) {
    // Every value when exporting, otherwise only multiples of five.
    if (fTask != TTask::Export && value % 5 != 0) return;
    if (value == fLastShown) return;
    fLastShown = value;
    lbInfo->setText(QStringLiteral("%1% %2, bitte warten").arg(value).arg(ActionWord()));
    pbProgress->setValue(value);
  } else {
    lbInfo->setText(QStringLiteral("%1 Datensätze verarbeitet").arg(value / 100));
    if (fStepClock.elapsed() - fLastStep >= kStepMs) {
      fLastStep = fStepClock.elapsed();
      pbProgress->setValue((pbProgress->value() + 1) % 101);
    }
  }
  QCoreApplication::processEvents();
}

void TQRProgressForm::ShowTitle() {
  const int room = std::max(40, lbTitle->width());
  lbTitle->setText(lbTitle->fontMetrics().elidedText(fTitle, Qt::ElideRight, room));
  lbTitle->setToolTip(fTitle);
}

void TQRProgressForm::resizeEvent(QResizeEvent* event) {
  ui::TQVForm::resizeEvent(event);
  ShowTitle();
}

void TQRProgressForm::ShowWhileBusy() {
  EnableOtherWindows(false);
  show();
  ShowTitle();
  QCoreApplication::processEvents();
}

void TQRProgressForm::Finish() {
  anAnimation->Stop();
  hide();
  EnableOtherWindows(true);
}

void TQRProgressForm::EnableOtherWindows(bool enable) {
  if (enable) {
    for (const QPointer<QWidget>& window : fDisabled)
      if (window) window->setEnabled(true);
    fDisabled.clear();
    return;
  }
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window == this || !window->isVisible() || !window->isEnabled()) continue;
    window->setEnabled(false);
    fDisabled.append(window);
  }
}

QString TQRProgressForm::InfoText() const { return lbInfo->text(); }
QString TQRProgressForm::DestinationText() const { return lbDestination->text(); }
QString TQRProgressForm::CurrentPageText() const { return lbCurrentValue->text(); }
QString TQRProgressForm::DonePagesText() const { return lbDoneValue->text(); }
QString TQRProgressForm::FromText() const { return lbFromValue->text(); }
QString TQRProgressForm::ToText() const { return lbToValue->text(); }
int TQRProgressForm::BarValue() const { return pbProgress->value(); }

}  // namespace reports
