#include "ui/key_navigation.h"

#include <QPushButton>

#include "ui/focus_order.h"
#include "ui/qv_form.h"

namespace ui {

void SelectNextControl(QWidget* from, bool forward) {
  if (auto* form = qobject_cast<TQVForm*>(from->window()))
    form->SelectNextDialogControl(forward);
  else
    FocusNextTabTarget(from, forward);
}

bool ParentHoldsDefaultButton(const QWidget* control) {
  const QWidget* parent = control->parentWidget();
  if (!parent) return false;
  for (const QPushButton* button : parent->findChildren<QPushButton*>())
    if (button->isDefault() && button->isEnabled() && button->isVisibleTo(control->window())) return true;
  return false;
}

bool HandleNavigationKey(QWidget* control, QKeyEvent* event) {
  if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return false;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ParentHoldsDefaultButton(control)) return false;
      [[fallthrough]];
    case Qt::Key_Down:
      SelectNextControl(control, true);
      break;
    case Qt::Key_Up:
      SelectNextControl(control, false);
      break;
    default:
      return false;
  }
  event->accept();
  return true;
}

}  // namespace ui
