// The FTP client through real SOCKS proxies on 127.0.0.1: the SOCKS 4/4A
// fixture (which logs each request) and microsocks for SOCKS 5.
#include <gtest/gtest.h>

#include <sstream>

#include "support/server_process.h"
#include "update/ftp_fixture.h"

using update::EFtpError;
using update::TSocksType;

namespace {

struct SocksCase {
  const char* Name;
  TSocksType Socks;
  bool Authentication;
  const char* ExpectedLogStart;  // SOCKS 4 fixture: its first log line; empty for SOCKS 5
};

class FtpSocksTest : public FtpClientTest, public ::testing::WithParamInterface<SocksCase> {
 protected:
  void StartProxy(const SocksCase& proxy) {
    if (proxy.Socks == TSocksType::stSocks5) {
      QStringList credentials;
      if (proxy.Authentication) credentials = {"-u", "proxyuser", "-P", "proxypass"};
      fProxy.StartProgram("/usr/bin/microsocks", {"-i", "127.0.0.1", "-p"}, credentials);
    } else {
      fProxy.StartFixture("socks4_proxy.py", {"--log", QString::fromStdString(fProxyLog)});
    }
  }
  update::TFtpSettings Settings(const SocksCase& proxy, const std::string& proxyPassword) const {
    update::TFtpSettings settings;
    settings.Server = "localhost";  // SOCKS 4A hands the name to the proxy
    settings.Port = fServer->Port();
    settings.UserName = "updates";
    settings.Password = "geheim";
    settings.ProxySettings.Socks = proxy.Socks;
    settings.ProxySettings.Server = "127.0.0.1";
    settings.ProxySettings.Port = fProxy.Port();
    settings.ProxySettings.Authentication = proxy.Authentication;
    settings.ProxySettings.UserName = "proxyuser";
    settings.ProxySettings.Password = proxyPassword;
    return settings;
  }

  ServerProcess fProxy;
  std::string fProxyLog = fLocal.File("socks.log");
};

TEST_P(FtpSocksTest, TransfersThroughTheProxy) {
  const SocksCase& proxy = GetParam();
  WriteText(Served("update.rtf"), AllBytes(70000));
  StartServer();
  StartProxy(proxy);
  update::TQVFtp ftp;
  ftp.ApplyFtpSettings(Settings(proxy, "proxypass"), {});
  ftp.ConnectOnce();
  ftp.List();
  ASSERT_NE(update::FindFtpItem(ftp.DirectoryListing(), "update.rtf"), nullptr);
  ASSERT_TRUE(ftp.GetFile("update.rtf", fLocal.File("update.rtf"), true, false));
  EXPECT_EQ(Text(fLocal.File("update.rtf")), AllBytes(70000));
  if (*proxy.ExpectedLogStart) {
    const std::string expected = proxy.ExpectedLogStart + std::to_string(fServer->Port()) + "\n";
    EXPECT_EQ(Text(fProxyLog).substr(0, expected.size()), expected);
  }
}

TEST_P(FtpSocksTest, NoProxyListeningIsANetworkError) {
  const SocksCase& proxy = GetParam();
  StartServer();
  StartProxy(proxy);
  auto settings = Settings(proxy, "proxypass");
  settings.ProxySettings.Port = ServerProcess::FreePort();
  update::TQVFtp ftp;
  ftp.ApplyFtpSettings(settings, {});
  try {
    ftp.ConnectOnce();
    FAIL() << "connected past a proxy that is not there";
  } catch (const EFtpError& error) {
    EXPECT_TRUE(error.NetworkError()) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FtpSocksTest,
    ::testing::Values(SocksCase{"Socks4", TSocksType::stSocks4, false, "SOCKS4 user= host=127.0.0.1 port="},
                      SocksCase{"Socks4User", TSocksType::stSocks4, true, "SOCKS4 user=proxyuser host=127.0.0.1 port="},
                      SocksCase{"Socks4A", TSocksType::stSocks4A, false, "SOCKS4 user= host=localhost port="},
                      SocksCase{"Socks5", TSocksType::stSocks5, false, ""},
                      SocksCase{"Socks5User", TSocksType::stSocks5, true, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FtpClientTest, Socks5RefusesAWrongProxyPassword) {
  StartServer();
  ServerProcess proxy;
  proxy.StartProgram("/usr/bin/microsocks", {"-i", "127.0.0.1", "-p"}, {"-u", "proxyuser", "-P", "proxypass"});
  update::TQVFtp ftp;
  Login(ftp);
  ftp.Target.Socks = TSocksType::stSocks5;
  ftp.Target.SocksHost = "127.0.0.1";
  ftp.Target.SocksPort = proxy.Port();
  ftp.Target.SocksAuthentication = true;
  ftp.Target.SocksUsername = "proxyuser";
  ftp.Target.SocksPassword = "falsch";
  EXPECT_THROW(ftp.ConnectOnce(), EFtpError);
  ftp.Target.SocksPassword = "proxypass";
  EXPECT_NO_THROW(ftp.ConnectOnce());
}

}  // namespace
