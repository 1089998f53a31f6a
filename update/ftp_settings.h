#pragma once
// The records of the update's FTP connection, the FTP proxy kinds with their
// numbers, and the fixed accounts on the maker's servers. No widgets.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace update {

enum class TSocksType { stNoSocks, stSocks4, stSocks4A, stSocks5 };

struct TProxySettings {
  std::uint8_t UseProxy = 0;  // FTP proxy kind (ProxyKinds); 0 = none
  TSocksType Socks = TSocksType::stNoSocks;
  std::string Server;
  std::int32_t Port = 0;
  bool Authentication = false;
  std::string UserName;
  std::string Password;

  bool operator==(const TProxySettings&) const = default;
};

struct TFtpSettings {
  std::string Server;  // empty: DefaultUpdateHost
  std::string UserName;
  std::string Password;
  TProxySettings ProxySettings;
  std::string StartDir;
  std::int32_t Port = 0;  // 0: the client's default
  bool Passiv = true;
  std::string LocalDir;  // a local folder that replaces the server
  std::string Alias;     // per-client alias of a user account
  bool Encoding = false;  // kept for the record's shape; not used
  bool LinuxFTP = false;  // kept for the record's shape; not used

  bool operator==(const TFtpSettings&) const = default;
};

// Initial values: everything empty, 0 or false, except Passiv in Ftp and FtpMirror.
struct THttpFtpProxySettings {
  std::string NewsServer;
  TProxySettings Http;  // kept in memory only, never stored
  TFtpSettings Ftp;
  TFtpSettings FtpMirror;

  bool operator==(const THttpFtpProxySettings&) const = default;
};

// One entry of the "Typ:" list of the proxy dialog: its caption and its number.
struct TProxyKind {
  const char* Caption;
  int Number;
};

// The FTP proxy kinds in list order. 64, 74 and 80 are SOCKS proxies: they are
// stored as UseProxy 0 with the SOCKS version. 81 and 82 are stored only.
std::span<const TProxyKind> ProxyKinds();
inline constexpr int kProxyKindSocks4 = 64;
inline constexpr int kProxyKindSocks4A = 74;
inline constexpr int kProxyKindSocks5 = 80;
inline constexpr int kProxyKindLocalDir = 81;
inline constexpr int kProxyKindHttp = 82;

// The list entry's number for stored settings: UseProxy unless it is 0 with a
// SOCKS version, which gives the SOCKS entry.
int ProxyKindNumber(const TProxySettings& proxy);
// Stores a list entry's number into the settings (UseProxy and Socks).
void SetProxyKindNumber(TProxySettings& proxy, int number);
// The SOCKS version of a list entry's number, stNoSocks for the others.
TSocksType SocksOfKindNumber(int number);

// facNone: the program's own account from FTPCFG.INI; the others are fixed
// accounts on the maker's servers, configured in update.ini.
enum class TQVFTPAccount { facNone, facUpdates, facDBUpload, facDBDownLoad, facKDUpload, facELSTER };
// "Updates", "DBUpload", "DBDownload", "KDUpload", "Elster"; empty for facNone.
std::string AccountServiceName(TQVFTPAccount account);

// What the proxy dialog asks of its owner.
enum class TFtpConfigNotify { ftpSetData, ftpSaveData, ftpCheckConnection };

// Raised by "FTP-Proxycheck" with the unsaved FTP settings.
using TConnectionChkEvent = std::function<void(const TFtpSettings& ftpSettings)>;

}  // namespace update
