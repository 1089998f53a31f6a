// The program's own dialogs behind the dialog seam.
#include "qt_dialog_service.h"

#include "admin/adm_pw_dlg.h"
#include "admin/domain_dlg.h"
#include "admin/group_dlg.h"
#include "admin/login_dlg.h"

namespace admin {

void QtDialogService::ShowLogonDlg(bool adminMode, bool oneTimeMenu, TLogonData& data, const TLogonProc& logonProc) {
  admin::ShowLogonDlg(adminMode, oneTimeMenu, data, logonProc);
}

void QtDialogService::AskNewPassword(TLogonData& data) { admin::AskNewPassword(data); }

QString QtDialogService::AskAdmPW() { return admin::AskAdmPW(); }

std::vector<std::unique_ptr<rights::TFIRClass>> QtDialogService::SelectUsGr(bool user, const rights::TRechteDatei& rd,
                                                                           const QTreeWidget* link,
                                                                           std::int32_t toUser) {
  return admin::SelectUsGr(user, rd, link, toUser);
}

bool QtDialogService::EditDomain(rights::TRechteDatei& rechteDatei) { return admin::EditDomain(rechteDatei); }

}  // namespace admin
