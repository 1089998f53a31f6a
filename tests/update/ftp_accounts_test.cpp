// The connect loop: a refused login or a network error asks the account
// service (SOAP over HTTP), then the accounts file (a zipped INI file over
// HTTP), for another login; all servers are fixtures on 127.0.0.1.
#include <gtest/gtest.h>

#include "clients/zip_ini_file.h"
#include "support/server_process.h"
#include "update/alternative_accounts.h"
#include "update/crypted_password.h"
#include "update/ftp_fixture.h"
#include "update/update_fixture.h"

namespace {

struct LoopCase {
  const char* Name;
  bool StartWithClosedPort;  // a network error instead of 530 first
  const char* ServiceName;   // the service the account service answers for
  const char* ServicePassword;
  const char* FilePassword;  // empty: the accounts file has no such section
  bool Connects;
  std::vector<std::string> LogAfterFirstError;  // the log without the server's error texts
};

class ConnectLoopTest : public FtpClientTest, public ::testing::WithParamInterface<LoopCase> {
 protected:
  void SetUpServers(const LoopCase& loop) {
    StartServer();
    std::filesystem::create_directories(fWeb.Path() / "Updates");
    if (*loop.FilePassword) {
      clients::TZipIniFile accounts;
      accounts.SetFileName(fWeb.File("Updates/QVAccounts.dat"));
      accounts.SetPassword("zip-geheim");
      accounts.WriteString("Updates", "Host", "127.0.0.1");
      accounts.WriteString("Updates", "Port", std::to_string(fServer->Port()));
      accounts.WriteString("Updates", "Username", "updates");
      accounts.WriteString("Updates", "Password", loop.FilePassword);
      accounts.SaveToFile();
    }
    WriteText(fWeb.File("answer.xml"),
              std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                          "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                          "<SOAP-ENV:Body><ns1:getAccnDataResponse xmlns:ns1=\"urn:qvAccounts\">"
                          "<service>") + loop.ServiceName + "</service><host>127.0.0.1</host><port>" +
                  std::to_string(fServer->Port()) + "</port><user>" + update::EncryptPassword("updates") +
                  "</user><password>" + update::EncryptPassword(loop.ServicePassword) +
                  "</password><startdir>/Updates</startdir></ns1:getAccnDataResponse></SOAP-ENV:Body>"
                  "</SOAP-ENV:Envelope>");
    fHttp.StartFixture("http_server.py", {"--root", QString::fromStdString(fWeb.Path().string()), "--post-answer",
                                          QString::fromStdString(fWeb.File("answer.xml")), "--log",
                                          QString::fromStdString(fWeb.File("post.log"))});
    const std::string web = "http://127.0.0.1:" + std::to_string(fHttp.Port());
    const int ftpPort = loop.StartWithClosedPort ? ServerProcess::FreePort() : fServer->Port();
    fSuite.UseUpdateIni("[Update]\r\nHost=127.0.0.1\r\nAccountsFileURL=" + web +
                        "/Updates/QVAccounts.dat\r\nAccountsFilePassword=zip-geheim\r\nAccountServiceURL=" + web +
                        "/qvAccounts.php\r\n[Updates]\r\nHost=127.0.0.1\r\nPort=" + std::to_string(ftpPort) +
                        "\r\nUsername=updates\r\nPassword=falsch\r\n");
  }

  UpdateSuite fSuite;
  TempDir fWeb;
  ServerProcess fHttp;
};

