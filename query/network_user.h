#pragma once
// The user of the rights file that the calling account is, when the file
// trusts the account's domain.
#include "platform/account.h"
#include "rights/rechte_datei.h"

namespace query {

// None when domain trust is off, the domain differs, no user has the
// account's login, or that user is locked.
const rights::TFIUser* FindNetworkUser(const rights::TRechteDatei& file, const platform::Account& account);

}  // namespace query
