#include "ui/focus_order.h"

#include <QWidget>

#include "ui/check_buttons.h"

namespace ui {

bool CanTakeFocus(const QWidget* widget) {
  return widget && widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

bool IsTabTarget(const QWidget* widget) {
  if (!CanTakeFocus(widget) || !(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy()) return false;
  const auto* radio = qobject_cast<const TQVRadioButton*>(widget);
  return !radio || radio->isChecked();
}

QWidget* FindInTabOrder(QWidget* from, bool forward, const std::function<bool(QWidget*)>& test) {
  if (!from) return nullptr;
  for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from;
       w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
    if (w->window() == from->window() && test(w)) return w;
  }
  return nullptr;
}

void FocusNextTabTarget(QWidget* from, bool forward) {
  if (QWidget* next = FindInTabOrder(from, forward, IsTabTarget))
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

}  // namespace ui