TEST_P(ConnectLoopTest, TriesServiceThenFileThenGivesUp) {
  const LoopCase& loop = GetParam();
  SetUpServers(loop);
  update::TQVFtp ftp;
  ftp.SetAccount(update::TQVFTPAccount::facUpdates);
  std::vector<std::string> log;
  ftp.FAddLineProc = [&](const std::string& line) { log.push_back(line); };
  if (loop.Connects) {
    ASSERT_NO_THROW(ftp.Connect());
    EXPECT_TRUE(ftp.Connected());
  } else {
    EXPECT_THROW(ftp.Connect(), update::EFtpError);
  }
  std::vector<std::string> withoutErrors;
  for (std::size_t i = 1; i < log.size(); i += 2) withoutErrors.push_back(log[i]);
  EXPECT_EQ(withoutErrors, loop.LogAfterFirstError);
  for (std::size_t i = 0; i < log.size(); i += 2)
    EXPECT_TRUE(log[i].rfind("530", 0) == 0 || loop.StartWithClosedPort) << log[i];
  // The service was asked for this account with the SOAP operation.
  const std::string posted = Text(fWeb.File("post.log"));
  EXPECT_NE(posted.find("POST /qvAccounts.php \"urn:qvAccounts#getAccnData\""), std::string::npos) << posted;
  EXPECT_NE(posted.find("<service>Updates</service>"), std::string::npos) << posted;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectLoopTest,
    ::testing::Values(
        LoopCase{"ServiceHelps", false, "Updates", "geheim", "", true, {"versuche 2.Zugang für Updates"}},
        LoopCase{"FileHelps", false, "Updates", "auchfalsch", "geheim", true,
                 {"versuche 2.Zugang für Updates", "versuche 3.Zugang für Updates"}},
        LoopCase{"NothingHelps", false, "Updates", "auchfalsch", "nochfalsch", false,
                 {"versuche 2.Zugang für Updates", "versuche 3.Zugang für Updates"}},
        LoopCase{"ServiceAnswersForAnother", false, "DBUpload", "geheim", "geheim", false, {}},
        LoopCase{"NetworkErrorThenService", true, "Updates", "geheim", "", true, {"versuche 2.Zugang für Updates"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(AccountServiceAnswerTest, RefusesDamagedAnswers) {
  const std::string user = update::EncryptPassword("u"), password = update::EncryptPassword("p");
  const std::string good = "<a><service>Updates</service><host>h</host><port>2121</port><user>" + user +
                           "</user><password>" + password + "</password></a>";
  const auto account = update::ParseAccountServiceAnswer(good, "Updates");
  ASSERT_TRUE(account);
  EXPECT_EQ(account->Host, "h");
  EXPECT_EQ(account->Port, 2121);
  EXPECT_EQ(account->Username, "u");
  EXPECT_EQ(account->Password, "p");
  for (const std::string& bad : {std::string("<a><service>Updates</service><host>h</a>"), std::string("kein XML"),
                                std::string("<a><service><b/>Updates</service></a>"), std::string("")})
    EXPECT_FALSE(update::ParseAccountServiceAnswer(bad, "Updates")) << bad;
  EXPECT_EQ(update::ParseAccountServiceAnswer("<a><service>Updates</service><port>99999</port></a>", "Updates")->Port, 21);
}

}  // namespace

namespace {

// Any other error switches to passive mode, once.
TEST_F(FtpClientTest, OtherErrorsSwitchToPassiveModeOnce) {
  for (const int refusals : {1, 2}) {
    StartServer(true, 0, refusals);
    update::TQVFtp ftp;
    Login(ftp);
    ftp.Target.Passive = false;
    std::vector<std::string> log;
    if (refusals == 1) {
      ftp.ConnectWithRetry(update::TQVFTPAccount::facNone, [&](const std::string& line) { log.push_back(line); });
      EXPECT_TRUE(ftp.Connected());
    } else {
      try {
        ftp.ConnectWithRetry(update::TQVFTPAccount::facNone, [&](const std::string& line) { log.push_back(line); });
        FAIL() << "connected to a server that refused twice";
      } catch (const update::EFtpError& error) {
        EXPECT_EQ(error.ReplyCode(), 421) << error.what();
      }
    }
    EXPECT_TRUE(ftp.Target.Passive);
    EXPECT_EQ(log, std::vector<std::string>{"verwende nun passiven Zugang"});
  }
}

}  // namespace
