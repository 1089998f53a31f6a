// TQVFtp: accounts and saved settings.
#include "rights/codepage.h"
#include "update/alternative_accounts.h"
#include "update/ftp_client.h"
#include "update/ftp_config_file.h"
#include "update/update_endpoints.h"

namespace update {
namespace {

bool UsesIntranetAlias(TQVFTPAccount account) {
  return account == TQVFTPAccount::facDBUpload || account == TQVFTPAccount::facDBDownLoad ||
         account == TQVFTPAccount::facKDUpload;
}

}  // namespace

void TQVFtp::InitAccountLoginParams(TQVFTPAccount account) {
  if (account != TQVFTPAccount::facNone) {
    const TFixedAccount& fixed = UpdateEndpoints().Account(account);
    Target.Username = fixed.Username;
    Target.Password = fixed.Password;
    Target.Host = fixed.Host.empty() ? DefaultUpdateHost() : fixed.Host;
    if (fixed.Port > 0) Target.Port = fixed.Port;
  }
  FQVAccount = account;
}

void TQVFtp::SetAccount(TQVFTPAccount account) {
  if (account == FQVAccount) return;
  FQVAccount = account;
  if (account != TQVFTPAccount::facNone) InitAccountLoginParams(account);
}

void TQVFtp::ApplyFtpSettings(const TFtpSettings& settings, const TAddLineProc& log) {
  Target.Host = settings.Server;
  if (Target.Host.empty() || (UsesIntranetAlias(FQVAccount) && rights::SameTextIgnoringCase(Target.Host, "INTRANET")))
    Target.Host = DefaultUpdateHost();
  if (Target.ReadTimeoutMs == 0) Target.ReadTimeoutMs = kDefaultReadTimeoutMs;
  Target.Passive = settings.Passiv;
  if (FQVAccount == TQVFTPAccount::facNone) {
    Target.Username = settings.UserName;
    Target.Password = settings.Password;
    if (settings.Port > 0) Target.Port = settings.Port;
  }
  const TProxySettings& proxy = settings.ProxySettings;
  Target.Socks = TSocksType::stNoSocks;
  Target.SocksAuthentication = false;
  Target.SocksUsername.clear();
  Target.SocksPassword.clear();
  FtpProxy = {};
  if (proxy.UseProxy != 0) {
    if (log) log("Zugang über Proxy:" + proxy.Server + " Port:" + std::to_string(proxy.Port));
    FtpProxy = proxy;
    FtpProxy.Socks = TSocksType::stNoSocks;
    if (proxy.Authentication) {
      if (log) log("mit Username=" + proxy.UserName);
    } else {
      FtpProxy.UserName.clear();
      FtpProxy.Password.clear();
    }
  } else if (proxy.Socks != TSocksType::stNoSocks) {
    Target.Socks = proxy.Socks;
    Target.SocksHost = proxy.Server;
    Target.SocksPort = proxy.Port;
    Target.SocksAuthentication = proxy.Authentication;
    if (proxy.Authentication) {
      Target.SocksUsername = proxy.UserName;
      Target.SocksPassword = proxy.Password;
    }
  }
}

void TQVFtp::InitFtpSettings() {
  fIsInit = true;
  THttpFtpProxySettings settings;
  LoadSaveFtpSettings(true, settings, FQVAccount == TQVFTPAccount::facNone, {}, FClientNr);
  ApplyFtpSettings(settings.Ftp, {});
}

void TQVFtp::Connect() {
  if (fInConnect) {
    ConnectOnce();
    return;
  }
  fInConnect = true;
  try {
    if (!fIsInit) InitFtpSettings();
    ConnectWithRetry(FQVAccount, FAddLineProc);
  } catch (...) {
    fInConnect = false;
    throw;
  }
  fInConnect = false;
}

bool TQVFtp::SwitchAccount(TQVFTPAccount account, bool viaFile) {
  if (account == TQVFTPAccount::facNone) return false;
  const std::string name = AccountServiceName(account);
  const auto found = viaFile ? AccountFromAccountsFile(name) : AccountFromAccountService(name);
  if (!found) return false;
  if (rights::SameTextIgnoringCase(found->Username, Target.Username) && found->Password == Target.Password &&
      rights::SameTextIgnoringCase(found->Host, Target.Host))
    return false;
  // The start folder stays the caller's.
  Target.Host = found->Host;
  Target.Username = found->Username;
  Target.Password = found->Password;
  Target.Port = found->Port;
  return true;
}

void TQVFtp::ConnectWithRetry(TQVFTPAccount account, const TAddLineProc& log) {
  int attempt = 1;
  int accountSwitches = 0;
  for (;;) {
    try {
      ConnectOnce();
      return;
    } catch (const EFtpError& error) {
      if (error.LoginRefused() || error.NetworkError()) {
        ++accountSwitches;
        if (accountSwitches > 2 || !SwitchAccount(account, accountSwitches == 2)) throw;
        ++attempt;
        if (log) {
          std::string text = error.what();
          while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n')) text.pop_back();
          log(text);
          log("versuche " + std::to_string(attempt) + ".Zugang für " + AccountServiceName(account));
        }
      } else if (!Target.Passive) {
        Target.Passive = true;
        if (log) log("verwende nun passiven Zugang");
      } else {
        throw;
      }
    }
  }
}

}  // namespace update
