#pragma once
// Adds the number handling to a line edit class: the value and its range,
// right alignment, the typing rule, and the leave rule when the user moves on.
#include <QFocusEvent>
#include <QKeyEvent>

#include "ui/number_field.h"

namespace ui {

// Whether losing the focus for this reason means the user left the field
// (not that the window lost the focus or a menu opened).
bool LeavesField(Qt::FocusReason reason);

template <class Base>
class TNumberEditing : public Base {
 public:
  explicit TNumberEditing(QWidget* parent) : Base(parent) {
    this->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fField.Display();
  }

  double Value() const { return fField.Value(); }
  void SetValue(double value) { fField.SetValue(value); }
  double MinValue() const { return fField.MinValue(); }
  double MaxValue() const { return fField.MaxValue(); }
  // 0 for both: no limits.
  void SetRange(double minValue, double maxValue) { fField.SetRange(minValue, maxValue); }
  qint64 AsCurrency() const { return fField.AsCurrency(); }

 protected:
  TNumberField& Field() { return fField; }
  const TNumberField& Field() const { return fField; }

  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) {
      event->ignore();  // for the window's cancel button
      return;
    }
    if (fField.HandleKey(event)) return;
    Base::keyPressEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    Base::focusOutEvent(event);
    if (LeavesField(event->reason())) fField.Leave();
  }

 private:
  TNumberField fField{*this};
};

}  // namespace ui
