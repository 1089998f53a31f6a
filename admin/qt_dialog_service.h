#pragma once
// The real dialogs behind the dialog seam.
#include "admin/dialog_service.h"

namespace admin {

class QtDialogService : public DialogService {
 public:
  void ShowLogonDlg(bool adminMode, bool oneTimeMenu, TLogonData& data, const TLogonProc& logonProc) override;
  void AskNewPassword(TLogonData& data) override;
  QString AskAdmPW() override;
  std::vector<std::unique_ptr<rights::TFIRClass>> SelectUsGr(bool user, const rights::TRechteDatei& rd,
                                                             const QTreeWidget* link, std::int32_t toUser) override;
  bool EditDomain(rights::TRechteDatei& rechteDatei) override;
};

}  // namespace admin
