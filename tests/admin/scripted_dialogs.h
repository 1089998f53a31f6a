#pragma once
// A dialog service for tests: answers from a script and records what was asked.
#include <deque>
#include <utility>

#include "admin/dialog_service.h"

class ScriptedDialogs : public admin::DialogService {
 public:
  QString admPW;                                 // AskAdmPW's answer
  std::deque<std::pair<QString, QString>> logons;  // name and password per sign-in attempt
  QString newPassword;                           // empty: AskNewPassword cancelled
  std::vector<std::int32_t> pick;                // the IDs SelectUsGr returns
  bool domainConfirmed = false;
  int logonAttempts = 0;
  int admPWAsked = 0;

  void ShowLogonDlg(bool, bool, admin::TLogonData& data, const admin::TLogonProc& logonProc) override {
    data.ModalResult = 2;
    for (int attempt = 0; attempt < 3 && !logons.empty(); ++attempt) {
      admin::TLogonData tried{logons.front().first, logons.front().second};
      logons.pop_front();
      ++logonAttempts;
      bool success = false;
      bool brk = false;
      logonProc(tried, success, brk);
      if (success) {
        data = tried;
        data.ModalResult = 1;
        return;
      }
      if (brk) return;
    }
  }
  void AskNewPassword(admin::TLogonData& data) override {
    data = admin::TLogonData{};
    data.Passwort = newPassword;
    data.ModalResult = newPassword.isEmpty() ? 2 : 1;
  }
  QString AskAdmPW() override {
    ++admPWAsked;
    return admPW;
  }
  std::vector<std::unique_ptr<rights::TFIRClass>> SelectUsGr(bool user, const rights::TRechteDatei& rd,
                                                             const QTreeWidget*, std::int32_t) override {
    std::vector<std::unique_ptr<rights::TFIRClass>> picked;
    for (std::int32_t id : pick) {
      auto record = std::make_unique<rights::TFIRClass>();
      record->ID = id;
      const rights::TFIRClass* source = user ? static_cast<const rights::TFIRClass*>(rd.UserList().ItemByID(id))
                                             : static_cast<const rights::TFIRClass*>(rd.GroupList().ItemByID(id));
      if (source) record->Bez = source->Bez;
      picked.push_back(std::move(record));
    }
    return picked;
  }
  bool EditDomain(rights::TRechteDatei&) override { return domainConfirmed; }
};
