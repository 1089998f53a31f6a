#include "update/update_endpoints.h"

#include <optional>

#include "clients/paths.h"
#include "platform/files.h"
#include "platform/process.h"
#include "update/settings_text_file.h"
#include "update/crypted_password.h"

namespace update {

namespace {

constexpr const char* kUpdateSection = "Update";

// The scrambled value when there is one, else the plain one.
std::string ReadPassword(const clients::TQVCustomIniFile& ini, const std::string& section,
                         const std::string& cryptedKey, const std::string& plainKey) {
  if (ini.ValueExists(section, cryptedKey)) return DecryptPassword(ini.ReadString(section, cryptedKey, ""));
  return ini.ReadString(section, plainKey, "");
}

std::optional<TUpdateEndpoints>& Cached() {
  static std::optional<TUpdateEndpoints> endpoints;
  return endpoints;
}

}  // namespace

std::string UpdateIniFileName() {
  const std::string named = platform::EnvironmentVariable(kUpdateIniVariable);
  if (!named.empty()) return named;
  std::string folder = clients::ProgramDir();
  if (folder.empty()) {
    const std::string program = platform::ProgramFile();
    folder = program.substr(0, program.find_last_of("/\\") + 1);
  }
  return folder + "update.ini";
}

TUpdateEndpoints LoadUpdateEndpoints(const std::string& fileName) {
  TUpdateEndpoints endpoints;
  const std::optional<clients::TQVCustomIniFile> ini = ReadSettingsIni(fileName);
  if (!ini) return endpoints;
  endpoints.DefaultUpdateHost = ini->ReadString(kUpdateSection, "Host", "");
  endpoints.AccountsFileURL = ini->ReadString(kUpdateSection, "AccountsFileURL", "");
  endpoints.AccountsFilePassword =
      ReadPassword(*ini, kUpdateSection, "AccountsFilePasswordCrypted", "AccountsFilePassword");
  endpoints.AccountServiceURL = ini->ReadString(kUpdateSection, "AccountServiceURL", "");
  endpoints.Configured = !endpoints.DefaultUpdateHost.empty();
  for (std::size_t i = 1; i < endpoints.Accounts.size(); ++i) {
    const std::string section = AccountServiceName(static_cast<TQVFTPAccount>(i));
    TFixedAccount& account = endpoints.Accounts[i];
    account.Host = ini->ReadString(section, "Host", "");
    account.Port = ini->ReadInteger(section, "Port", 21);
    account.Username = ini->ReadString(section, "Username", "");
    account.Password = ReadPassword(*ini, section, "PasswordCrypted", "Password");
    account.StartDir = ini->ReadString(section, "StartDir", "");
  }
  return endpoints;
}

const TUpdateEndpoints& UpdateEndpoints() {
  auto& cached = Cached();
  if (!cached) cached = LoadUpdateEndpoints(UpdateIniFileName());
  return *cached;
}

void ReloadUpdateEndpoints() { Cached().reset(); }

const std::string& DefaultUpdateHost() { return UpdateEndpoints().DefaultUpdateHost; }

}  // namespace update
