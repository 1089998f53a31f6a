#include "ui/number_edit.h"

#include <QPainter>
#include <QStyle>

#include <cmath>

namespace ui {

namespace {

constexpr int kDefaultWidth = 105;
constexpr int kUnitGap = 4;

}  // namespace

TQVCurrEdit::TQVCurrEdit(QWidget* parent) : TNumberEditing(parent) {
  setSizePolicy(QSizePolicy::Fixed, sizePolicy().verticalPolicy());
}

void TQVCurrEdit::SetEinheit(const QString& value) {
  fEinheit = value;
  const int width = value.isEmpty() ? 0 : fontMetrics().horizontalAdvance(value) + 2 * kUnitGap;
  setTextMargins(0, 0, width, 0);
  update();
}

int TQVCurrEdit::AsInteger() const { return static_cast<int>(std::lround(Value())); }

QSize TQVCurrEdit::sizeHint() const { return {kDefaultWidth, QLineEdit::sizeHint().height()}; }

void TQVCurrEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (fEinheit.isEmpty()) return;
  QPainter painter(this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::PlaceholderText));
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  painter.drawText(rect().adjusted(0, 0, -(frame + kUnitGap), 0), Qt::AlignRight | Qt::AlignVCenter, fEinheit);
}

}  // namespace ui
