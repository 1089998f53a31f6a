// TQRStandardPreview: the keys the window takes before its controls.
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include "reports/page_store.h"
#include "reports/preview.h"
#include "reports/thumbnail_grid.h"

namespace reports {

namespace {

constexpr double kScrollFraction = 0.05;

bool IsInside(const QWidget* widget, const QWidget* container) {
  return widget && (widget == container || container->isAncestorOf(widget));
}

int ScrollStep(const QScrollBar* bar) {
  return std::max(1, static_cast<int>((bar->maximum() - bar->minimum() + bar->pageStep()) * kScrollFraction));
}

}  // namespace

bool TQRStandardPreview::KeyPreview(QKeyEvent* event) {
  try {
    if (HandleSearchKeys(event)) return true;
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
      // An open zoom list closes first.
      if (cbZoom->view()->isVisible()) return false;
      done(ui::mrCancel);
      return true;
    }
    if (IsInside(focusWidget(), grThumbs)) return false;
    return HandleScrollKeys(event);
  } catch (...) {
    return false;
  }
}

bool TQRStandardPreview::HandleSearchKeys(QKeyEvent* event) {
  const QWidget* focus = focusWidget();
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (focus == edSearch) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      DoSearch();
      return true;
    }
    return false;
  }
  if (!edSearch->isEnabled()) return false;
  if ((event->key() == Qt::Key_F7 && modifiers == Qt::NoModifier) ||
      (event->key() == Qt::Key_F && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier))) {
    SetControl2Focus(edSearch);
    ScheduleIdleUpdate();
    return true;
  }
  const QString text = event->text();
  const bool printable = text.size() == 1 && text.at(0).isPrint() && !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
  if (!printable || IsInside(focus, cbZoom)) return false;
  edSearch->setFocus();
  edSearch->setText(text);
  edSearch->setCursorPosition(static_cast<int>(text.size()));
  return true;
}

bool TQRStandardPreview::HandleScrollKeys(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  const QWidget* focus = focusWidget();
  // The text fields keep their own caret keys.
  const bool inText = focus == edSearch || IsInside(focus, cbZoom);
  const bool listOpen = cbZoom->view()->isVisible();
  switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      if (listOpen) return true;
      if (event->key() == Qt::Key_PageUp)
        ctrl ? FirstPage() : PrevPage();
      else
        ctrl ? LastPage() : NextPage();
      return true;
    case Qt::Key_Home:
    case Qt::Key_End:
      if (inText && !ctrl) return false;
      if (listOpen) return true;
      if (ctrl)
        event->key() == Qt::Key_Home ? FirstPage() : LastPage();
      else
        qrView->verticalScrollBar()->setValue(event->key() == Qt::Key_Home ? qrView->verticalScrollBar()->minimum()
                                                                           : qrView->verticalScrollBar()->maximum());
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (inText) return false;
      if (!listOpen) ScrollHorizontal(event->key() == Qt::Key_Left ? -1 : 1);
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (inText) return false;
      if (!listOpen) ScrollVertical(event->key() == Qt::Key_Up ? -1 : 1);
      return true;
    default:
      return false;
  }
}

void TQRStandardPreview::ScrollHorizontal(int direction) {
  QScrollBar* bar = qrView->horizontalScrollBar();
  bar->setValue(bar->value() + direction * ScrollStep(bar));
}

void TQRStandardPreview::ScrollVertical(int direction) {
  QScrollBar* bar = qrView->verticalScrollBar();
  const int before = bar->value();
  bar->setValue(before + direction * ScrollStep(bar));
  if (bar->value() != before) return;
  // At the edge: on to the neighbouring page, if there is one.
  if (direction < 0 && CurrentPage() > 1) {
    PrevPage();
    bar->setValue(bar->maximum());
  } else if (direction > 0 && CurrentPage() < LastReachablePage()) {
    NextPage();
    bar->setValue(bar->minimum());
  }
}

}  // namespace reports
