#pragma once
// How the change tracking reads a control's value and writes it back. The
// first matching kind decides: TCurrEdit (number), checkable tool button
// (down), TQVCheckListBox (text), other list widget (text), QTextEdit (its
// rich text as HTML), TQVCurrEdit (number), other single- or multi-line edit
// (text), radio button and check box (checked), combo box (index without an
// edit, else text), TQVListView when list views count by value (text).
// Browse edits are line edits and count as text.
// Anything else has no value the tracking can read.
#include <QVariant>

#include <optional>

class QWidget;

namespace ui {

// None for a control of no kind above (the host answers for it).
std::optional<QVariant> ReadControlValue(const QWidget* control, bool listViewsByValue);
// Does nothing for a control of no kind above.
void WriteControlValue(QWidget* control, const QVariant& value, bool listViewsByValue);

}  // namespace ui
