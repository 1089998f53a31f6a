#pragma once
// TQVCurrEdit: a right-aligned number edit with fixed decimals, thousands
// separators and a unit shown inside the field at its right end.
#include <QLineEdit>

#include "ui/key_navigation.h"
#include "ui/number_field.h"
#include "ui/required.h"

namespace ui {

class TQVCurrEdit : public TNavigationKeys<QLineEdit> {
  Q_OBJECT
 public:
  explicit TQVCurrEdit(QWidget* parent = nullptr);

  double Value() const { return fField.Value(); }
  void SetValue(double value) { fField.SetValue(value); }
  int Decimals() const { return fField.Decimals(); }
  void SetDecimals(int value) { fField.SetDecimals(value); }
  bool Thousands() const { return fField.Thousands(); }
  void SetThousands(bool value) { fField.SetThousands(value); }
  double MinValue() const { return fField.MinValue(); }
  double MaxValue() const { return fField.MaxValue(); }
  void SetRange(double minValue, double maxValue) { fField.SetRange(minValue, maxValue); }
  QString Einheit() const { return fEinheit; }
  void SetEinheit(const QString& value);
  TRequired Required() const { return fRequired; }
  void SetRequired(TRequired value);

  int AsInteger() const;
  qint64 AsCurrency() const { return fField.AsCurrency(); }

  QSize sizeHint() const override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TNumberField fField{*this};
  QString fEinheit;
  TRequired fRequired = rqNo;
};

// Whether losing the focus for this reason means the user left the field
// (not that the window lost the focus or a menu opened).
bool LeavesField(Qt::FocusReason reason);

}  // namespace ui
