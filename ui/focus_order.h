#pragma once
// The window's tab order (Qt's focus chain) and which widgets may take the
// focus from the keyboard.
#include <functional>

class QWidget;

namespace ui {

// Visible, enabled and accepting focus at all.
bool CanTakeFocus(const QWidget* widget);
// Reached by Tab: tab focus, no focus proxy, able to take the focus, and not
// an enabled but unchecked TQVRadioButton (the checked one of a group stands for it).
bool IsTabTarget(const QWidget* widget);
// The first widget after (or before) `from` in the tab order that satisfies the
// test, wrapping at the ends; none when the search comes back to `from`.
QWidget* FindInTabOrder(QWidget* from, bool forward, const std::function<bool(QWidget*)>& test);
// Focuses the next Tab target after (or before) `from`, as Tab or Shift+Tab would.
void FocusNextTabTarget(QWidget* from, bool forward);

}  // namespace ui
