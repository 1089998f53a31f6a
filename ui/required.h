#pragma once
// The mark of a required input field: its background in the tooltip colour.
class QWidget;

namespace ui {

enum TRequired { rqNo, rqYes, rqIgnore, rqOnExit };

// Every mark but rqNo paints the tooltip-background colour, rqNo the normal one.
void PaintRequired(QWidget* control, TRequired required);

// Adds the mark to an input control class.
template <class Base>
class TRequiredMark : public Base {
 public:
  using Base::Base;
  TRequired Required() const { return fRequired; }
  void SetRequired(TRequired value) {
    fRequired = value;
    PaintRequired(this, value);
  }

 private:
  TRequired fRequired = rqNo;
};

}  // namespace ui
