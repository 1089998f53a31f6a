#include "admin/password_field.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainterPath>
#include <QProxyStyle>

#include "admin/painted_image.h"
#include "rights/codepage.h"
#include "rights/scramble.h"

namespace admin {

namespace {

class TStarMaskStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QPixmap EyeImage() {
  return PaintedImage(16, [](QPainter& painter) {
    painter.setPen(QPen(QColor(40, 40, 40), 1.3));
    QPainterPath lid;
    lid.moveTo(1, 8);
    lid.quadTo(8, 1, 15, 8);
    lid.quadTo(8, 15, 1, 8);
    painter.setBrush(Qt::white);
    painter.drawPath(lid);
    painter.setBrush(QColor(30, 80, 160));
    painter.drawEllipse(QPointF(8, 8), 2.8, 2.8);
  });
}

QLineEdit* FocusedEdit() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

}  // namespace

void MaskWithStars(QLineEdit* edit) {
  auto* style = new TStarMaskStyle;
  style->setParent(edit);
  edit->setStyle(style);
  edit->setEchoMode(QLineEdit::Password);
}

TRevealImage::TRevealImage(QLineEdit* edit, QWidget* parent) : QLabel(parent), fEdit(edit) {
  setPixmap(EyeImage());
  setToolTip(QStringLiteral("Gedrückt halten, um das Passwort zu sehen"));
}

void TRevealImage::SetEchoKeepingCaret(QLineEdit::EchoMode mode) {
  const int cursor = fEdit->cursorPosition();
  const int selStart = fEdit->selectionStart();
  const int selLength = fEdit->selectionLength();
  fEdit->setEchoMode(mode);
  if (selStart >= 0) {
    // setSelection leaves the caret at its end; a backward selection is given negative.
    if (cursor == selStart)
      fEdit->setSelection(selStart + selLength, -selLength);
    else
      fEdit->setSelection(selStart, selLength);
  } else {
    fEdit->setCursorPosition(cursor);
  }
}

void TRevealImage::mousePressEvent(QMouseEvent* event) {
  SetEchoKeepingCaret(QLineEdit::Normal);
  event->accept();
}

void TRevealImage::mouseReleaseEvent(QMouseEvent* event) {
  SetEchoKeepingCaret(QLineEdit::Password);
  event->accept();
}

QString ScrambledText(const QString& text) {
  std::string bytes = rights::Utf8ToCp1252(text.toStdString());
  rights::ScrambleText(bytes);
  return QString::fromStdString(rights::Cp1252ToUtf8(bytes));
}

QMenu* CreateEditMenu(QWidget* window) {
  auto* menu = new QMenu(window);
  menu->addAction(QStringLiteral("Kopieren"), [] {
    if (QLineEdit* edit = FocusedEdit()) QApplication::clipboard()->setText(edit->text());
  });
  menu->addAction(QStringLiteral("Einfügen"), [] {
    if (QLineEdit* edit = FocusedEdit()) edit->setText(QApplication::clipboard()->text());
  });
  menu->addAction(QStringLiteral("Decrypt"), [] {
    if (QLineEdit* edit = FocusedEdit()) edit->setText(ScrambledText(edit->text()));
  });
  return menu;
}

}  // namespace admin
