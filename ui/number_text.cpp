#include "ui/number_text.h"

namespace ui {

QString FormatNumber(double value, int decimals, bool thousands, const QLocale& locale) {
  QLocale format = locale;
  format.setNumberOptions(thousands ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
  return format.toString(value, 'f', decimals);
}

std::optional<double> ReadNumberText(const QString& text, const QLocale& locale) {
  QString number = text.trimmed();
  number.remove(locale.groupSeparator());
  const QString decimalPoint = locale.decimalPoint();
  number.replace(QChar('.'), decimalPoint);
  number.replace(QChar(','), decimalPoint);
  if (number.isEmpty()) number = QStringLiteral("0");
  if (number == QStringLiteral("-")) number = QStringLiteral("-0");
  QLocale reader = locale;
  reader.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double value = reader.toDouble(number, &ok);
  if (!ok) return std::nullopt;
  return value;
}

double ClampNumber(double value, double minValue, double maxValue) {
  if (minValue == 0 && maxValue == 0) return value;
  if (value < minValue) return minValue;
  return value > maxValue ? maxValue : value;
}

std::optional<QChar> TypedNumberChar(QChar typed, const QString& text, int selectionStart, int selectionLength,
                                     int decimals, const QLocale& locale) {
  const QChar decimalPoint = locale.decimalPoint().at(0);
  if (typed == QChar('.') || typed == QChar(',') || typed == locale.groupSeparator().at(0)) return decimalPoint;
  if (typed == QChar('-')) return typed;
  if (typed < QChar('0') || typed > QChar('9')) return std::nullopt;
  QString result = text;
  result.replace(selectionStart, selectionLength, typed);
  const int separator = result.indexOf(decimalPoint);
  if (separator >= 0 && result.size() - separator - 1 > decimals) return std::nullopt;
  return typed;
}

}  // namespace ui
