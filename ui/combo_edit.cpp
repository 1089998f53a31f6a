#include "ui/combo_edit.h"

#include <QFileDialog>

#include "ui/glyph_store.h"

namespace ui {

TCustomComboEdit::TCustomComboEdit(QWidget* parent)
    : TRequiredMark<TNavigationKeys<QLineEdit> >(parent),
      fButton(addAction(StoredGlyph(QStringLiteral("FBBROWSE")), QLineEdit::TrailingPosition)) {
  connect(fButton, &QAction::triggered, this, &TCustomComboEdit::ButtonClick);
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
