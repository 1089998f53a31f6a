#pragma once
// The number handling the two number edits share: the value behind a line
// edit, its display, the typing rule and the rule applied when the field is left.
#include <QLineEdit>

namespace ui {

class TNumberField {
 public:
  explicit TNumberField(QLineEdit& edit) : fEdit(edit) {}

  // The number the text shows (the exact value while the text is untouched),
  // or the last accepted value while the text is no number.
  double Value() const;
  // Shows the value; a value that cannot be shown is reported and not taken.
  void SetValue(double value);
  int Decimals() const { return fDecimals; }
  void SetDecimals(int value);
  bool Thousands() const { return fThousands; }
  void SetThousands(bool value);
  double MinValue() const { return fMinValue; }
  double MaxValue() const { return fMaxValue; }
  // 0 for both: no limits.
  void SetRange(double minValue, double maxValue);
  // An empty text for 0.
  bool ZeroEmpty() const { return fZeroEmpty; }
  void SetZeroEmpty(bool value);
  // Whether leaving the field limits the value to the range.
  bool ClampOnLeave() const { return fClampOnLeave; }
  void SetClampOnLeave(bool value) { fClampOnLeave = value; }

  // The value in fixed point with four decimals, as the suite keeps money.
  qint64 AsCurrency() const;

  // The typing rule; answers whether the key was dealt with.
  bool HandleKey(QKeyEvent* event);
  // The leave rule: reads, limits and shows the value. When the text is no
  // number the field keeps its text selected and the focus, and says why.
  void Leave();
  void Display();

 private:
  QString DisplayText() const;
  QLineEdit& fEdit;
  double fValue = 0;
  int fDecimals = 2;
  bool fThousands = true;
  double fMinValue = 0;
  double fMaxValue = 0;
  bool fZeroEmpty = false;
  bool fClampOnLeave = true;
};

}  // namespace ui
