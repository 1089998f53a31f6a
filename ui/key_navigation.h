#pragma once
// Enter and the arrow keys move the focus between input controls, as in the
// suite's other programs. A control with DefaultKeyDown leaves the keys to Qt.
#include <QKeyEvent>
#include <QWidget>

namespace ui {

// Moves the focus to the next (or previous) control through the window, as Tab would.
void SelectNextControl(QWidget* from, bool forward);
// Whether the control's parent holds the window's default push button; Enter
// is then left to reach that button.
bool ParentHoldsDefaultButton(const QWidget* control);
// Enter and Down move forward, Up backward, when no Shift, Ctrl or Alt is held.
// Answers whether the key was used.
bool HandleNavigationKey(QWidget* control, QKeyEvent* event);

// Adds the navigation rule to an input control class.
template <class Base>
class TNavigationKeys : public Base {
 public:
  using Base::Base;
  bool DefaultKeyDown() const { return fDefaultKeyDown; }
  void SetDefaultKeyDown(bool value) { fDefaultKeyDown = value; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!fDefaultKeyDown && HandleNavigationKey(this, event)) return;
    Base::keyPressEvent(event);
  }

 private:
  bool fDefaultKeyDown = false;
};

}  // namespace ui
