#include "ui/qt_message_service.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace ui {

QString DialogCaption(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QStringLiteral("Warnung");
    case mtError: return QStringLiteral("Fehler");
    case mtInformation: return QStringLiteral("Informationen");
    case mtConfirmation: return QStringLiteral("Bestätigen");
    case mtCustom: break;
  }
  return QApplication::applicationDisplayName();
}

QString ButtonCaption(TMsgDlgBtn button) {
  switch (button) {
    case mbYes: return QStringLiteral("&Ja");
    case mbNo: return QStringLiteral("&Nein");
    case mbOK: return QStringLiteral("OK");
    case mbCancel: return QStringLiteral("Abbrechen");
    case mbAbort: return QStringLiteral("&Abbrechen");
    case mbRetry: return QStringLiteral("&Wiederholen");
    case mbIgnore: return QStringLiteral("&Ignorieren");
    case mbAll: return QStringLiteral("&Alle");
    case mbNoToAll: return QStringLiteral("&Alle Nein");
    case mbYesToAll: return QStringLiteral("A&lle Ja");
    case mbHelp: return QStringLiteral("&Hilfe");
    case mbClose: return QStringLiteral("S&chließen");
  }
  return {};
}

namespace {

QMessageBox::Icon IconOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    case mtCustom: break;
  }
  return QMessageBox::NoIcon;
}

// The program writes "\r" and "\r\n" for line breaks.
QString DisplayText(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  return text;
}

// Esc answers as Cancel would, else as No; a box with one button closes with it.
TMsgDlgBtn EscapeButton(const TMessageRequest& request) {
  for (const TMsgDlgBtn candidate : {mbCancel, mbAbort, mbNo, mbClose})
    if (request.buttons.Contains(candidate)) return candidate;
  const auto buttons = request.buttons.InOrder();
  return buttons.size() == 1 ? buttons.front() : request.defaultButton;
}

}  // namespace

TModalResult QtMessageService::Ask(const TMessageRequest& request) {
  QMessageBox box(IconOf(request.type),
                  request.title.isEmpty() ? DialogCaption(request.type) : request.title,
                  DisplayText(request.text), QMessageBox::NoButton, QApplication::activeWindow());
  // Action roles keep the buttons in the order asked for on every desktop.
  std::map<QAbstractButton*, TMsgDlgBtn> results;
  for (const TMsgDlgBtn button : request.buttons.InOrder()) {
    QPushButton* pushButton = box.addButton(ButtonCaption(button), QMessageBox::ActionRole);
    results[pushButton] = button;
    if (button == request.defaultButton) box.setDefaultButton(pushButton);
    if (button == EscapeButton(request)) box.setEscapeButton(pushButton);
  }
  box.exec();
  const auto clicked = results.find(box.clickedButton());
  return clicked == results.end() ? ModalResultOf(EscapeButton(request)) : ModalResultOf(clicked->second);
}

void QtMessageService::PlaySound(TSound) { QApplication::beep(); }

}  // namespace ui
