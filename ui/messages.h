#pragma once
// The message routines through which every window reports failures and asks
// questions. All of them go through the installed MessageService.
#include <QString>

#include "ui/message_service.h"

class QWidget;

namespace ui {

// The general routine: a message box of the type with the given buttons.
TModalResult ShowMessageDialog(const QString& msg, TMsgDlgBtn defaultButton, TMsgDlgType dlgType,
                               TMsgDlgButtons buttons, int helpCtx = 0);
// Yes, No and Cancel.
TModalResult AskYesNoCancel(const QString& msg, TMsgDlgBtn defaultButton = mbYes, int helpCtx = 0,
                            TMsgDlgType dlgType = mtConfirmation);
// An information with one OK button, after the exclamation sound when beep is set.
void ShowInfoMessage(const QString& msg, const QString& title = {}, bool beep = true);
// An error with one OK button, after the error sound when beep is set; with
// abortAfter the current operation then ends silently (EAbort).
void ShowErrorMessage(const QString& msg, const QString& title = {}, bool beep = true, bool abortAfter = false);
// ShowErrorMessage without title, with the sound.
void ShowError(const QString& msg, bool abortAfter = false);
// Tells why an input is refused. Kind 2 lets the user ignore it (Cancel and
// Ignore); kind 1 and quiet show nothing. Unless the user chose Ignore, the
// control gets the focus and the current operation ends silently.
void ShowValidationMessage(QWidget* control, const QString& msg, int kind = 0, bool quiet = false);

}  // namespace ui
