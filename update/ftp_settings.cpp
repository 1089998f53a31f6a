#include "update/ftp_settings.h"

#include <array>

namespace update {

namespace {

constexpr std::array<TProxyKind, 11> kProxyKinds = {{
    {"kein Proxy-Server", 0},
    {"USER @HostName", 1},
    {"SITE Hostname (z.B. AVM KEN)", 2},
    {"PROXY OPEN", 3},
    {"USER@ProxyUser@HostName", 4},
    {"Transparent", 5},
    {"Socks 4 Proxy", kProxyKindSocks4},
    {"Socks 4A Proxy", kProxyKindSocks4A},
    {"Socks 5 Proxy", kProxyKindSocks5},
    {"Update über Verzeichnis", kProxyKindLocalDir},
    {"Update über HTTP (experimentel)", kProxyKindHttp},
}};

}  // namespace

std::span<const TProxyKind> ProxyKinds() { return kProxyKinds; }

int ProxyKindNumber(const TProxySettings& proxy) {
  if (proxy.UseProxy != 0) return proxy.UseProxy;
  switch (proxy.Socks) {
    case TSocksType::stSocks4: return kProxyKindSocks4;
    case TSocksType::stSocks4A: return kProxyKindSocks4A;
    case TSocksType::stSocks5: return kProxyKindSocks5;
    case TSocksType::stNoSocks: break;
  }
  return 0;
}

TSocksType SocksOfKindNumber(int number) {
  switch (number) {
    case kProxyKindSocks4: return TSocksType::stSocks4;
    case kProxyKindSocks4A: return TSocksType::stSocks4A;
    case kProxyKindSocks5: return TSocksType::stSocks5;
    default: return TSocksType::stNoSocks;
  }
}

void SetProxyKindNumber(TProxySettings& proxy, int number) {
  proxy.Socks = SocksOfKindNumber(number);
  proxy.UseProxy = proxy.Socks == TSocksType::stNoSocks ? static_cast<std::uint8_t>(number) : 0;
}

std::string AccountServiceName(TQVFTPAccount account) {
  switch (account) {
    case TQVFTPAccount::facUpdates: return "Updates";
    case TQVFTPAccount::facDBUpload: return "DBUpload";
    case TQVFTPAccount::facDBDownLoad: return "DBDownload";
    case TQVFTPAccount::facKDUpload: return "KDUpload";
    case TQVFTPAccount::facELSTER: return "Elster";
    case TQVFTPAccount::facNone: break;
  }
  return {};
}

}  // namespace update
