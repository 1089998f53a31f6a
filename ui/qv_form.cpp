#include "ui/qv_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

#include <cmath>

#include "ui/action_guard.h"
#include "ui/button.h"
#include "ui/control_scale.h"
#include "ui/form_event_filter.h"
#include "ui/form_position.h"
#include "ui/page_control.h"

namespace ui {

namespace {

constexpr qint64 kAntiFreezeMs = 50;
constexpr int kEnlargedDPI = 144;

QSize ScaledSize(const QSize& size, int m, int d) {
  return {ScaleValue(size.width(), m, d), ScaleValue(size.height(), m, d)};
}

}  // namespace

TQVForm::TQVForm(QWidget* parent) : QDialog(parent) {
  InstallFormEventFilter();
  fIdleTimer.setSingleShot(true);
  fIdleTimer.setInterval(0);
  connect(&fIdleTimer, &QTimer::timeout, this, &TQVForm::updateActions);
}

int TQVForm::CalcDPI(int value) const {
  return fIsScaled && ScaleDPI() != 96 ? ScaleValue(value, ScaleDPI(), 96) : value;
}

void TQVForm::ChangeScale(int m, int d) {
  const QRect boundsBefore = geometry();
  if (fScaleDPI == 0) fScaleDPI = 96;
  if (m != d) fScaleDPI = ScaleValue(fScaleDPI, m, d);
  fInChangeScale = true;
  ChangeScaleControls(this, m, d, true);
  QFont scaled = font();
  if (scaled.pointSizeF() > 0)
    scaled.setPointSizeF(scaled.pointSizeF() * m / d);
  else
    scaled.setPixelSize(ScaleValue(scaled.pixelSize(), m, d));
  setFont(scaled);
  if (!minimumSize().isNull()) setMinimumSize(ScaledSize(minimumSize(), m, d));
  if (maximumWidth() < QWIDGETSIZE_MAX) setMaximumWidth(ScaleValue(maximumWidth(), m, d));
  if (maximumHeight() < QWIDGETSIZE_MAX) setMaximumHeight(ScaleValue(maximumHeight(), m, d));
  resize(ScaledSize(boundsBefore.size(), m, d));
  ChangeScaleControls(this, m, d, false);
  fInChangeScale = false;
  fIsScaled = fScaleDPI > 96;
  fScaleDPIKey = fIsScaled ? QStringLiteral("-") + ScaleText(fScaleDPI) : QString();
  ScaleChanged(boundsBefore);
}

void TQVForm::AntiFreeze() {
  if (!fStart.isValid()) {
    fStart.start();
    return;
  }
  if (fStart.elapsed() <= kAntiFreezeMs) return;
  QCoreApplication::processEvents();
  fStart.restart();
}

void TQVForm::CenterWindow() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  const QScreen* own = screen() ? screen() : primary;
  if (!primary || !own) return;
  const QRect area = own->geometry().width() == primary->geometry().width() ? primary->geometry() : own->geometry();
  const QSize frame = frameGeometry().size();
  // A window larger than the screen keeps its title bar on it.
  move(std::max(area.left(), area.left() + (area.width() - frame.width()) / 2),
       std::max(area.top(), area.top() + (area.height() - frame.height()) / 2));
}

void TQVForm::updateActions() {
  // While another window is modal, this one waits (its events are blocked too).
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != this) return;
  RunGuarded([this] { IdleUpdate(); });
}

void TQVForm::IdleUpdate() {
  const auto proc = TakeSingleIdleProc();
  ActionUpdate();
  if (proc) proc();
}

void TQVForm::ScheduleIdleUpdate() {
  if (!fIdleTimer.isActive()) fIdleTimer.start();
}

bool TQVForm::SelectNextDialogControl(bool forward) { return focusNextPrevChild(forward); }

bool TQVForm::focusNextPrevChild(bool next) {
  if (auto* pageControl = TQVPageControl::Holding(focusWidget()))
    if (pageControl->SelectNextControl(next)) return true;
  return QDialog::focusNextPrevChild(next);
}

bool TQVForm::IsWindowKey(const QKeyEvent* event) {
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Z)
    return modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::AltModifier);
  return (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && (modifiers & Qt::ControlModifier);
}

bool TQVForm::HandleWindowKey(QKeyEvent* event) {
  if (!IsWindowKey(event)) return false;
  if (event->key() != Qt::Key_Z) return HandlePageKey(event);
  if (event->modifiers() & Qt::AltModifier)
    Enlarge();
  else
    CenterWindow();
  return true;
}

bool TQVForm::HandlePageKey(QKeyEvent* event) {
  const bool backward = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
  for (TQVPageControl* pageControl : findChildren<TQVPageControl*>())
    if (pageControl->HandleCtrlTab(focusWidget(), backward)) return true;
  return false;
}

void TQVForm::Enlarge() {
  if (fIsScaled || !fCanScale) return;
  ChangeScale(kEnlargedDPI, 96);
  Enlarged();
}

void TQVForm::done(int result) {
  if (!CanClose()) return;
  Closing();
  QDialog::done(result);
}

bool TQVForm::ClickCancelButton() {
  for (TQVButton* button : findChildren<TQVButton*>()) {
    if (button->IsCancel() && button->isVisible() && button->isEnabled()) {
      button->click();
      return true;
    }
  }
  return false;
}

void TQVForm::keyPressEvent(QKeyEvent* event) {
  // Esc closes a window only through its cancel button.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (!ClickCancelButton()) event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TQVForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ScheduleIdleUpdate();
}

}  // namespace ui
