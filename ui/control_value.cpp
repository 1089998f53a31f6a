#include "ui/control_value.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include "ui/check_list_box.h"
#include "ui/combo_edit.h"
#include "ui/control_kinds.h"
#include "ui/list_encoding.h"
#include "ui/list_view.h"
#include "ui/number_edit.h"

namespace ui {

namespace {

template <class Control>
Control* As(QWidget* control) {
  return qobject_cast<Control*>(control);
}

}  // namespace

std::optional<QVariant> ReadControlValue(const QWidget* constControl, bool listViewsByValue) {
  auto* control = const_cast<QWidget*>(constControl);
  if (auto* edit = As<TCurrEdit>(control)) return QVariant(edit->Value());
  if (IsCheckToolButton(control)) return QVariant(As<QToolButton>(control)->isChecked());
  if (auto* list = As<TQVCheckListBox>(control)) return QVariant(EncodeCheckList(*list));
  if (auto* list = As<QListWidget>(control)) return QVariant(EncodeList(*list));
  if (auto* edit = As<QTextEdit>(control)) return QVariant(edit->toHtml());
  if (auto* edit = As<TQVCurrEdit>(control)) return QVariant(edit->Value());
  if (auto* edit = As<QLineEdit>(control)) return QVariant(edit->text());
  if (auto* edit = As<QPlainTextEdit>(control)) return QVariant(edit->toPlainText());
  if (auto* radio = As<QRadioButton>(control)) return QVariant(radio->isChecked());
  if (auto* check = As<QCheckBox>(control)) return QVariant(check->isChecked());
  if (auto* combo = As<QComboBox>(control))
    return combo->isEditable() ? QVariant(combo->currentText()) : QVariant(combo->currentIndex());
  if (auto* list = As<TQVListView>(control); list && listViewsByValue) return QVariant(EncodeListView(*list));
  return std::nullopt;
}

void WriteControlValue(QWidget* control, const QVariant& value, bool listViewsByValue) {
  if (auto* edit = As<TCurrEdit>(control)) {
    edit->SetValue(value.toDouble());
  } else if (IsCheckToolButton(control)) {
    As<QToolButton>(control)->setChecked(value.toBool());
  } else if (auto* checkList = As<TQVCheckListBox>(control)) {
    DecodeCheckList(*checkList, value.toString());
  } else if (auto* list = As<QListWidget>(control)) {
    DecodeList(*list, value.toString());
  } else if (auto* richEdit = As<QTextEdit>(control)) {
    richEdit->setHtml(value.toString());
  } else if (auto* numberEdit = As<TQVCurrEdit>(control)) {
    numberEdit->SetValue(value.toDouble());
  } else if (auto* lineEdit = As<QLineEdit>(control)) {
    lineEdit->setText(value.toString());
  } else if (auto* plainEdit = As<QPlainTextEdit>(control)) {
    plainEdit->setPlainText(value.toString());
  } else if (auto* radio = As<QRadioButton>(control)) {
    radio->setChecked(value.toBool());
  } else if (auto* check = As<QCheckBox>(control)) {
    check->setChecked(value.toBool());
  } else if (auto* combo = As<QComboBox>(control)) {
    if (combo->isEditable())
      combo->setEditText(value.toString());
    else
      combo->setCurrentIndex(value.toInt());
  } else if (auto* listView = As<TQVListView>(control); listView && listViewsByValue) {
    DecodeListView(*listView, value.toString());
  }
}

}  // namespace ui
