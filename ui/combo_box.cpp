#include "ui/combo_box.h"

#include <QAbstractItemView>
#include <QTimer>

namespace ui {

namespace {

constexpr qint64 kSearchPauseMs = 2000;

}  // namespace

TQVComboBox::TQVComboBox(QWidget* parent) : TRequiredMark<TNavigationKeys<QComboBox>>(parent) {
  view()->installEventFilter(this);
}

void TQVComboBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F3 && event->modifiers() == Qt::NoModifier) {
    showPopup();
    return;
  }
  if (!isEditable() && (StepEntry(event) || SearchEntry(event))) return;
  TNavigationKeys<QComboBox>::keyPressEvent(event);
}

bool TQVComboBox::StepEntry(QKeyEvent* event) {
  if (event->modifiers() != Qt::NoModifier) return false;
  if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right) return false;
  const int next = currentIndex() + (event->key() == Qt::Key_Left ? -1 : 1);
  if (next >= 0 && next < count()) setCurrentIndex(next);
  return true;
}

bool TQVComboBox::SearchEntry(QKeyEvent* event) {
  const QString typed = event->text();
  if (typed.isEmpty() || !typed.at(0).isPrint() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  if (!fLastSearchKey.isValid() || fLastSearchKey.elapsed() > kSearchPauseMs) fSearchText.clear();
  fLastSearchKey.start();
  fSearchText += typed;
  const int found = findText(fSearchText, Qt::MatchStartsWith);
  if (found >= 0) setCurrentIndex(found);
  return true;
}

bool TQVComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // The list takes the entry and closes itself; then the focus moves on.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !DefaultKeyDown())
      QTimer::singleShot(0, this, [this] { SelectNextControl(this, true); });
  }
  return TNavigationKeys<QComboBox>::eventFilter(watched, event);
}

}  // namespace ui
