#include "ui/check_buttons.h"

namespace ui {

TQVRadioButton::TQVRadioButton(const QString& text, QWidget* parent) : TNavigationKeys<QRadioButton>(parent) {
  setText(text);
  connect(this, &QRadioButton::toggled, this, &TQVRadioButton::ShowCheckedState);
}

void TQVRadioButton::SetBoldIfChecked(bool value) {
  fBoldIfChecked = value;
  ShowCheckedState();
}

void TQVRadioButton::ShowCheckedState() {
  // Only the weight is set, so size and family still come from the window.
  QFont font;
  if (fBoldIfChecked && isChecked()) font.setBold(true);
  setFont(font);
}

}  // namespace ui
