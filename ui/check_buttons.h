#pragma once
// Check box and radio button of the windows, with the navigation keys.
#include <QCheckBox>
#include <QRadioButton>

#include "ui/key_navigation.h"

namespace ui {

class TQVCheckBox : public TNavigationKeys<QCheckBox> {
  Q_OBJECT
 public:
  using TNavigationKeys<QCheckBox>::TNavigationKeys;
  bool IsChecked() const { return isChecked(); }
};

class TQVRadioButton : public TNavigationKeys<QRadioButton> {
  Q_OBJECT
 public:
  explicit TQVRadioButton(const QString& text, QWidget* parent = nullptr);
  explicit TQVRadioButton(QWidget* parent = nullptr) : TQVRadioButton(QString(), parent) {}
  // The caption is bold while the button is checked.
  bool BoldIfChecked() const { return fBoldIfChecked; }
  void SetBoldIfChecked(bool value);

 private:
  void ShowCheckedState();
  bool fBoldIfChecked = false;
};

}  // namespace ui
