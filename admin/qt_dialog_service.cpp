// Stand-ins until the program's own dialogs exist: plain input dialogs.
#include "qt_dialog_service.h"

#include <QInputDialog>
#include <QLineEdit>

namespace admin {

void QtDialogService::ShowLogonDlg(bool adminMode, bool, TLogonData& data, const TLogonProc& logonProc) {
  data.Passwort.clear();
  data.ELPass = false;
  data.ReadOnly = false;
  if (adminMode) data.Name = QStringLiteral("Admin");
  for (int attempt = 0; attempt < 3; ++attempt) {
    bool ok = false;
    const QString password = QInputDialog::getText(nullptr, QStringLiteral("Anmeldung"), QStringLiteral("Passwort:"),
                                                   QLineEdit::Password, QString(), &ok);
    if (!ok) break;
    TLogonData attemptData{data.Name, password};
    bool success = false;
    bool brk = false;
    if (logonProc) logonProc(attemptData, success, brk);
    if (success || !logonProc) {
      data.Passwort = password;
      data.ModalResult = 1;
      return;
    }
    if (brk) break;
  }
  data.ModalResult = 2;
}

void QtDialogService::AskNewPassword(TLogonData& data) {
  data = TLogonData{};
  bool ok = false;
  data.Passwort = QInputDialog::getText(nullptr, QStringLiteral("Anmeldung"), QStringLiteral("Passwort:"),
                                        QLineEdit::Password, QString(), &ok);
  data.ModalResult = ok ? 1 : 2;
  if (!ok) data.Passwort.clear();
}

QString QtDialogService::AskAdmPW() {
  bool ok = false;
  const QString password = QInputDialog::getText(nullptr, QStringLiteral("Administrator"), QStringLiteral("Passwort:"),
                                                 QLineEdit::Password, QString(), &ok);
  return ok ? password : QString();
}

std::vector<std::unique_ptr<rights::TFIRClass>> QtDialogService::SelectUsGr(bool, const rights::TRechteDatei&,
                                                                           const QTreeWidget*, std::int32_t) {
  return {};
}

bool QtDialogService::EditDomain(rights::TRechteDatei&) { return false; }

}  // namespace admin
