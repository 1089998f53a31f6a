#include <gtest/gtest.h>

#include <fstream>

#include "rights/errors.h"
#include "support/temp_dir.h"
#include "update/crypted_password.h"
#include "update/ftp_config_file.h"
#include "update/settings_text_file.h"
#include "update/update_fixture.h"

namespace {

using update::THttpFtpProxySettings;
using update::TSocksType;

class FtpConfigFile : public ::testing::Test {
 protected:
  static THttpFtpProxySettings Loaded(bool userAccount = false, const std::string& clientNr = {}) {
    THttpFtpProxySettings settings;
    update::LoadSaveFtpSettings(true, settings, userAccount, {}, clientNr);
    return settings;
  }
  static void Save(THttpFtpProxySettings settings) { update::LoadSaveFtpSettings(false, settings); }
  static clients::TQVCustomIniFile Stored() { return update::ReadSettingsIni(update::FtpConfigFileName()).value(); }
  void WriteFile(const std::string& text) const {
    std::ofstream(update::FtpConfigFileName(), std::ios::binary | std::ios::trunc) << text;
  }

  UpdateSuite suite;
};

TEST_F(FtpConfigFile, EveryProxyKindSurvivesWriteAndRead) {
  struct Case {
    int number;
    const char* proxytyp;
    const char* socks;  // null: no "Socks" key
  };
  const Case cases[] = {
      {0, "0", nullptr},  {1, "1", nullptr},  {2, "2", nullptr},   {3, "3", nullptr},
      {4, "4", nullptr},  {5, "5", nullptr},  {64, "0", "4"},      {74, "0", "4A"},
      {80, "0", "5"},     {81, "81", nullptr}, {82, "82", nullptr},
  };
  ASSERT_EQ(std::size(cases), update::ProxyKinds().size());
  for (const Case& c : cases) {
    THttpFtpProxySettings settings;
    update::SetProxyKindNumber(settings.Ftp.ProxySettings, c.number);
    settings.Ftp.ProxySettings.Server = "proxy.example.test";
    settings.Ftp.ProxySettings.Port = 1080;
    Save(settings);

    const clients::TQVCustomIniFile ini = Stored();
    EXPECT_EQ(ini.ReadString("FTP", "PROXYTYP", "?"), c.proxytyp) << c.number;
    EXPECT_EQ(ini.ValueExists("FTP", "Socks"), c.socks != nullptr) << c.number;
    if (c.socks) {
      EXPECT_EQ(ini.ReadString("FTP", "Socks", ""), c.socks) << c.number;
    }

    const THttpFtpProxySettings loaded = Loaded();
    EXPECT_EQ(update::ProxyKindNumber(loaded.Ftp.ProxySettings), c.number);
    EXPECT_EQ(loaded.Ftp.ProxySettings.Server, "proxy.example.test");
    EXPECT_EQ(loaded.Ftp.ProxySettings.Port, 1080);
  }
}

TEST_F(FtpConfigFile, SocksIsReadOnlyWithoutAnFtpProxyKind) {
  WriteFile("[FTP]\r\nPROXYTYP=1\r\nSocks=5\r\n");
  EXPECT_EQ(Loaded().Ftp.ProxySettings.Socks, TSocksType::stNoSocks);
  WriteFile("[FTP]\r\nPROXYTYP=0\r\nSocks=6\r\n");
  EXPECT_EQ(Loaded().Ftp.ProxySettings.Socks, TSocksType::stNoSocks);
  WriteFile("[FTP]\r\nPROXYTYP=0\r\nSocks=4a\r\n");
  EXPECT_EQ(Loaded().Ftp.ProxySettings.Socks, TSocksType::stSocks4A);
}

// A proxy's port is not the FTP server's: taking it over would send the
// login to the proxy's port number on the server.
TEST_F(FtpConfigFile, ProxyPortIsNotTheServerPort) {
  WriteFile("[FTP]\r\nPROXYTYP=0\r\nSocks=5\r\nHOST=socks.example.test\r\nPORT=1080\r\n");
  const THttpFtpProxySettings loaded = Loaded();
  EXPECT_EQ(loaded.Ftp.ProxySettings.Port, 1080);
  EXPECT_EQ(loaded.Ftp.Port, 0);
}

TEST_F(FtpConfigFile, ServerEqualToTheDefaultHostIsNotStored) {
  THttpFtpProxySettings settings;
  settings.Ftp.Server = "ftp.other.test";
  Save(settings);
  EXPECT_EQ(Stored().ReadString("FTP", "SERVER", ""), "ftp.other.test");
  EXPECT_EQ(Loaded().Ftp.Server, "ftp.other.test");

  settings.Ftp.Server = "UPDATES.Example.Test";
  Save(settings);
  EXPECT_FALSE(Stored().ValueExists("FTP", "SERVER"));
  EXPECT_EQ(Loaded().Ftp.Server, "");
}

TEST_F(FtpConfigFile, AuthenticationKeysComeAndGoTogether) {
  THttpFtpProxySettings settings;
  settings.Ftp.ProxySettings = {1, TSocksType::stNoSocks, "proxy", 21, true, "hans", "geheim"};
  Save(settings);
  EXPECT_EQ(Stored().ReadString("FTP", "AUTHENTICATION", ""), "1");
  EXPECT_EQ(Stored().ReadString("FTP", "PASSWORD", ""), "geheim");
  EXPECT_EQ(Loaded().Ftp.ProxySettings, settings.Ftp.ProxySettings);

  settings.Ftp.ProxySettings.Authentication = false;
  Save(settings);
  for (const char* key : {"AUTHENTICATION", "USERNAME", "PASSWORD"}) EXPECT_FALSE(Stored().ValueExists("FTP", key));
  EXPECT_EQ(Loaded().Ftp.ProxySettings.UserName, "");
}

TEST_F(FtpConfigFile, MirrorSection) {
  THttpFtpProxySettings settings;
  settings.FtpMirror = {};
  settings.FtpMirror.Server = "mirror.local";
  settings.FtpMirror.Port = 2121;
  settings.FtpMirror.UserName = "Anonymous";
  settings.FtpMirror.Password = "gast";
  settings.FtpMirror.Passiv = false;
  Save(settings);
  clients::TQVCustomIniFile ini = Stored();
  EXPECT_FALSE(ini.ValueExists("FTP-Mirror", "USERNAME"));
  EXPECT_FALSE(ini.ValueExists("FTP-Mirror", "PASSWORD"));
  THttpFtpProxySettings loaded = Loaded();
  EXPECT_EQ(loaded.FtpMirror.Server, "mirror.local");
  EXPECT_EQ(loaded.FtpMirror.Port, 2121);
  EXPECT_EQ(loaded.FtpMirror.UserName, "anonymous");
  EXPECT_EQ(loaded.FtpMirror.Password, "");
  EXPECT_FALSE(loaded.FtpMirror.Passiv);

  settings.FtpMirror.UserName = "spiegel";
  Save(settings);
  loaded = Loaded();
  EXPECT_EQ(loaded.FtpMirror.UserName, "spiegel");
  EXPECT_EQ(loaded.FtpMirror.Password, "gast");

  settings.FtpMirror.Server.clear();
  Save(settings);
  EXPECT_FALSE(Stored().SectionExists("FTP-Mirror"));
  EXPECT_EQ(Loaded().FtpMirror.UserName, "");
}

TEST_F(FtpConfigFile, MissingFileGivesTheInitialSettings) {
  THttpFtpProxySettings settings;
  settings.Ftp.Server = "left.over";
  settings.Ftp.Passiv = false;
  EXPECT_FALSE(update::LoadSaveFtpSettings(true, settings));
  EXPECT_EQ(settings, THttpFtpProxySettings{});
  EXPECT_TRUE(settings.Ftp.Passiv);
  EXPECT_TRUE(settings.FtpMirror.Passiv);
}

TEST_F(FtpConfigFile, HttpProxyStaysInMemory) {
  THttpFtpProxySettings settings;
  settings.Http = {1, TSocksType::stNoSocks, "web.proxy", 3128, true, "u", "p"};
  Save(settings);
  EXPECT_FALSE(Stored().SectionExists("HTTP"));
  EXPECT_EQ(Loaded().Http, update::TProxySettings{});
}

TEST_F(FtpConfigFile, TextIsWindows1252AndOtherKeysStay) {
  WriteFile("[FTP]\r\nEIGENER=bleibt\r\n[HTTP]\r\nNewsServer=news.example.test\r\n");
  THttpFtpProxySettings settings = Loaded();
  EXPECT_EQ(settings.NewsServer, "news.example.test");
  settings.Ftp.LocalDir = "C:\\Ä-Spiegel";
  Save(settings);
  const auto bytes = ReadBytes(update::FtpConfigFileName());
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("LOCALDIR=C:\\\xC4-Spiegel\r\n"), std::string::npos);
  EXPECT_NE(text.find("EIGENER=bleibt"), std::string::npos);
  EXPECT_NE(text.find("NewsServer=news.example.test"), std::string::npos);
  EXPECT_EQ(Loaded().Ftp.LocalDir, "C:\\Ä-Spiegel");
}

