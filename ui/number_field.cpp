#include "ui/number_field.h"

#include <QKeyEvent>
#include <QTimer>

#include <cmath>

#include "ui/messages.h"
#include "ui/number_text.h"

#include "ui/number_editing.h"

namespace ui {

bool LeavesField(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

QString TNumberField::DisplayText() const {
  return fZeroEmpty && fValue == 0 ? QString() : FormatNumber(fValue, fDecimals, fThousands, fEdit.locale());
}

double TNumberField::Value() const {
  // Untouched text shows the value rounded to the decimals; the value stays exact.
  if (fEdit.text() == DisplayText()) return fValue;
  return ReadNumberText(fEdit.text(), fEdit.locale()).value_or(fValue);
}

void TNumberField::SetValue(double value) {
  if (!std::isfinite(value)) {
    ShowErrorMessage(QStringLiteral("Der Wert konnte für die Eingabezeile nicht gesetzt werden.\r") +
                     QStringLiteral("Ungültiger Gleitkommawert."));
    return;
  }
  fValue = value;
  Display();
}

void TNumberField::SetDecimals(int value) {
  fDecimals = std::max(0, value);
  Display();
}

void TNumberField::SetThousands(bool value) {
  fThousands = value;
  Display();
}

void TNumberField::SetRange(double minValue, double maxValue) {
  fMinValue = minValue;
  fMaxValue = maxValue;
}

void TNumberField::SetZeroEmpty(bool value) {
  fZeroEmpty = value;
  Display();
}

qint64 TNumberField::AsCurrency() const { return std::llround(Value() * 10000); }

void TNumberField::Display() { fEdit.setText(DisplayText()); }

bool TNumberField::HandleKey(QKeyEvent* event) {
  const QString typed = event->text();
  if (typed.size() != 1 || !typed.at(0).isPrint() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;  // control keys and shortcuts
  const int selectionStart = fEdit.hasSelectedText() ? fEdit.selectionStart() : fEdit.cursorPosition();
  const int selectionLength = fEdit.hasSelectedText() ? static_cast<int>(fEdit.selectedText().size()) : 0;
  const auto inserted =
      TypedNumberChar(typed.at(0), fEdit.text(), selectionStart, selectionLength, fDecimals, fEdit.locale());
  if (inserted) fEdit.insert(QString(*inserted));
  event->accept();
  return true;
}

void TNumberField::Leave() {
  const auto number = ReadNumberText(fEdit.text(), fEdit.locale());
  if (!number) {
    const QString text = fEdit.text().trimmed();
    // Back to the field once the focus has settled where it was going.
    QTimer::singleShot(0, &fEdit, [edit = &fEdit] {
      edit->setFocus(Qt::OtherFocusReason);
      edit->selectAll();
    });
    ShowErrorMessage(QStringLiteral("'%1' ist kein gültiger Gleitkommawert.").arg(text));
    return;
  }
  fValue = fClampOnLeave ? ClampNumber(*number, fMinValue, fMaxValue) : *number;
  Display();
}

}  // namespace ui
