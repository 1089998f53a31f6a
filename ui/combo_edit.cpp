#include "ui/combo_edit.h"

#include <QFileDialog>
#include <QKeyEvent>

#include "ui/glyph_store.h"
#include "ui/number_edit.h"

namespace ui {

TCustomComboEdit::TCustomComboEdit(QWidget* parent)
    : TNavigationKeys<QLineEdit>(parent),
      fButton(addAction(StoredGlyph(QStringLiteral("FBBROWSE")), QLineEdit::TrailingPosition)) {
  connect(fButton, &QAction::triggered, this, &TCustomComboEdit::ButtonClick);
}

void TCustomComboEdit::SetRequired(TRequired value) {
  fRequired = value;
  PaintRequired(this, value);
}

TCustomNumEdit::TCustomNumEdit(QWidget* parent) : TCustomComboEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  fField.Display();
}

void TCustomNumEdit::keyPressEvent(QKeyEvent* event) {
  if (fField.HandleKey(event)) return;
  TCustomComboEdit::keyPressEvent(event);
}

void TCustomNumEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (LeavesField(event->reason())) fField.Leave();
}

TCurrEdit::TCurrEdit(QWidget* parent) : TCustomNumEdit(parent) { SetButtonVisible(false); }

TQVBrowseEdit::TQVBrowseEdit(QWidget* parent) : TCustomComboEdit(parent) {
  connect(this, &TCustomComboEdit::ButtonClick, this, &TQVBrowseEdit::Browse);
}

void TQVBrowseEdit::Browse() {
  const QString folder = QFileDialog::getExistingDirectory(this, fDialogTitle, text());
  if (!folder.isEmpty()) setText(QDir::toNativeSeparators(folder));
}

}  // namespace ui
