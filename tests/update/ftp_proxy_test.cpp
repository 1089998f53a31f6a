// The FTP client through the five FTP proxy kinds: the proxy fixture logs the
// login sequence it received and relays the session to the fixture server.
#include <gtest/gtest.h>

#include <sstream>

#include "support/server_process.h"
#include "update/ftp_fixture.h"

namespace {

struct ProxyCase {
  const char* Name;
  int Kind;
  bool Authentication;
  std::vector<std::string> Sequence;  // "<server>" stands for 127.0.0.1:<port>
};

std::vector<std::string> LoginLines(const std::string& log, const std::string& server) {
  std::vector<std::string> lines;
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);) {
    if (line == "PWD") continue;  // libcurl asks the proxy for its folder after logging in there
    for (auto at = line.find(server); at != std::string::npos; at = line.find(server))
      line.replace(at, server.size(), "<server>");
    lines.push_back(line);
  }
  return lines;
}

class FtpProxyTest : public FtpClientTest, public ::testing::WithParamInterface<ProxyCase> {};

TEST_P(FtpProxyTest, LogsInWithTheKindsSequenceAndTransfers) {
  const ProxyCase& kind = GetParam();
  WriteText(Served("update.rtf"), "Neuigkeiten");
  StartServer();
  const std::string log = fLocal.File("proxy.log");
  ServerProcess proxy;
  proxy.StartFixture("ftp_proxy.py", {"--log", QString::fromStdString(log), "--forward",
                                      QString::number(kind.Kind == 5 ? fServer->Port() : 0)});
  update::TFtpSettings settings;
  settings.Server = "127.0.0.1";
  settings.Port = fServer->Port();
  settings.UserName = "updates";
  settings.Password = "geheim";
  settings.ProxySettings.UseProxy = static_cast<std::uint8_t>(kind.Kind);
  settings.ProxySettings.Server = "127.0.0.1";
  settings.ProxySettings.Port = proxy.Port();
  settings.ProxySettings.Authentication = kind.Authentication;
  settings.ProxySettings.UserName = "proxyuser";
  settings.ProxySettings.Password = "proxypass";
  update::TQVFtp ftp;
  std::vector<std::string> logLines;
  ftp.ApplyFtpSettings(settings, [&](const std::string& line) { logLines.push_back(line); });
  EXPECT_EQ(logLines.front(), "Zugang über Proxy:127.0.0.1 Port:" + std::to_string(proxy.Port()));

  ftp.ConnectOnce();
  ASSERT_TRUE(ftp.GetFile("update.rtf", fLocal.File("update.rtf"), true, false));
  EXPECT_EQ(Text(fLocal.File("update.rtf")), "Neuigkeiten");
  EXPECT_EQ(LoginLines(Text(log), "127.0.0.1:" + std::to_string(fServer->Port())), kind.Sequence);
}

const std::vector<std::string> kProxyLogin = {"USER proxyuser", "PASS proxypass"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FtpProxyTest,
    ::testing::Values(
        ProxyCase{"UserAtHost", 1, false, {"USER updates@<server>", "PASS geheim"}},
        ProxyCase{"UserAtHostAfterProxyLogin", 1, true, kProxyLogin + std::vector<std::string>{"USER updates@<server>", "PASS geheim"}},
        ProxyCase{"Site", 2, true, kProxyLogin + std::vector<std::string>{"SITE <server>", "USER updates", "PASS geheim"}},
        ProxyCase{"Open", 3, true, kProxyLogin + std::vector<std::string>{"OPEN <server>", "USER updates", "PASS geheim"}},
        ProxyCase{"UserAtProxyUserAtHost", 4, true, {"USER updates@proxyuser@<server>", "PASS geheim@proxypass"}},
        ProxyCase{"Transparent", 5, true, kProxyLogin + std::vector<std::string>{"USER updates", "PASS geheim"}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
