// Sign-in against the user list and the standard users of a new file.
#include "codepage.h"
#include "standard_users.h"
#include "rechte_datei.h"

namespace rights {

namespace {
constexpr std::size_t kMaxPasswordChars = 255;
}

std::int32_t TRechteDatei::UserLogin(const std::string& aLogin, const std::string& pw) const {
  // Not the first login that matches: of several users with one login, the
  // first whose password matches and who is not locked signs in.
  for (const auto& user : fUserList) {
    if (user->Passwd != pw) continue;
    if (!SameTextIgnoringCase(user->Login, aLogin)) continue;
    if (user->Locked) continue;
    return user->ID;
  }
  return -1;
}

void TRechteDatei::CreateStdUsers(const std::string& admPW) {
  auto admin = std::make_unique<TFIUser>();
  admin->ID = AdministratorID;
  admin->Bez = "Admin";
  admin->Func = "Administrator";
  admin->Login = "Admin";
  admin->Passwd = Utf8Left(admPW, kMaxPasswordChars);
  fUserList.AddItem(std::move(admin));

  auto pattern = std::make_unique<TFIUser>();
  pattern->ID = TemplateUserID;
  pattern->Bez = "Vorlage";
  pattern->Func = "Vorlage für neue Benutzer";
  pattern->Locked = true;
  fUserList.AddItem(std::move(pattern));
}

}  // namespace rights
