#pragma once
// TQVLoginDlg: the sign-in dialog. It knows nothing of the rights file: the
// caller's logon check tests name and password, the dialog counts the tries.
// The one-time service sign-in admits an administrator once, for the name on
// the screen, with a code only the holder of the service key can compute.
#include <QByteArray>
#include <optional>

#include "admin/dialog_service.h"
#include "ui/qv_form.h"

class QAction;
class QLabel;
class QLayout;
class QMenu;

namespace ui {
class TQVButton;
class TQVEdit;
}  // namespace ui

namespace admin {

class TQVLoginDlg : public ui::TQVForm {
  Q_OBJECT
 public:
  // serviceKey: the key of the one-time sign-in; without one it is disabled.
  explicit TQVLoginDlg(std::optional<QByteArray> serviceKey, QWidget* parent = nullptr);

  // Without a check OK closes at once; with one only an accepted try does.
  void SetLogonProc(TLogonProc logonProc) { fLogonProc = std::move(logonProc); }
  void SetAdminMode(bool adminMode);
  // Offers "Einmal-Login" in the dialog's context menu.
  void SetOneTimeMenu(bool offered);
  // Switches to the one-time service sign-in.
  void StartOneTimeLogin();

  // One try, as OK and Enter in the password field run it.
  void DoLogin();

  qint64 DT() const { return fDT; }
  int Trys() const { return fTrys; }
  QString NameText() const;
  QString PasswordText() const;
  ui::TQVEdit* NameEdit() const { return edName; }
  ui::TQVEdit* PasswordEdit() const { return edPasswd; }
  QAction* OneTimeAction() const { return acEinmalLogin; }
  QMenu* MainMenu() const { return pmMain; }
  QLabel* CapsLockLabel() const { return lFST; }

 protected:
  void ActionUpdate() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildTopStrip();
  QLayout* BuildFields();
  QLayout* BuildButtons();
  void BuildMenus();
  bool CheckServiceCode(const QString& code) const;

  QLabel* lbMsg = nullptr;
  QLabel* lbName = nullptr;
  QLabel* lbPW = nullptr;
  ui::TQVEdit* edName = nullptr;
  ui::TQVEdit* edPasswd = nullptr;
  QLabel* lFST = nullptr;
  QLabel* iFST = nullptr;
  ui::TQVButton* bbLogin = nullptr;
  ui::TQVButton* btCA = nullptr;
  QMenu* pmMain = nullptr;
  QAction* acEinmalLogin = nullptr;

  std::optional<QByteArray> fServiceKey;
  qint64 fDT = 0;
  int fTrys = 0;
  TLogonProc fLogonProc;
};

// The sign-in at start-up; the service key is read from the program folder.
void ShowLogonDlg(bool adminMode, bool oneTimeMenu, TLogonData& data, const TLogonProc& logonProc);
// The same with the given service key.
void ShowLogonDlg(bool adminMode, bool oneTimeMenu, TLogonData& data, const TLogonProc& logonProc,
                  std::optional<QByteArray> serviceKey);
// A new password without any check.
void AskNewPassword(TLogonData& data);

}  // namespace admin