TEST_F(FtpConfigFile, AccountPasswordMovesToTheScrambledKey) {
  WriteFile("[FTP]\r\nUSER-USERNAME=kunde\r\nUSER-PASSWORD=klartext\r\nSTARTDIR=/daten\r\nUSER-PORT=2100\r\n");
  THttpFtpProxySettings loaded = Loaded(true);
  EXPECT_EQ(loaded.Ftp.UserName, "kunde");
  EXPECT_EQ(loaded.Ftp.Password, "klartext");
  EXPECT_EQ(loaded.Ftp.StartDir, "/daten");
  EXPECT_EQ(loaded.Ftp.Port, 2100);
  clients::TQVCustomIniFile ini = Stored();
  EXPECT_FALSE(ini.ValueExists("FTP", "USER-PASSWORD"));
  EXPECT_EQ(update::DecryptPassword(ini.ReadString("FTP", "USER-PASSWORDCRYPTED", "")), "klartext");

  // Both keys: the scrambled one counts and the plain one goes.
  WriteFile("[FTP]\r\nUSER-USERNAME=kunde\r\nUSER-PASSWORD=alt\r\nUSER-PASSWORDCRYPTED=" +
            update::EncryptPassword("neu") + "\r\n");
  EXPECT_EQ(Loaded(true).Ftp.Password, "neu");
  EXPECT_FALSE(Stored().ValueExists("FTP", "USER-PASSWORD"));
}

