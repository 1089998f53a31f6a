#include "ui/messages.h"

#include <QWidget>

#include "ui/abort.h"

namespace ui {

TModalResult ShowMessageDialog(const QString& msg, TMsgDlgBtn defaultButton, TMsgDlgType dlgType,
                               TMsgDlgButtons buttons, int helpCtx) {
  TMessageRequest request;
  request.text = msg;
  request.type = dlgType;
  request.buttons = buttons;
  request.defaultButton = defaultButton;
  request.helpContext = helpCtx;
  return Messages().Ask(request);
}

TModalResult AskYesNoCancel(const QString& msg, TMsgDlgBtn defaultButton, int helpCtx, TMsgDlgType dlgType) {
  return ShowMessageDialog(msg, defaultButton, dlgType, {mbYes, mbNo, mbCancel}, helpCtx);
}

namespace {

void ShowWithOk(const QString& msg, const QString& title, TMsgDlgType type) {
  TMessageRequest request;
  request.text = msg;
  request.title = title;
  request.type = type;
  Messages().Ask(request);
}

}  // namespace

void ShowInfoMessage(const QString& msg, const QString& title, bool beep) {
  if (beep) Messages().PlaySound(TSound::Exclamation);
  ShowWithOk(msg, title, mtInformation);
}

void ShowErrorMessage(const QString& msg, const QString& title, bool beep, bool abortAfter) {
  if (beep) Messages().PlaySound(TSound::Error);
  ShowWithOk(msg, title, mtError);
  if (abortAfter) Abort();
}

void ShowError(const QString& msg, bool abortAfter) { ShowErrorMessage(msg, {}, true, abortAfter); }

void ShowValidationMessage(QWidget* control, const QString& msg, int kind, bool quiet) {
  TModalResult answer = mrNone;
  if (!quiet && kind != 1) {
    QString text = msg;
    if (text.endsWith(QStringLiteral("\r\n"))) text.chop(2);
    answer = kind == 2 ? ShowMessageDialog(text, mbCancel, mtConfirmation, {mbCancel, mbIgnore})
                       : ShowMessageDialog(text, mbCancel, mtInformation, {mbCancel});
  }
  if (answer == mrIgnore) return;
  if (control && control->isVisible() && control->isEnabled() && control->focusPolicy() != Qt::NoFocus)
    control->setFocus(Qt::OtherFocusReason);
  Abort();
}

}  // namespace ui
