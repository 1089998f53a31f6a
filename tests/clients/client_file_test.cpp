#include "clients/client_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "clients/paths.h"
#include "rights/errors.h"
#include "support/large_client_list.h"
#include "support/odd_paths.h"
#include "suite_folders.h"

namespace {

namespace fs = std::filesystem;
using clients::TQVClientFile;
using clients::TQVClientProject;
using platform::FileReadResult;
using platform::OpenFailure;

constexpr clients::TQVClientProjects kAll = clients::kAllClientProjects;

rights::TDateTime At(int year, int month, int day, int hour = 0, int minute = 0) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  return rights::DateTimeFromTm(tm);
}

class ClientFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clients::DBServerList().Clear();
    fFolders.InitWithDataDir("daten");
  }
  void TearDown() override { clients::DBServerList().Clear(); }

  void WriteClientFile(const std::string& text) {
    std::ofstream(clients::SettingsDir() + "QVMANDANT.INI", std::ios::binary) << text;
  }

  // Number and name of every item, after SortOnNr.
  static std::vector<std::string> Listed(TQVClientFile& file) {
    file.SortOnNr();
    std::vector<std::string> items;
    for (std::size_t i = 0; i < file.GetCount(); ++i)
      items.push_back(file.GetItem(i).ClientNrAsString() + "  " + file.GetItem(i).ClientName());
    return items;
  }

  std::vector<std::string> LoadedList(const std::string& text, clients::TQVClientProjects filter = kAll) {
    WriteClientFile(text);
    TQVClientFile file(filter);
    file.Load();
    return Listed(file);
  }

  SuiteFolders fFolders;
};

TEST_F(ClientFileTest, WithoutAFileTheListHoldsTheTwoDefaultClients) {
  TQVClientFile file(kAll);
  EXPECT_EQ(file.FileName(), fFolders.Folder("daten") + "SETTINGS/QVMANDANT.INI");
  file.Load();
  EXPECT_EQ(Listed(file), (std::vector<std::string>{"00  Demodaten", "01  Betriebsdaten"}));
  EXPECT_EQ(file.GetItem(0).Projects(), kAll);
  EXPECT_EQ(file.GetItem(1).Projects(), kAll);
  EXPECT_EQ(file.LastFileError(), static_cast<std::uint32_t>(ENOENT));
  EXPECT_EQ(file.LastLastModifyDate(), 0);
  EXPECT_EQ(file.IniFileText(), "");
  EXPECT_THROW(file.GetItem(2), rights::EListError);
}