TEST_F(FtpConfigFile, AccountOfAClientWithAlias) {
  WriteFile("[FTP]\r\nUSER-7-Alias=Hof Meier\r\nUSER-7-USERNAME=meier\r\nUSER-7-PASSWORDCRYPTED=" +
            update::EncryptPassword("m-geheim") + "\r\nUSER-7-PassivMode=0\r\nUSER-USERNAME=andere\r\n");
  const THttpFtpProxySettings loaded = Loaded(true, "7");
  EXPECT_EQ(loaded.Ftp.Alias, "Hof Meier");
  EXPECT_EQ(loaded.Ftp.UserName, "meier");
  EXPECT_EQ(loaded.Ftp.Password, "m-geheim");
  EXPECT_FALSE(loaded.Ftp.Passiv);
  EXPECT_EQ(loaded.Ftp.Server, UpdateSuite::kDefaultHost);

  // A client without alias uses the plain account.
  EXPECT_EQ(Loaded(true, "8").Ftp.UserName, "andere");
}

TEST_F(FtpConfigFile, AccountWriteKeepsAnUnchangedScrambledPassword) {
  THttpFtpProxySettings settings;
  settings.Ftp.UserName = "kunde";
  settings.Ftp.Password = "geheim";
  settings.Ftp.StartDir = "/in";
  update::LoadSaveFtpSettings(false, settings, true);
  const std::string crypted = Stored().ReadString("FTP", "USER-PASSWORDCRYPTED", "");
  EXPECT_EQ(update::DecryptPassword(crypted), "geheim");
  update::LoadSaveFtpSettings(false, settings, true);
  EXPECT_EQ(Stored().ReadString("FTP", "USER-PASSWORDCRYPTED", ""), crypted);

  settings.Ftp.UserName.clear();
  settings.Ftp.StartDir.clear();
  update::LoadSaveFtpSettings(false, settings, true);
  for (const char* key : {"USER-USERNAME", "USER-PASSWORDCRYPTED", "USER-STARTDIR"})
    EXPECT_FALSE(Stored().ValueExists("FTP", key)) << key;
}

TEST_F(FtpConfigFile, UnchangedSettingsLeaveTheFileAlone) {
  THttpFtpProxySettings settings;
  settings.Ftp.ProxySettings.UseProxy = 2;
  Save(settings);
  const auto before = platform::FileLastWriteTime(update::FtpConfigFileName());
  std::filesystem::last_write_time(update::FtpConfigFileName(),
                                   std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  const auto aged = platform::FileLastWriteTime(update::FtpConfigFileName());
  Save(settings);
  EXPECT_EQ(platform::FileLastWriteTime(update::FtpConfigFileName()), aged);
  EXPECT_NE(before, aged);
}

TEST_F(FtpConfigFile, AFailedWriteIsRaised) {
  // A plain file where the settings folder should be: nothing can be written there.
  std::filesystem::remove_all(clients::SettingsDir());
  std::ofstream(clients::SettingsDir().substr(0, clients::SettingsDir().size() - 1)) << "kein Ordner";
  THttpFtpProxySettings settings;
  EXPECT_THROW(Save(settings), rights::EFileError);
  EXPECT_FALSE(update::LoadSaveFtpSettings(true, settings));
}

}  // namespace
