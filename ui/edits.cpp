#include "ui/edits.h"

#include <QApplication>
#include <QTimer>

#include "ui/focus_order.h"

namespace ui {

namespace {

// QLineEdit's own "no limit".
constexpr int kUnlimited = 32767;

}  // namespace

TQVEdit::TQVEdit(QWidget* parent) : TRequiredMark<TNavigationKeys<QLineEdit>>(parent) {}

int TQVEdit::MaxLength() const { return maxLength() >= kUnlimited ? 0 : maxLength(); }

void TQVEdit::SetMaxLength(int value) { setMaxLength(value > 0 ? value : kUnlimited); }

bool TQVEdit::IsRightAligned() const { return alignment() & Qt::AlignRight; }

QString TQVEdit::AsString() const {
  const QString trimmed = text().trimmed();
  const int width = MaxLength();
  return IsRightAligned() ? trimmed.rightJustified(width, ' ') : trimmed.leftJustified(width, ' ');
}

void TQVEdit::SetAsString(const QString& value) {
  const QString trimmed = value.trimmed();
  setText(MaxLength() > 0 ? trimmed.left(MaxLength()) : trimmed);
}

QString TQVEdit::AsText() const { return MaxLength() > 0 ? text().left(MaxLength()) : text(); }

void TQVEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // After the click that brought the focus has placed the cursor.
  if (fAutoSelect && IsRightAligned()) QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void TQVLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  QWidget* target = buddy();
  if (target && !target->hasFocus() && CanTakeFocus(target)) target->setFocus(Qt::MouseFocusReason);
}

void SetLabelEnabled(QLabel* label, bool enabled) {
  label->setEnabled(enabled);
  QWidget* control = label->buddy();
  if (!control) return;
  control->setEnabled(enabled);
  const QPalette standard = QApplication::palette(control);
  QPalette palette = control->palette();
  // Text keeps Qt's colours: a disabled edit's text is greyed, not hidden.
  palette.setColor(QPalette::Base, standard.color(enabled ? QPalette::Base : QPalette::Button));
  control->setPalette(palette);
}

}  // namespace ui
