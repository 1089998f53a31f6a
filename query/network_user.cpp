#include "network_user.h"

#include "rights/codepage.h"

namespace query {

const rights::TFIUser* FindNetworkUser(const rights::TRechteDatei& file, const platform::Account& account) {
  if (!file.TrustDomainUser()) return nullptr;
  std::int32_t id = -1;
  try {
    if (rights::LowerCase(account.domain) == file.winDomain())
      id = file.UserList().GetIDbyLoginName(account.user);
  } catch (const std::exception&) {
    id = -1;
  }
  if (id <= -1) return nullptr;
  const rights::TFIUser* user = file.UserList().ItemByID(id);
  return user != nullptr && !user->Locked ? user : nullptr;
}

}  // namespace query
