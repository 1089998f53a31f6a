#pragma once
// A list box whose entries carry check marks.
#include <QListWidget>

namespace ui {

class TQVCheckListBox : public QListWidget {
  Q_OBJECT
 public:
  using QListWidget::QListWidget;
  QListWidgetItem* AddItem(const QString& text, bool checked = false);
};

}  // namespace ui
