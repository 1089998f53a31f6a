#pragma once
// The maker's endpoints and the fixed accounts of the update. Nothing of them
// is compiled into the program: they come from the machine-wide file
// "update.ini" beside the program (QXR_UPDATE_INI names another file). Without
// that file the update is not set up; every value is then empty.
#include <array>
#include <cstdint>
#include <string>

#include "update/ftp_settings.h"

namespace update {

struct TFixedAccount {
  std::string Host;
  std::int32_t Port = 21;
  std::string Username;
  std::string Password;
  std::string StartDir;
};

struct TUpdateEndpoints {
  bool Configured = false;  // update.ini was found and names the update host
  std::string DefaultUpdateHost;
  std::string AccountsFileURL;
  std::string AccountsFilePassword;
  std::string AccountServiceURL;
  // Indexed by TQVFTPAccount; facNone's entry stays empty.
  std::array<TFixedAccount, 6> Accounts;

  const TFixedAccount& Account(TQVFTPAccount account) const {
    return Accounts[static_cast<std::size_t>(account)];
  }
};

// The environment variable that names another update.ini (tests, support).
inline constexpr const char* kUpdateIniVariable = "QXR_UPDATE_INI";

// ProgramDir + "update.ini", or the file the environment names.
std::string UpdateIniFileName();
// Reads an update.ini; a missing or unreadable file gives the empty, not configured endpoints.
TUpdateEndpoints LoadUpdateEndpoints(const std::string& fileName);

// The process's endpoints, read once from UpdateIniFileName() on first use.
const TUpdateEndpoints& UpdateEndpoints();
// Forgets them, so the next use reads the file again (tests).
void ReloadUpdateEndpoints();

// The host name of the maker's FTP update server; empty when not set up.
const std::string& DefaultUpdateHost();

}  // namespace update