TEST_F(ClientFileTest, DemoSectionsAndTheDefaultClients) {
  struct Case {
    const char* text;
    std::vector<std::string> listed;
  };
  const Case cases[] = {
      {"[0]\nNR=0\nName=Irgendwas\n", {"00  Demodaten", "01  Betriebsdaten"}},
      {"[0_DEMO]\nNR=0\nDemoDir=DEMO\n", {"00  Demodaten", "01  Betriebsdaten"}},
      // A "0_" section whose DemoDir does not name its folder is no client.
      {"[0_DEMO]\nNR=0\nDemoDir=ANDERS\n[3]\nNR=3\nName=Hof\n", {"00  Demodaten", "03  Hof"}},
      {"[0_DEMO]\nNR=0\n[3]\nNR=3\nName=Hof\n", {"00  Demodaten", "03  Hof"}},
      // With clients in the file no default client 1 is added.
      {"[12]\nNR=12\nName=Agrar GbR\n[3]\nNR=3\nName=Hof\n", {"00  Demodaten", "03  Hof", "12  Agrar GbR"}},
      {"[Allgemein]\nNR=4\n[-1]\nNR=5\n", {"00  Demodaten", "01  Betriebsdaten"}},
      // A demo section without "NR" keeps the number 65535 but stays the demo.
      {"[0]\nName=x\n", {"01  Betriebsdaten", "65535  Demodaten"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LoadedList(c.text), c.listed);
  }
}

TEST_F(ClientFileTest, DemoItemsTakeTheFilterAndTheirFolder) {
  WriteClientFile(
      "[0_Ackerbau]\nNR=0\nDemoDir=Ackerbau\nLedgerPro=1\n"
      "[0_Forst]\nNR=0\nDemoDir=Forst\nName=Wald\n"
      "[7]\nNR=7\nName=Hof Lindenau\nLedgerPro=1\nDemoDir=nicht für Mandanten\n");
  TQVClientFile file(clients::ProjectSet(TQVClientProject::mpTimber));
  file.Load();
  file.SortOnNr();
  ASSERT_EQ(file.GetCount(), 3u);
  const auto& ackerbau = file.GetItem(0);
  EXPECT_EQ(ackerbau.DemoDir(), "Ackerbau");
  EXPECT_EQ(ackerbau.ClientName(), "Demodaten");
  EXPECT_EQ(ackerbau.ClientNrName(), "00 Demodaten");
  EXPECT_EQ(ackerbau.Projects(), clients::ProjectSet(TQVClientProject::mpLedgerPro) |
                                     clients::ProjectSet(TQVClientProject::mpTimber));
  EXPECT_EQ(ackerbau.ClientPath(), clients::DataDir() + "00Ackerbau/");
  EXPECT_EQ(file.GetItem(1).DemoDir(), "Forst");
  const auto& hof = file.GetItem(2);
  EXPECT_EQ(hof.DemoDir(), "");
  EXPECT_EQ(hof.Projects(), clients::ProjectSet(TQVClientProject::mpLedgerPro));
  EXPECT_EQ(hof.ClientPath(), fFolders.Folder("daten") + "07/");
  EXPECT_EQ(hof.ClientNrName(), "07 Hof Lindenau");
  EXPECT_EQ(hof.Owner(), &file);
}

TEST_F(ClientFileTest, NumbersShowWithAtLeastTwoDigits) {
  const auto listed = LoadedList("[5]\nName=ohne NR\n[7]\nNR=7\nName=Sieben\n[123]\nNR=123\nName=Groß\n");
  EXPECT_EQ(listed, (std::vector<std::string>{"00  Demodaten", "07  Sieben", "123  Groß", "65535  ohne NR"}));
}

TEST_F(ClientFileTest, ModuleKeysTurnModulesOnWhenTheyHoldANonZeroNumber) {
  WriteClientFile("[4]\nNR=4\nLedgerPro=1\nLSE=0\nFLG=ja\nlease=1\nTimber=\nBILLING=2\nUNKNOWN7=1\n");
  TQVClientFile file(kAll);
  file.Load();
  using clients::ProjectSet;
  EXPECT_EQ(file.GetItem(0).Projects(), ProjectSet(TQVClientProject::mpLedgerPro) |
                                            ProjectSet(TQVClientProject::mpLease) |
                                            ProjectSet(TQVClientProject::mpBilling));
  EXPECT_EQ(clients::ClientProjectKey(6), "DOC");
  EXPECT_EQ(clients::ClientProjectKey(7), "UNKNOWN7");
}

TEST_F(ClientFileTest, LastChangeAndDatabaseGuid) {
  struct Case {
    const char* lastChange;
    rights::TDateTime expected;
  };
  const Case cases[] = {
      {"01.02.2019 13:45", At(2019, 2, 1, 13, 45)},
      {"1.2.2019 13:45", At(2019, 2, 1, 13, 45)},
      {"24.12.2020", At(2020, 12, 24)},
      {"24.12.2020 7:5", At(2020, 12, 24, 7, 5)},
      {"24.12.2020 25:00", At(2020, 12, 24)},
      {"24.12.2020 :30", At(2020, 12, 24)},
      {"24.12.2020 xx:30", At(2020, 12, 24, 0, 30)},
      {"kein Datum", 0},
      {"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastChange);
    WriteClientFile(std::string("[2]\nNR=2\nletzte Änderung=") + c.lastChange + "\n");
    TQVClientFile file(kAll);
    file.Load();
    EXPECT_DOUBLE_EQ(file.GetItem(0).LastModified(), c.expected);
  }

  WriteClientFile(
      "[2]\nNR=2\nDB-GUID={5C2F6B1E-8A0D-4E7B-9C3A-1F2E3D4C5B6A}\nInfo=Hinweis\nClient Konfiguration=Kfg\n"
      "[3]\nNR=3\nDB-GUID=5C2F6B1E-8A0D-4E7B-9C3A-1F2E3D4C5B6A\n"
      "[4]\nNR=4\nDB-GUID={5C2F6B1E-8A0D-4E7B-9C3A-1F2E3D4C5B6G}\n");
  TQVClientFile file(kAll);
  file.Load();
  EXPECT_EQ(file.GetItem(0).ClientGUID(), "{5C2F6B1E-8A0D-4E7B-9C3A-1F2E3D4C5B6A}");
  EXPECT_EQ(file.GetItem(0).Hint(), "Hinweis");
  EXPECT_EQ(file.GetItem(0).ClientConfig(), "Kfg");
  EXPECT_EQ(file.GetItem(1).ClientGUID(), "");
  EXPECT_EQ(file.GetItem(2).ClientGUID(), "");
}

TEST_F(ClientFileTest, ServerSectionsAreNoClientsAndLinkTheirClients) {
  WriteClientFile(
      "[SERVER-3]\nHostname=srv-db01\nFB3=1\nClients=1,2,Hof,0\nDBPath=D:\\FB\n"
      "[server-3]\nHostname=anderer\nClients=5\n"
      "[SERVER-x]\nHostname=kaputt\nClients=5\n"
      "[SERVER-300]\nClients=5\n"
      "[Server-1-2]\nClients=5\n"
      "[SERVER-4]\nHostname=srv-db02\nFB3=ja\nClients=7\n"
      "[1]\nNR=1\n[2]\nNR=2\n[5]\nNR=5\n[7]\nNR=7\n");
  TQVClientFile file(kAll);
  file.Load();
  EXPECT_EQ(Listed(file), (std::vector<std::string>{"00  Demodaten", "01  ", "02  ", "05  ", "07  "}));

  const auto& servers = clients::DBServerList();
  ASSERT_EQ(servers.Count(), 2u);
  const auto three = servers.ByNr(3);
  ASSERT_TRUE(three);
  EXPECT_EQ(three->HostName(), "srv-db01");
  EXPECT_EQ(three->DBPath(), "D:\\FB");
  EXPECT_TRUE(three->IsFB3());
  EXPECT_EQ(three->Clients().GetText(), "1,2");
  EXPECT_FALSE(three->HasClient(0));
  EXPECT_FALSE(servers.ByNr(4)->IsFB3());

  EXPECT_EQ(file.GetItem(1).DBServerItem(), three);
  EXPECT_EQ(file.GetItem(2).DBServerItem(), three);
  EXPECT_EQ(file.GetItem(3).DBServerItem(), nullptr);
  EXPECT_EQ(file.GetItem(4).DBServerItem(), servers.ByNr(4));
  EXPECT_EQ(file.GetItem(0).DBServerItem(), nullptr);

  // A second load keeps the servers already known.
  WriteClientFile("[SERVER-3]\nHostname=neu\nClients=9\n[9]\nNR=9\n");
  file.Load();
  EXPECT_EQ(servers.ByNr(3)->HostName(), "srv-db01");
  EXPECT_EQ(file.GetItem(0).DBServerItem(), nullptr);
}

TEST_F(ClientFileTest, IdListKeepsValidNumbersOnce) {
  clients::TIDList list;
  list.SetText(" 4, 2,4,-3,0,,x, 5 ,2147483648", ',');
  EXPECT_EQ(list.GetText(), "4,2,-3,5");
  EXPECT_FALSE(list.Add(0));
  EXPECT_FALSE(list.Add(2));
  EXPECT_TRUE(list.Add(9));
  EXPECT_EQ(list.Count(), 5u);
}

// Sections are found through an index; this checks it finds the right ones
// among many (the speed is measured in bench/).
TEST_F(ClientFileTest, AHundredThousandSectionsLoadInFileOrder) {
  constexpr int kCount = 100000;
  TQVClientFile file(kAll);
  file.LoadFromBytes(LargeClientListText(kCount) + "[5]\nNR=5\nName=Zweite Fassung\n[SERVER-1]\nClients=7\n");
  ASSERT_EQ(file.GetCount(), kCount + 2u);  // the repeated [5] and the demo client
  for (const int i : {1, 2, 5, 4711, 65535}) {
    SCOPED_TRACE(i);
    const auto& item = file.GetItem(static_cast<std::size_t>(i - 1));
    EXPECT_EQ(item.ClientNr(), i);
    EXPECT_EQ(item.ClientName(), "Hof " + std::to_string(i));
    EXPECT_EQ(item.Projects(), clients::ProjectSet(TQVClientProject::mpLedgerPro));
  }
  // 16 bits keep the number, as for any client.
  EXPECT_EQ(file.GetItem(kCount - 1).ClientName(), "Hof " + std::to_string(kCount));
  EXPECT_EQ(file.GetItem(kCount - 1).ClientNr(), kCount % 65536);
  EXPECT_EQ(file.GetItem(4711 - 1).DBServerItem(), clients::DBServerList().ByNr(1));
  EXPECT_EQ(file.GetItem(4712 - 1).DBServerItem(), nullptr);
  // A repeated section reads the keys of the first of that name; so does a repeated server.
  EXPECT_EQ(file.GetItem(kCount).ClientName(), "Hof 5");
  EXPECT_EQ(file.GetItem(kCount + 1).ClientName(), "Demodaten");
  EXPECT_EQ(clients::DBServerList().ByNr(1)->Clients().GetText(), "4711");
}

TEST_F(ClientFileTest, ReadsUtf8WithOrWithoutByteOrderMark) {
  for (const std::string prefix : {"", "\xEF\xBB\xBF"}) {
    WriteClientFile(prefix + "[3]\r\nNR=3\r\nName=Gänsehof Börde\r\n");
    TQVClientFile file(kAll);
    file.Load();
    ASSERT_EQ(file.GetCount(), 2u);
    EXPECT_EQ(file.GetItem(0).ClientName(), "Gänsehof Börde");
    EXPECT_EQ(file.IniFileText(), "[3]\r\nNR=3\r\nName=Gänsehof Börde\r\n");
  }
}

TEST_F(ClientFileTest, RecordsTheFilesLastWriteTime) {
  WriteClientFile("[3]\nNR=3\n");
  const auto when = fs::file_time_type::clock::now() - std::chrono::hours(50);
  fs::last_write_time(clients::SettingsDir() + "QVMANDANT.INI", when);
  TQVClientFile file(kAll);
  file.Load();
  const auto expected =
      rights::DateTimeFromSystemTime(std::chrono::time_point_cast<std::chrono::system_clock::duration>(
          std::chrono::file_clock::to_sys(when)));
  EXPECT_NEAR(file.LastLastModifyDate(), expected, 1.0 / 86400);
  EXPECT_EQ(file.LastFileError(), 0u);
}

TEST_F(ClientFileTest, AMissingSettingsFolderIsCreated) {
  fs::remove_all(clients::SettingsDir());
  TQVClientFile file(kAll);
  file.Load();
  EXPECT_TRUE(fs::is_directory(clients::SettingsDir()));
  EXPECT_EQ(file.GetCount(), 2u);
  EXPECT_EQ(file.LastFileError(), static_cast<std::uint32_t>(ENOENT));
}

TEST_F(ClientFileTest, AccessDeniedIsTriedAgain255Times) {
  WriteClientFile("[3]\nNR=3\nName=Hof\n");
  for (const int refusals : {3, 1000}) {
    SCOPED_TRACE(refusals);
    int tries = 0;
    TQVClientFile file(kAll);
    file.SetFileReader([&](const std::string& name) {
      if (++tries <= refusals) return FileReadResult{OpenFailure::AccessDenied, EACCES, "Permission denied", {}};
      return platform::ReadFileDenyingWrites(name);
    });
    const auto started = std::chrono::steady_clock::now();
    file.Load();
    if (refusals == 3) {
      EXPECT_EQ(tries, 4);
      EXPECT_EQ(Listed(file), (std::vector<std::string>{"00  Demodaten", "03  Hof"}));
      EXPECT_EQ(file.LastFileError(), 0u);
    } else {
      EXPECT_EQ(tries, 255);
      EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(254 * 10));
      EXPECT_EQ(Listed(file), (std::vector<std::string>{"00  Demodaten", "01  Betriebsdaten"}));
      EXPECT_EQ(file.LastFileError(), static_cast<std::uint32_t>(EACCES));
    }
  }
}

TEST_F(ClientFileTest, OtherOpenErrorsAreRaisedWithTheSystemsText) {
  TQVClientFile file(kAll);
  file.SetFileReader([](const std::string&) {
    return FileReadResult{OpenFailure::Other, 32, "Der Prozess kann nicht auf die Datei zugreifen.", {}};
  });
  try {
    file.Load();
    FAIL() << "no error";
  } catch (const rights::EFileError& error) {
    EXPECT_EQ(std::string(error.what()), "Datei " + clients::SettingsDir() +
                                             "QVMANDANT.INI kann nicht geöffnet werden. Der Prozess kann "
                                             "nicht auf die Datei zugreifen.");
  }
  EXPECT_EQ(file.LastFileError(), 32u);
  EXPECT_EQ(file.GetCount(), 0u);
}

TEST_F(ClientFileTest, OnlyARegularFileIsReadAndNothingWaits) {
  const OddPaths odd("daten/SETTINGS/QVMANDANT.INI");
  for (const OddPath& path : odd.Cases()) {
    SCOPED_TRACE(path.label);
    fFolders.InitWithDataDir(fs::path(path.path).parent_path().parent_path().string());
    TQVClientFile file(kAll);
    ASSERT_EQ(file.FileName(), path.path);
    if (path.kind == OddKind::Pipe || path.kind == OddKind::Folder) {
      ExpectRefusal<rights::EFileError>(path, [&] { file.Load(); });
    } else {  // missing, and refused 255 times: the default clients
      file.Load();
      EXPECT_EQ(Listed(file), (std::vector<std::string>{"00  Demodaten", "01  Betriebsdaten"}));
    }
  }
}

TEST_F(ClientFileTest, TheDemoClientListLoads) {
  std::ifstream in(QXR_SOURCE_DIR "/data/demo/SETTINGS/QVMANDANT.INI", std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(text.empty());
  WriteClientFile(text);
  TQVClientFile file(kAll);
  file.Load();
  file.SortOnNr();
  ASSERT_GE(file.GetCount(), 7u);
  EXPECT_EQ(file.GetItem(0).ClientNr(), 0);
  EXPECT_EQ(file.GetItem(0).DemoDir(), "DEMO");
  EXPECT_GT(file.GetItem(file.GetCount() - 1).ClientNr(), 99);
  ASSERT_EQ(clients::DBServerList().Count(), 1u);
  for (std::size_t i = 1; i < file.GetCount(); ++i) {
    const auto& item = file.GetItem(i);
    SCOPED_TRACE(item.ClientNrName());
    EXPECT_NE(item.ClientNr(), 65535);
    EXPECT_FALSE(item.ClientName().empty());
    EXPECT_NE(item.Projects(), 0);
    EXPECT_GT(item.LastModified(), At(2015, 1, 1));
    EXPECT_FALSE(item.ClientGUID().empty());
    EXPECT_TRUE(item.DBServerItem());
  }
}

}  // namespace
