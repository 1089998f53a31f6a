// TQVFtp: accounts and saved settings.
#include "rights/codepage.h"
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

}  // namespace update
