#pragma once
// Where the connect loop finds another login for a fixed account: the
// account service (SOAP operation getAccnData) and the accounts file (a
// password-protected zipped INI file). Both are named in update.ini.
#include <cstdint>
#include <optional>
#include <string>

namespace update {

struct TAlternativeAccount {
  std::string Host;
  std::int32_t Port = 21;
  std::string Username;
  std::string Password;
  std::string StartDir;
};

// Section serviceName of the accounts file; none on any failure or when
// host, user name or password is missing.
std::optional<TAlternativeAccount> AccountFromAccountsFile(const std::string& serviceName);
// The account service's answer for serviceName; none on any failure.
std::optional<TAlternativeAccount> AccountFromAccountService(const std::string& serviceName);

// The request getAccnData for serviceName as a SOAP envelope.
std::string AccountServiceRequest(const std::string& serviceName);
// Reads a getAccnData answer: none when it is no XML, or names another
// service. User name and password come as scrambled hexadecimal text.
std::optional<TAlternativeAccount> ParseAccountServiceAnswer(const std::string& xml, const std::string& serviceName);

}  // namespace update
