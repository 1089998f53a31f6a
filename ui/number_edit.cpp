#include "ui/number_edit.h"

#include <QPainter>
#include <QStyle>

#include <cmath>

namespace ui {

namespace {

constexpr int kDefaultWidth = 105;
constexpr int kUnitGap = 4;

}  // namespace

bool LeavesField(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

TQVCurrEdit::TQVCurrEdit(QWidget* parent) : TNavigationKeys<QLineEdit>(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setSizePolicy(QSizePolicy::Fixed, sizePolicy().verticalPolicy());
  fField.Display();
}

void TQVCurrEdit::SetEinheit(const QString& value) {
  fEinheit = value;
  const int width = value.isEmpty() ? 0 : fontMetrics().horizontalAdvance(value) + 2 * kUnitGap;
  setTextMargins(0, 0, width, 0);
  update();
}

void TQVCurrEdit::SetRequired(TRequired value) {
  fRequired = value;
  PaintRequired(this, value);
}

int TQVCurrEdit::AsInteger() const { return static_cast<int>(std::lround(Value())); }

QSize TQVCurrEdit::sizeHint() const { return {kDefaultWidth, QLineEdit::sizeHint().height()}; }

void TQVCurrEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->ignore();  // for the window's cancel button
    return;
  }
  if (fField.HandleKey(event)) return;
  TNavigationKeys<QLineEdit>::keyPressEvent(event);
}

void TQVCurrEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (LeavesField(event->reason())) fField.Leave();
}

void TQVCurrEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (fEinheit.isEmpty()) return;
  QPainter painter(this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::PlaceholderText));
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  painter.drawText(rect().adjusted(0, 0, -(frame + kUnitGap), 0), Qt::AlignRight | Qt::AlignVCenter, fEinheit);
}

}  // namespace ui
