#include "update/dialog_controls.h"

#include "ui/check_buttons.h"
#include "ui/number_edit.h"

namespace update {

ui::TQVCheckBox* NewCheckBox(const QString& caption, QWidget* parent, const char* name) {
  auto* box = new ui::TQVCheckBox(parent);
  box->setText(caption);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

ui::TQVCurrEdit* NewWholeNumberEdit(QWidget* parent, const char* name, int maxValue) {
  auto* edit = new ui::TQVCurrEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->SetDecimals(0);
  edit->SetThousands(false);
  edit->SetRange(0, maxValue);
  const QString widest = QString(QString::number(maxValue).size() + 1, QChar('0'));
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(widest) + 16);
  return edit;
}

}  // namespace update
