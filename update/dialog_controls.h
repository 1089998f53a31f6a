#pragma once
// Controls both update dialogs build the same way.
#include <QString>

class QWidget;

namespace ui {
class TQVCheckBox;
class TQVCurrEdit;
}  // namespace ui

namespace update {

ui::TQVCheckBox* NewCheckBox(const QString& caption, QWidget* parent, const char* name);
// A whole-number edit from 0 to maxValue, wide enough for its digits.
ui::TQVCurrEdit* NewWholeNumberEdit(QWidget* parent, const char* name, int maxValue);

}  // namespace update
