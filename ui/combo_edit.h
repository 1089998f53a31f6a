#pragma once
// Single-line edits with a button at their right end: the base
// TCustomComboEdit, the number edit TCurrEdit and the folder edit TQVBrowseEdit.
#include <QAction>
#include <QLineEdit>

#include "ui/key_navigation.h"
#include "ui/number_field.h"
#include "ui/required.h"

namespace ui {

class TCustomComboEdit : public TNavigationKeys<QLineEdit> {
  Q_OBJECT
 public:
  explicit TCustomComboEdit(QWidget* parent = nullptr);

  bool ButtonVisible() const { return fButton->isVisible(); }
  void SetButtonVisible(bool value) { fButton->setVisible(value); }
  void SetButtonGlyph(const QIcon& glyph) { fButton->setIcon(glyph); }
  TRequired Required() const { return fRequired; }
  void SetRequired(TRequired value);

 signals:
  void ButtonClick();

 protected:
  QAction* Button() const { return fButton; }

 private:
  QAction* fButton;
  TRequired fRequired = rqNo;
};

class TCustomNumEdit : public TCustomComboEdit {
  Q_OBJECT
 public:
  explicit TCustomNumEdit(QWidget* parent = nullptr);

  double Value() const { return fField.Value(); }
  void SetValue(double value) { fField.SetValue(value); }
  int DecimalPlaces() const { return fField.Decimals(); }
  void SetDecimalPlaces(int value) { fField.SetDecimals(value); }
  double MinValue() const { return fField.MinValue(); }
  double MaxValue() const { return fField.MaxValue(); }
  void SetRange(double minValue, double maxValue) { fField.SetRange(minValue, maxValue); }
  // Whether leaving the field limits the value to the range.
  bool CheckOnExit() const { return fField.ClampOnLeave(); }
  void SetCheckOnExit(bool value) { fField.SetClampOnLeave(value); }
  bool ZeroEmpty() const { return fField.ZeroEmpty(); }
  void SetZeroEmpty(bool value) { fField.SetZeroEmpty(value); }
  qint64 AsCurrency() const { return fField.AsCurrency(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  TNumberField fField{*this};
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
