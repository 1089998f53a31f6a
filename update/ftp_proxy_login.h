#pragma once
// The login sequences of the FTP proxy kinds. libcurl sends USER and PASS of
// the login it is given, then the commands of AfterLogin (as quoted commands
// of the first request), so a sequence is: whom libcurl logs in as where, and
// what follows.
#include <cstdint>
#include <string>
#include <vector>

#include "update/ftp_settings.h"

namespace update {

struct TFtpLoginPlan {
  std::string Host;  // where to connect: the proxy, or the server without one
  std::int32_t Port = 21;
  std::string Username;
  std::string Password;
  std::vector<std::string> AfterLogin;
};

// The login at the server (host, port, user, password) through the FTP proxy
// of kind proxy.UseProxy (1 to 5); without a proxy the login itself.
//  1 USER user@host, PASS password (after a login at the proxy when it wants one)
//  2 login at the proxy, SITE host, USER user, PASS password
//  3 login at the proxy, OPEN host, USER user, PASS password
//  4 USER user@proxyuser@host, PASS password@proxypassword
//  5 login at the proxy, USER user, PASS password (the proxy knows the server)
// The host carries ":port" when the port is not 21.
TFtpLoginPlan FtpLoginPlan(const TProxySettings& proxy, const std::string& host, std::int32_t port,
                           const std::string& username, const std::string& password);

}  // namespace update
