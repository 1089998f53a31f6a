#include "update/ftp_proxy_login.h"

namespace update {
namespace {

constexpr std::int32_t kFtpPort = 21;

std::string HostAndPort(const std::string& host, std::int32_t port) {
  return port == kFtpPort || port <= 0 ? host : host + ":" + std::to_string(port);
}

}  // namespace

TFtpLoginPlan FtpLoginPlan(const TProxySettings& proxy, const std::string& host, std::int32_t port,
                           const std::string& username, const std::string& password) {
  TFtpLoginPlan plan{host, port, username, password, {}};
  if (proxy.UseProxy < 1 || proxy.UseProxy > 5) return plan;
  plan.Host = proxy.Server;
  plan.Port = proxy.Port > 0 ? proxy.Port : kFtpPort;
  const std::string target = HostAndPort(host, port);
  const bool proxyLogin = proxy.Authentication;
  // Kinds that log in at the proxy first take its account, then send the server's.
  auto loginAtProxyThen = [&](std::vector<std::string> commands) {
    plan.Username = proxy.UserName;
    plan.Password = proxy.Password;
    plan.AfterLogin = std::move(commands);
  };
  switch (proxy.UseProxy) {
    case 1:
      if (proxyLogin) {
        loginAtProxyThen({"USER " + username + "@" + target, "PASS " + password});
      } else {
        plan.Username = username + "@" + target;
      }
      break;
    case 2: loginAtProxyThen({"SITE " + target, "USER " + username, "PASS " + password}); break;
    case 3: loginAtProxyThen({"OPEN " + target, "USER " + username, "PASS " + password}); break;
    case 4:
      plan.Username = username + "@" + proxy.UserName + "@" + target;
      plan.Password = password + "@" + proxy.Password;
      break;
    default: loginAtProxyThen({"USER " + username, "PASS " + password}); break;
  }
  return plan;
}

}  // namespace update
