#pragma once
// TQVCurrEdit: a right-aligned number edit with fixed decimals, thousands
// separators and a unit shown inside the field at its right end.
#include <QLineEdit>

#include "ui/key_navigation.h"
#include "ui/number_editing.h"
#include "ui/required.h"

namespace ui {

class TQVCurrEdit : public TNumberEditing<TRequiredMark<TNavigationKeys<QLineEdit> > > {
  Q_OBJECT
 public:
  explicit TQVCurrEdit(QWidget* parent = nullptr);

  int Decimals() const { return Field().Decimals(); }
  void SetDecimals(int value) { Field().SetDecimals(value); }
  bool Thousands() const { return Field().Thousands(); }
  void SetThousands(bool value) { Field().SetThousands(value); }
  QString Einheit() const { return fEinheit; }
  void SetEinheit(const QString& value);
  int AsInteger() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString fEinheit;
};

}  // namespace ui
