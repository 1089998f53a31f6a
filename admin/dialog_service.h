#pragma once
// The modal dialogs the main window opens, behind one seam: the program uses
// the real dialogs, tests script their answers.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "rights/rechte_datei.h"

class QTreeWidget;

namespace admin {

// What passes between the caller, the sign-in dialog and the logon check.
struct TLogonData {
  QString Name;
  QString Passwort;
  bool ELPass = false;    // the one-time service sign-in was used and accepted
  bool ReadOnly = false;  // cleared by the dialog; not read by this program
  int ModalResult = 0;    // 1 OK, 2 cancelled
};

// Tests name and password; sets success, or brk to end the dialog as cancelled.
using TLogonProc = std::function<void(const TLogonData& data, bool& success, bool& brk)>;

class DialogService {
 public:
  virtual ~DialogService() = default;

  // The sign-in at start-up: up to three attempts through the logon check.
  virtual void ShowLogonDlg(bool adminMode, bool oneTimeMenu, TLogonData& data, const TLogonProc& logonProc) = 0;
  // A new password without any check; the caller reads data.Passwort.
  virtual void AskNewPassword(TLogonData& data) = 0;
  // The administrator password of a new rights file; empty when cancelled.
  virtual QString AskAdmPW() = 0;
  // The users (user true) or groups the administrator ticked, not offering
  // the rows of link nor the user toUser (0: none); empty when cancelled.
  virtual std::vector<std::unique_ptr<rights::TFIRClass>> SelectUsGr(bool user, const rights::TRechteDatei& rd,
                                                                     const QTreeWidget* link,
                                                                     std::int32_t toUser) = 0;
  // Edits the domain trust settings of the file; true when confirmed and stored.
  virtual bool EditDomain(rights::TRechteDatei& rechteDatei) = 0;
};

// The service in use; the real dialogs unless a test replaced it.
DialogService& Dialogs();
// Replaces the service (null: back to the real dialogs); returns the previous one.
std::unique_ptr<DialogService> SetDialogService(std::unique_ptr<DialogService> service);

}  // namespace admin
