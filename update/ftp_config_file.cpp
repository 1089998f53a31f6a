#include "update/ftp_config_file.h"

#include "clients/paths.h"
#include "platform/files.h"
#include "rights/codepage.h"
#include "rights/errors.h"
#include "update/crypted_password.h"
#include "update/settings_text_file.h"
#include "update/update_endpoints.h"

namespace update {

namespace {

using clients::TQVCustomIniFile;

const std::string kFtp = "FTP";
const std::string kMirror = "FTP-Mirror";
const std::string kHttp = "HTTP";
const std::string kAnonymous = "anonymous";

std::string SocksText(TSocksType socks) {
  switch (socks) {
    case TSocksType::stSocks4: return "4";
    case TSocksType::stSocks4A: return "4A";
    case TSocksType::stSocks5: return "5";
    case TSocksType::stNoSocks: break;
  }
  return {};
}

TSocksType SocksOfText(const std::string& text) {
  if (text == "4") return TSocksType::stSocks4;
  if (rights::SameTextIgnoringCase(text, "4A")) return TSocksType::stSocks4A;
  if (text == "5") return TSocksType::stSocks5;
  return TSocksType::stNoSocks;
}

// The proxy keys, shared by both modes. The proxy port is not the FTP
// server's port: a proxy's port taken as the server's would send the login
// through the proxy to the wrong port of the server.
void LoadProxy(TQVCustomIniFile& ini, TProxySettings& proxy) {
  const std::int32_t kind = ini.ReadInteger(kFtp, "PROXYTYP", 0);
  proxy.UseProxy = kind >= 0 && kind <= 255 ? static_cast<std::uint8_t>(kind) : 0;
  proxy.Server = ini.ReadString(kFtp, "HOST", "");
  proxy.Port = ini.ReadInteger(kFtp, "PORT", 0);
  if (ini.ValueExists(kFtp, "AUTHENTICATION")) {
    proxy.Authentication = ini.ReadBool(kFtp, "AUTHENTICATION", false);
    proxy.UserName = ini.ReadString(kFtp, "USERNAME", "");
    proxy.Password = ini.ReadString(kFtp, "PASSWORD", "");
  } else {
    proxy.Authentication = false;
  }
  proxy.Socks = proxy.UseProxy == 0 ? SocksOfText(ini.ReadString(kFtp, "Socks", "")) : TSocksType::stNoSocks;
}

void SaveProxy(TQVCustomIniFile& ini, const TProxySettings& proxy) {
  ini.WriteInteger(kFtp, "PROXYTYP", proxy.UseProxy);
  ini.WriteString(kFtp, "HOST", proxy.Server);
  ini.WriteInteger(kFtp, "PORT", proxy.Port);
  if (proxy.Authentication) {
    ini.WriteString(kFtp, "USERNAME", proxy.UserName);
    ini.WriteString(kFtp, "PASSWORD", proxy.Password);
    ini.WriteBool(kFtp, "AUTHENTICATION", true);
  } else {
    for (const char* key : {"USERNAME", "PASSWORD", "AUTHENTICATION"}) ini.DeleteKey(kFtp, key);
  }
  if (proxy.UseProxy == 0 && proxy.Socks != TSocksType::stNoSocks)
    ini.WriteString(kFtp, "Socks", SocksText(proxy.Socks));
  else
    ini.DeleteKey(kFtp, "Socks");
}

void LoadMirror(TQVCustomIniFile& ini, TFtpSettings& mirror) {
  if (!ini.SectionExists(kMirror)) return;
  mirror.Server = ini.ReadString(kMirror, "SERVER", "");
  mirror.Port = ini.ReadInteger(kMirror, "PORT", 0);
  mirror.UserName = ini.ReadString(kMirror, "USERNAME", "");
  if (mirror.UserName.empty())
    mirror.UserName = kAnonymous;
  else
    mirror.Password = ini.ReadString(kMirror, "PASSWORD", "");
  mirror.Passiv = ini.ReadBool(kMirror, "PassivMode", true);
}

void SaveMirror(TQVCustomIniFile& ini, const TFtpSettings& mirror) {
  ini.EraseSection(kMirror);
  if (mirror.Server.empty()) return;
  ini.WriteString(kMirror, "SERVER", mirror.Server);
  ini.WriteInteger(kMirror, "PORT", mirror.Port);
  ini.WriteBool(kMirror, "PassivMode", mirror.Passiv);
  if (!mirror.UserName.empty() && !rights::SameTextIgnoringCase(mirror.UserName, kAnonymous)) {
    ini.WriteString(kMirror, "USERNAME", mirror.UserName);
    ini.WriteString(kMirror, "PASSWORD", mirror.Password);
  }
}

// The update's own keys.
void LoadUpdateKeys(TQVCustomIniFile& ini, THttpFtpProxySettings& settings) {
  if (ini.ValueExists(kFtp, "SERVER")) settings.Ftp.Server = ini.ReadString(kFtp, "SERVER", "");
  if (ini.ValueExists(kFtp, "LOCALDIR")) settings.Ftp.LocalDir = ini.ReadString(kFtp, "LOCALDIR", "");
  if (ini.ValueExists(kHttp, "NewsServer")) settings.NewsServer = ini.ReadString(kHttp, "NewsServer", "");
  LoadMirror(ini, settings.FtpMirror);
}


void SaveUpdateKeys(TQVCustomIniFile& ini, const THttpFtpProxySettings& settings) {
  if (rights::SameTextIgnoringCase(settings.Ftp.Server, DefaultUpdateHost()))
    ini.DeleteKey(kFtp, "SERVER");
  else
    ini.WriteString(kFtp, "SERVER", settings.Ftp.Server);
  ini.WriteString(kFtp, "LOCALDIR", settings.Ftp.LocalDir);
  SaveMirror(ini, settings.FtpMirror);
}

// "USER-", or "USER-<clientNr>-" when that client has an alias.
std::string AccountPrefix(const TQVCustomIniFile& ini, const std::string& clientNr) {
  if (!clientNr.empty() && ini.ValueExists(kFtp, "USER-" + clientNr + "-Alias")) return "USER-" + clientNr + "-";
  return "USER-";
}

// Reads the account password and moves a plain one to the scrambled key;
// answers whether the file changed.
bool LoadAccountPassword(TQVCustomIniFile& ini, const std::string& prefix, std::string& password) {
  const std::string plainKey = prefix + "PASSWORD";
  const std::string cryptedKey = plainKey + "CRYPTED";
  const bool hasCrypted = ini.ValueExists(kFtp, cryptedKey);
  password = hasCrypted ? DecryptPassword(ini.ReadString(kFtp, cryptedKey, ""))
                        : ini.ReadString(kFtp, plainKey, "");
  bool changed = false;
  if (!hasCrypted && !password.empty()) {
    ini.WriteString(kFtp, cryptedKey, EncryptPassword(password));
    changed = true;
  }
  if (ini.ValueExists(kFtp, cryptedKey) && ini.ValueExists(kFtp, plainKey)) {
    ini.DeleteKey(kFtp, plainKey);
    changed = true;
  }
  return changed;
}

void SaveAccountPassword(TQVCustomIniFile& ini, const std::string& prefix, const std::string& password) {
  const std::string plainKey = prefix + "PASSWORD";
  const std::string cryptedKey = plainKey + "CRYPTED";
  ini.DeleteKey(kFtp, plainKey);
  // The filler is random: an unchanged password keeps its stored form, so the file does not change.
  if (ini.ValueExists(kFtp, cryptedKey) && DecryptPassword(ini.ReadString(kFtp, cryptedKey, "")) == password)
    return;
  ini.WriteString(kFtp, cryptedKey, EncryptPassword(password));
}

// Answers whether the file changed (a password was migrated).
bool LoadAccountKeys(TQVCustomIniFile& ini, TFtpSettings& ftp, const std::string& clientNr) {
  const std::string prefix = AccountPrefix(ini, clientNr);
  const bool hasAlias = prefix != "USER-";
  if (hasAlias) ftp.Alias = ini.ReadString(kFtp, prefix + "Alias", "");
  bool changed = false;
  if (ini.ValueExists(kFtp, prefix + "USERNAME")) {
    ftp.UserName = ini.ReadString(kFtp, prefix + "USERNAME", "");
    changed = LoadAccountPassword(ini, prefix, ftp.Password);
  }
  ftp.StartDir = ini.ValueExists(kFtp, prefix + "STARTDIR") ? ini.ReadString(kFtp, prefix + "STARTDIR", "")
                                                           : ini.ReadString(kFtp, "STARTDIR", "");
  if (ini.ValueExists(kFtp, prefix + "PORT")) ftp.Port = ini.ReadInteger(kFtp, prefix + "PORT", 0);
  if (ini.ValueExists(kFtp, prefix + "SERVER")) ftp.Server = ini.ReadString(kFtp, prefix + "SERVER", "");
  if (hasAlias) {
    if (ini.ValueExists(kFtp, prefix + "PassivMode")) ftp.Passiv = ini.ReadBool(kFtp, prefix + "PassivMode", true);
    if (ftp.Server.empty()) ftp.Server = DefaultUpdateHost();
  }
  return changed;
}

void SaveAccountKeys(TQVCustomIniFile& ini, const TFtpSettings& ftp, const std::string& clientNr) {
  const std::string prefix = AccountPrefix(ini, clientNr);
  if (!ftp.UserName.empty()) {
    ini.WriteString(kFtp, prefix + "USERNAME", ftp.UserName);
    SaveAccountPassword(ini, prefix, ftp.Password);
  } else {
    for (const char* key : {"USERNAME", "PASSWORD", "PASSWORDCRYPTED"}) ini.DeleteKey(kFtp, prefix + key);
  }
  if (!ftp.StartDir.empty())
    ini.WriteString(kFtp, prefix + "STARTDIR", ftp.StartDir);
  else
    ini.DeleteKey(kFtp, prefix + "STARTDIR");
  ini.WriteString(kFtp, prefix + "SERVER", ftp.Server);
  ini.WriteInteger(kFtp, prefix + "PORT", ftp.Port);
  if (prefix != "USER-") ini.WriteBool(kFtp, prefix + "PassivMode", ftp.Passiv);
}

}  // namespace

std::string FtpConfigFileName() { return clients::SettingsDir() + "FTPCFG.INI"; }

bool LoadSaveFtpSettings(bool load, THttpFtpProxySettings& settings, bool userAccount, const TFtpIniHook& hook,
                         const std::string& clientNr) {
  platform::CreateFolders(clients::SettingsDir());
  const std::string fileName = FtpConfigFileName();
  if (load && !platform::FileExists(fileName)) {
    settings = THttpFtpProxySettings{};
    return false;
  }
  TQVCustomIniFile ini = ReadSettingsIni(fileName).value_or(TQVCustomIniFile{});
  if (load) {
    LoadProxy(ini, settings.Ftp.ProxySettings);
    settings.Ftp.Passiv = ini.ReadBool(kFtp, "PassivMode", true);
    bool changed = false;
    if (userAccount)
      changed = LoadAccountKeys(ini, settings.Ftp, clientNr);
    else
      LoadUpdateKeys(ini, settings);
    if (hook) hook(ini, true);
    if (changed) {
      try {
        WriteSettingsIni(fileName, ini);
      } catch (const rights::EFileError&) {
        // The settings were read; the plain password moves at the next chance.
      }
    }
    return true;
  }
  SaveProxy(ini, settings.Ftp.ProxySettings);
  ini.WriteBool(kFtp, "PassivMode", settings.Ftp.Passiv);
  if (userAccount)
    SaveAccountKeys(ini, settings.Ftp, clientNr);
  else
    SaveUpdateKeys(ini, settings);
  if (hook) hook(ini, false);
  // Unchanged settings leave the shared file (and its time) as it is.
  if (ini.Modified() || !platform::FileExists(fileName)) WriteSettingsIni(fileName, ini);
  return true;
}

}  // namespace update
