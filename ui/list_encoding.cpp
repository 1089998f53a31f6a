#include "ui/list_encoding.h"

#include "ui/check_list_box.h"
#include "ui/list_view.h"

namespace ui {

namespace {

const QChar kEnd('\r');
const QChar kSeparator(';');

QString Mark(bool checked) { return checked ? QStringLiteral("T") : QStringLiteral("F"); }

bool IsCheckedMark(const QString& line) {
  return !line.isEmpty() && QStringLiteral("1JTYjty").contains(line.at(0));
}

// Lines as a text list splits them: a final line end adds no empty line.
QStringList SplitLines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(kEnd, QChar('\n'));
  QStringList lines = text.split(QChar('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QString BeforeSeparator(const QString& text) { return text.section(kSeparator, 0, 0); }

}  // namespace

QString EncodeCheckList(const TQVCheckListBox& list) {
  QString text;
  for (int i = 0; i < list.count(); ++i) {
    const QListWidgetItem* item = list.item(i);
    text += Mark(item->checkState() == Qt::Checked) + kSeparator + item->text() + kSeparator + kEnd;
  }
  return text;
}

void DecodeCheckList(TQVCheckListBox& list, const QString& text) {
  list.setUpdatesEnabled(false);
  list.clear();
  for (const QString& line : SplitLines(text)) list.AddItem(BeforeSeparator(line.mid(2)), IsCheckedMark(line));
  list.setUpdatesEnabled(true);
}

QString EncodeList(const QListWidget& list) {
  QString text;
  for (int i = 0; i < list.count(); ++i) text += list.item(i)->text() + kSeparator + kEnd;
  return text;
}

void DecodeList(QListWidget& list, const QString& text) {
  list.setUpdatesEnabled(false);
  list.clear();
  for (const QString& line : SplitLines(text)) list.addItem(BeforeSeparator(line));
  list.setUpdatesEnabled(true);
}

QString EncodeListView(const TQVListView& list) {
  QString text;
  for (int i = 0; i < list.topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list.topLevelItem(i);
    text += Mark(item->checkState(0) == Qt::Checked) + kSeparator + item->text(0) + kSeparator;
    for (int column = 1; column < item->columnCount(); ++column) text += item->text(column) + kSeparator;
    text += kEnd;
  }
  return text;
}

void DecodeListView(TQVListView& list, const QString& text) {
  list.BeginUpdate(true);
  for (const QString& line : SplitLines(text)) {
    QStringList fields = line.mid(2).split(kSeparator);
    const QString caption = fields.takeFirst();
    // The line's closing ";" leaves an empty piece that is no sub-item.
    if (!fields.isEmpty() && fields.last().isEmpty()) fields.removeLast();
    list.AddItem(caption, fields, IsCheckedMark(line));
  }
  list.EndUpdate();
}

}  // namespace ui
