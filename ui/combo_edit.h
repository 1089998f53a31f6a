#pragma once
// Single-line edits with a button at their right end: the base
// TCustomComboEdit, the number edit TCurrEdit and the folder edit TQVBrowseEdit.
#include <QAction>
#include <QLineEdit>

#include "ui/key_navigation.h"
#include "ui/number_editing.h"
#include "ui/required.h"

namespace ui {

class TCustomComboEdit : public TRequiredMark<TNavigationKeys<QLineEdit> > {
  Q_OBJECT
 public:
  explicit TCustomComboEdit(QWidget* parent = nullptr);

  bool ButtonVisible() const { return fButton->isVisible(); }
  void SetButtonVisible(bool value) { fButton->setVisible(value); }
  void SetButtonGlyph(const QIcon& glyph) { fButton->setIcon(glyph); }

 signals:
  void ButtonClick();

 private:
  QAction* fButton;
};

class TCustomNumEdit : public TNumberEditing<TCustomComboEdit> {
  Q_OBJECT
 public:
  explicit TCustomNumEdit(QWidget* parent = nullptr) : TNumberEditing(parent) {}

  int DecimalPlaces() const { return Field().Decimals(); }
  void SetDecimalPlaces(int value) { Field().SetDecimals(value); }
  // Whether leaving the field limits the value to the range.
  bool CheckOnExit() const { return Field().ClampOnLeave(); }
  void SetCheckOnExit(bool value) { Field().SetClampOnLeave(value); }
  bool ZeroEmpty() const { return Field().ZeroEmpty(); }
  void SetZeroEmpty(bool value) { Field().SetZeroEmpty(value); }
};

// The number edit of the combo-edit family. Its button would open a
// calculator, which the suite does not install: it stays hidden.
class TCurrEdit : public TCustomNumEdit {
  Q_OBJECT
 public:
  explicit TCurrEdit(QWidget* parent = nullptr);
};

// A folder edit: its button lets the user pick a folder in Qt's folder dialog.
class TQVBrowseEdit : public TCustomComboEdit {
  Q_OBJECT
 public:
  explicit TQVBrowseEdit(QWidget* parent = nullptr);
  QString DialogTitle() const { return fDialogTitle; }
  void SetDialogTitle(const QString& value) { fDialogTitle = value; }

 private:
  void Browse();
  QString fDialogTitle;
};

}  // namespace ui
