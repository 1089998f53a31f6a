#include "ui/check_list_box.h"

namespace ui {

QListWidgetItem* TQVCheckListBox::AddItem(const QString& text, bool checked) {
  auto* item = new QListWidgetItem(text, this);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  return item;
}

}  // namespace ui
