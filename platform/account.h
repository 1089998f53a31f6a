#pragma once
// The operating-system account a program runs as, in the form the rights
// file trusts: a user name and the upper-case domain (empty for an account of
// the computer itself). Standard library only, so the query library can use it.
#include <string>

namespace platform {

struct Account {
  std::string user;    // as the system spells it (UTF-8)
  std::string domain;  // upper case; empty for a local account
};

// The account of the calling thread (Windows: its token, or the process's
// when the thread does not impersonate; elsewhere: the effective user).
// Both parts are empty when the system does not tell.
Account CurrentAccount();

// Splits "DOMAIN\user" and "user@DOMAIN" (as domain members are named on
// Linux) into user and upper-case domain; a plain name has no domain.
Account SplitAccountName(const std::string& name);

// An account whose domain is the computer's own name is a local account.
Account WithoutLocalDomain(Account account, const std::string& computerName);

}  // namespace platform
