#pragma once
// Number text of the number edits in the locale's format (German: 1.234,50).
#include <QLocale>
#include <QString>

#include <optional>

namespace ui {

QString FormatNumber(double value, int decimals, bool thousands, const QLocale& locale);

// Reads a number edit's text as it is left: trimmed, group separators removed,
// points and commas taken as the decimal separator; an empty text counts as 0
// and a lone "-" as -0. None when the rest is no number.
std::optional<double> ReadNumberText(const QString& text, const QLocale& locale);

// Limits a value to [minValue, maxValue] when either bound is not 0.
double ClampNumber(double value, double minValue, double maxValue);

// What a character typed into a number edit inserts, given the edit's text
// with the selection [selectionStart, selectionStart + selectionLength) that
// the character replaces: a point or comma becomes the decimal separator;
// digits and "-" stay; anything else, and a digit that would give more than
// `decimals` digits after the separator, is refused.
std::optional<QChar> TypedNumberChar(QChar typed, const QString& text, int selectionStart, int selectionLength,
                                     int decimals, const QLocale& locale);

}  // namespace ui
