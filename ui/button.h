#pragma once
// TQVButton: a push button whose kind sets caption, glyph, dialog result and
// the default or cancel role; TQVSpeedButton: a flat tool button with a glyph.
#include <QPushButton>
#include <QToolButton>

#include "ui/button_kind.h"

namespace ui {

class TQVButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TQVButton(QWidget* parent = nullptr);
  // The caption is taken where the kind has none of its own.
  TQVButton(TBitBtnKind kind, const QString& caption, QWidget* parent = nullptr);

  TBitBtnKind Kind() const { return fKind; }
  void SetKind(TBitBtnKind kind);
  // Shows the glyph of another kind and changes nothing else.
  void SetKindGlyph(TBitBtnKind kind);
  void SetGlyph(const QIcon& glyph) { setIcon(glyph); }
  // A modal window closes with this result when the button is clicked.
  TModalResult ModalResult() const { return fModalResult; }
  void SetModalResult(TModalResult value) { fModalResult = value; }
  // Esc in the window clicks the cancel button.
  bool IsCancel() const { return fCancel; }
  void SetCancel(bool value) { fCancel = value; }
  // The button never takes the focus.
  bool NoFocus() const { return focusPolicy() == Qt::NoFocus; }
  void SetNoFocus(bool value) { setFocusPolicy(value ? Qt::NoFocus : Qt::StrongFocus); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Clicked();
  TBitBtnKind fKind = bkCustom;
  TModalResult fModalResult = mrNone;
  bool fCancel = false;
};

class TQVSpeedButton : public QToolButton {
  Q_OBJECT
 public:
  explicit TQVSpeedButton(QWidget* parent = nullptr);
  void SetKindGlyph(TBitBtnKind kind);
  void SetGlyph(const QIcon& glyph) { setIcon(glyph); }
};

}  // namespace ui
