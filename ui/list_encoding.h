#pragma once
// The text form in which the change tracking remembers a list: one line per
// entry, each ended by CR. Check-list line: "T" or "F", ";", text, ";".
// List-box line: text, ";". List-view line: "T" or "F", ";", caption, ";",
// then each sub-item followed by ";". Reading accepts CR, LF and CR LF line
// ends and rebuilds the list from the text.
#include <QString>

class QListWidget;

namespace ui {

class TQVCheckListBox;
class TQVListView;

QString EncodeCheckList(const TQVCheckListBox& list);
void DecodeCheckList(TQVCheckListBox& list, const QString& text);
QString EncodeList(const QListWidget& list);
void DecodeList(QListWidget& list, const QString& text);
QString EncodeListView(const TQVListView& list);
void DecodeListView(TQVListView& list, const QString& text);

}  // namespace ui
