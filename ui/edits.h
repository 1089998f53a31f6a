#pragma once
// The single-line edit and the label of the windows.
#include <QLabel>
#include <QLineEdit>

#include "ui/key_navigation.h"
#include "ui/required.h"

namespace ui {

class TQVEdit : public TRequiredMark<TNavigationKeys<QLineEdit>> {
  Q_OBJECT
 public:
  explicit TQVEdit(QWidget* parent = nullptr);

  // 0 when the field has no limit.
  int MaxLength() const;
  void SetMaxLength(int value);
  // The trimmed text, padded with blanks to MaxLength (on the left in a
  // right-aligned field); writing trims and cuts to MaxLength.
  QString AsString() const;
  void SetAsString(const QString& value);
  // The text cut to MaxLength.
  QString AsText() const;
  // A right-aligned field selects its whole text when it is entered.
  bool AutoSelect() const { return fAutoSelect; }
  void SetAutoSelect(bool value) { fAutoSelect = value; }

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool IsRightAligned() const;
  bool fAutoSelect = true;
};

// A double click gives the label's buddy the focus.
class TQVLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Enables or disables a label together with its buddy, whose background shows
// the state (normal or button colour).
void SetLabelEnabled(QLabel* label, bool enabled);

}  // namespace ui
