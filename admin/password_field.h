#pragma once
// Helpers for the password fields of the sign-in dialogs: the "*" mask, the
// eye image that shows the text while it is held, and the edits' context menu.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace admin {

// Masks the edit's text with "*" whatever the style's own mask character is.
void MaskWithStars(QLineEdit* edit);

// An image that shows the edit's text unmasked while a mouse button is held on
// it; the caret and the selection stay as they were.
class TRevealImage : public QLabel {
  Q_OBJECT
 public:
  TRevealImage(QLineEdit* edit, QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetEchoKeepingCaret(QLineEdit::EchoMode mode);
  QLineEdit* fEdit;
};

// "Kopieren", "Einfügen" and "Decrypt" for the focused edit of the window.
QMenu* CreateEditMenu(QWidget* window);

// The text after the scrambling of the rights file, applied to its stored bytes.
QString ScrambledText(const QString& text);

}  // namespace admin
