#include "account.h"

#include "rights/codepage.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace platform {

Account SplitAccountName(const std::string& name) {
  if (const auto slash = name.find('\\'); slash != std::string::npos)
    return {name.substr(slash + 1), rights::UpperCase(name.substr(0, slash))};
  if (const auto at = name.rfind('@'); at != std::string::npos && at > 0)
    return {name.substr(0, at), rights::UpperCase(name.substr(at + 1))};
  return {name, ""};
}

Account WithoutLocalDomain(Account account, const std::string& computerName) {
  // NetBIOS names have at most 15 characters.
  const std::string computer = rights::UpperCase(rights::Utf8Left(computerName, 15));
  if (account.domain == computer) account.domain.clear();
  return account;
}

#if defined(_WIN32)

namespace {

HANDLE OpenOwnToken() {
  HANDLE token = nullptr;
  if (OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) return token;
  if (GetLastError() != ERROR_NO_TOKEN) return nullptr;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return token;
  return nullptr;
}

}  // namespace

Account CurrentAccount() {
  HANDLE token = OpenOwnToken();
  if (token == nullptr) return {};
  alignas(TOKEN_USER) BYTE buffer[1024];
  DWORD size = 0;
  const BOOL gotUser = GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size);
  CloseHandle(token);
  if (!gotUser) return {};
  char name[513];
  char domain[513];
  DWORD nameSize = sizeof name;
  DWORD domainSize = sizeof domain;
  SID_NAME_USE use;
  if (!LookupAccountSidA(nullptr, reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, name, &nameSize,
                         domain, &domainSize, &use))
    return {};
  char computer[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD computerSize = sizeof computer;
  if (!GetComputerNameA(computer, &computerSize)) computer[0] = '\0';
  // The account functions answer in the ANSI code page.
  Account account{rights::Cp1252ToUtf8(name), rights::UpperCase(rights::Cp1252ToUtf8(domain))};
  return WithoutLocalDomain(account, rights::Cp1252ToUtf8(computer));
}

#else

Account CurrentAccount() {
  const passwd* entry = getpwuid(geteuid());
  if (entry == nullptr || entry->pw_name == nullptr) return {};
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  std::string computer = host;
  computer = computer.substr(0, computer.find('.'));
  return WithoutLocalDomain(SplitAccountName(entry->pw_name), computer);
}

#endif

}  // namespace platform
