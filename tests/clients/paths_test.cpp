#include "clients/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "clients/terminal.h"
#include "platform/registry.h"
#include "suite_folders.h"

namespace {

namespace fs = std::filesystem;
using clients::GetParamValue;
using clients::ResolveFolders;
using clients::TPathsEnvironment;

class PathsTest : public ::testing::Test {
 protected:
  void SetMachineValue(const std::string& key, const std::string& name, const platform::RegistryValue& value) {
    platform::Registry registry(platform::RegistryRoot::LocalMachine);
    ASSERT_TRUE(registry.OpenKey(key, true));
    if (const auto* text = std::get_if<std::string>(&value)) {
      ASSERT_TRUE(registry.WriteString(name, *text));
    } else {
      ASSERT_TRUE(registry.WriteInteger(name, std::get<std::int32_t>(value)));
    }
  }

  SuiteFolders fMachine;
};

TEST_F(PathsTest, BelowTheQuarnProgramFolderTheDataLiveInTheCommonDocuments) {
  const auto folders = ResolveFolders(fMachine.Environment("opt/QUARN/LedgerPro/rightsadmin"));
  const std::string program = fMachine.Folder("opt/QUARN/LedgerPro");
  const std::string data = fMachine.Folder("srv/QUARN");
  EXPECT_TRUE(folders.UsePublicDocs);
  EXPECT_EQ(folders.ProgramDir, program);
  EXPECT_EQ(folders.PublicDataDir, data);
  EXPECT_EQ(folders.DataDir, data);
  EXPECT_EQ(folders.SettingsDir, data + "SETTINGS/");
  EXPECT_EQ(folders.SettingsFormDir, data + "SETTINGS/FORMULAR/");
  EXPECT_EQ(folders.UpdateDir, data + "UPDATE/");
  EXPECT_EQ(folders.DocsDir, data + "Docs/");
  EXPECT_EQ(folders.LogsDir, data + "Logs/");
  EXPECT_EQ(folders.FormDir, program + "FORMULAR/");
  EXPECT_EQ(folders.PresetDir, program + "VORGABEN/");
  EXPECT_EQ(folders.UpdInfoDir, program + "UPDINFO/");
  EXPECT_TRUE(fs::is_directory(folders.SettingsFormDir));
}

TEST_F(PathsTest, AnInstallationElsewhereKeepsItsDataBesideTheProgram) {
  for (const std::string program : {"apps/qv/rightsadmin", "opt/Andere/rightsadmin", "opt/rightsadmin"}) {
    SCOPED_TRACE(program);
    const auto folders = ResolveFolders(fMachine.Environment(program));
    EXPECT_EQ(folders.DataDir, folders.ProgramDir);
    EXPECT_EQ(folders.SettingsDir, folders.ProgramDir + "SETTINGS/");
    EXPECT_EQ(folders.PublicDataDir, fMachine.Folder("srv/QUARN"));
  }
}

TEST_F(PathsTest, TheDataDirOptionWins) {
  const std::string wanted = (fMachine.Root() / "Mein Daten").string();
  struct Case {
    std::vector<std::string> arguments;
    std::string dataDir;
  };
  const Case cases[] = {
      {{"/DATADIR=" + wanted}, wanted + "/"},
      {{"/DATADIR=" + wanted + "/"}, wanted + "/"},
      {{"/x", "/DATADIR='" + (fMachine.Root() / "Mein").string(), "Daten'", "/y"}, wanted + "/"},
      {{"/DATADIR=" + (fMachine.Root() / "Mein%20Daten").string()}, wanted + "/"},
      {{"/DATADIR='" + (fMachine.Root() / "Mein%20Daten").string() + "'"}, wanted + "/"},
  };
  for (const std::string program : {"opt/QUARN/LedgerPro/rightsadmin", "apps/qv/rightsadmin"}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(program + " " + c.arguments.back());
      auto environment = fMachine.Environment(program);
      environment.arguments = c.arguments;
      const auto folders = ResolveFolders(environment);
      EXPECT_EQ(folders.DataDir, c.dataDir);
      EXPECT_EQ(folders.SettingsDir, c.dataDir + "SETTINGS/");
    }
  }
  // Written in lower case the option is not recognised.
  auto environment = fMachine.Environment("apps/qv/rightsadmin");
  environment.arguments = {"/datadir=" + wanted};
  EXPECT_EQ(ResolveFolders(environment).DataDir, fMachine.Folder("apps/qv"));
}

TEST(GetParamValue, FindsTheFirstOptionAndJoinsQuotedParts) {
  struct Case {
    std::vector<std::string> arguments;
    const char* value;
  };
  const Case cases[] = {
      {{}, ""},
      {{"DATADIR=x", "-DATADIR=x", "/DATADIRX=x", "/DATADIR"}, ""},
      {{"/DATADIR=a", "/DATADIR=b"}, "a"},
      {{"/DATADIR="}, ""},
      {{"/DATADIR=a%20b%20%20c"}, "a b  c"},
      {{"/DATADIR=%%2020"}, "% 20"},
      {{"/DATADIR='C:\\Meine", "Daten\\Hof'", "/NEXT"}, "C:\\Meine Daten\\Hof"},
      {{"/DATADIR='C:\\A", "B", "C'"}, "C:\\A B C"},
      {{"/DATADIR='C:\\A", "B"}, "C:\\A B"},       // runs out without a closing quote
      {{"/DATADIR='C:\\A'", "B'"}, "C:\\A"},        // closed at once
      {{"/DATADIR='", "B'"}, ""},                   // one quote opens and closes
      {{"/DATADIR='C:\\A%20B", "C%20D'"}, "C:\\A B C%20D"},  // only the first part is unescaped
      {{"/DATADIR=C:\\A'"}, "C:\\A'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(GetParamValue("DATADIR", c.arguments), c.value);
  }
}

TEST_F(PathsTest, AProgramOnANetworkDriveKeepsItsDataBesideIt) {
  auto environment = fMachine.Environment("opt/QUARN/LedgerPro/rightsadmin");
  environment.programOnNetworkDrive = true;
  const auto folders = ResolveFolders(environment);
  EXPECT_EQ(folders.DataDir, fMachine.Folder("opt/QUARN/LedgerPro"));
}

TEST_F(PathsTest, WithoutCommonDocumentsTheSettingsFolderIsRelative) {
  const fs::path saved = fs::current_path();
  fs::current_path(fMachine.Root());  // the relative folders are created here
  auto environment = fMachine.Environment("opt/QUARN/LedgerPro/rightsadmin");
  environment.commonDocumentsFolder.clear();
  const auto folders = ResolveFolders(environment);
  fs::current_path(saved);
  EXPECT_EQ(folders.PublicDataDir, "");
  EXPECT_EQ(folders.DataDir, "");
  EXPECT_EQ(folders.SettingsDir, "SETTINGS/");
  EXPECT_TRUE(fs::is_directory(fMachine.Root() / "SETTINGS/FORMULAR"));
}

TEST_F(PathsTest, CommonDocumentsComeFromTheShellOrTheMachinesShellFolders) {
  EXPECT_EQ(clients::GetCommonDocsDir("/srv"), "/srv/QUARN/");
  EXPECT_EQ(clients::GetCommonDocsDir(""), std::nullopt);
  SetMachineValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Common Documents",
                  fMachine.CommonDocs() + "2");
  EXPECT_EQ(clients::GetCommonDocsDir(""), fMachine.Folder("srv2/QUARN"));

  auto environment = fMachine.Environment("opt/QUARN/LedgerPro/rightsadmin");
  environment.commonDocumentsFolder.clear();
  EXPECT_EQ(ResolveFolders(environment).DataDir, fMachine.Folder("srv2/QUARN"));
}

TEST_F(PathsTest, UsePublicDocsComesFromTheProductsMachineKey) {
  SetMachineValue(clients::RegistryBase + "LedgerPro", "UsePublicDocs", std::int32_t{0});
  SetMachineValue(clients::RegistryBase + "BILLING", "UsePublicDocs", std::int32_t{1});
  struct Case {
    const char* program;
    bool usePublicDocs;
  };
  const Case cases[] = {
      {"opt/QUARN/LP/rightsadmin", true},   // no product key
      {"opt/QUARN/LP/ledgerpro", false},    // LED: the key says 0
      {"opt/QUARN/LP/FIGURES", false},      // FIG: the same key
      {"opt/QUARN/LP/Billing", true},       // BIL: the key says 1
      {"opt/QUARN/LP/FarmLine", false},     // FAR: no key, stays false
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    auto environment = fMachine.Environment(c.program);
    EXPECT_EQ(ResolveFolders(environment).UsePublicDocs, c.usePublicDocs);
    // Before Windows 6.0 only UsePublicDocs sends the data to the common documents.
    environment.windowsVersion6OrLater = false;
    EXPECT_EQ(ResolveFolders(environment).DataDir,
              c.usePublicDocs ? fMachine.Folder("srv/QUARN") : fMachine.Folder("opt/QUARN/LP"));
  }
}

TEST_F(PathsTest, TerminalUsersGetTheirNumbersFolder) {
  fs::create_directories(fMachine.Root() / "srv/QUARN/12");
  auto environment = fMachine.Environment("opt/QUARN/LP/rightsadmin");
  environment.terminalUserFolder = "12/";
  const auto folders = ResolveFolders(environment);
  const std::string user = fMachine.Folder("srv/QUARN/12");
  EXPECT_EQ(folders.DataDir, user);
  EXPECT_EQ(folders.PublicDataDir, user);
  EXPECT_EQ(folders.SettingsDir, user + "SETTINGS/");
  EXPECT_EQ(folders.FormDir, user + "FORMULAR/");
  EXPECT_TRUE(fs::is_directory(folders.FormDir));
  EXPECT_EQ(folders.UpdateDir, fMachine.Folder("srv/QUARN/UPDATE"));
  EXPECT_EQ(folders.DocsDir, fMachine.Folder("srv/QUARN/Docs"));
  EXPECT_EQ(folders.LogsDir, user + "Logs/");
}

TEST_F(PathsTest, AMissingTerminalFolderEndsTheProgram) {
  auto environment = fMachine.Environment("opt/QUARN/LP/rightsadmin");
  environment.terminalUserFolder = "13/";
  const std::string folder = fMachine.Folder("srv/QUARN/13");
  try {
    ResolveFolders(environment);
    FAIL() << "no error";
  } catch (const clients::EStartupPathError& error) {
    EXPECT_EQ(error.Caption(), "Fehler in der Terminalkonfiguration");
    EXPECT_EQ(std::string(error.what()), "Das Verzeichnis \"" + folder +
                                             "\" für Terminalumgebung ist nicht vorhanden!\r\r"
                                             "Wenden Sie sich bitte an unseren Systemadministrator.");
  }
  EXPECT_EXIT(clients::InitPaths(environment), ::testing::ExitedWithCode(1),
              "Fehler in der Terminalkonfiguration:\nDas Verzeichnis");
}

TEST_F(PathsTest, TheHostedLayoutNeedsItsShares) {
  auto environment = fMachine.Environment("opt/QUARN/LP/rightsadmin");
  environment.hostedBase = (fMachine.Root() / "host").string();
  environment.terminalUserFolder = "7/";
  const std::string data = fMachine.Folder("host/Daten/7");
  const std::string program = fMachine.Folder("host/Programm");
  const std::string tail = " nicht vorhanden!\r\rWenden Sie sich bitte an unseren Systemadministrator.";
  try {
    ResolveFolders(environment);
    FAIL() << "no error";
  } catch (const clients::EStartupPathError& error) {
    EXPECT_EQ(error.Caption(), "Fehler in der Terminalkonfiguration");
    EXPECT_EQ(std::string(error.what()), "Die Freigabe(n)\r" + data + "\r" + program + "\rsind" + tail);
  }
  fs::create_directories(fMachine.Root() / "host/Programm");
  try {
    ResolveFolders(environment);
    FAIL() << "no error";
  } catch (const clients::EStartupPathError& error) {
    EXPECT_EQ(std::string(error.what()), "Die Freigabe(n)\r" + data + "\rist" + tail);
  }
  EXPECT_EXIT(clients::InitPaths(environment), ::testing::ExitedWithCode(1), "Die Freigabe");

  fs::create_directories(fMachine.Root() / "host/Daten/7");
  const auto folders = ResolveFolders(environment);
  EXPECT_EQ(folders.DataDir, data);
  EXPECT_EQ(folders.ProgramDir, program);
  EXPECT_EQ(folders.PublicDataDir, data);
  EXPECT_EQ(folders.SettingsDir, data + "SETTINGS/");
  EXPECT_EQ(folders.FormDir, data + "FORMULAR/");
  EXPECT_EQ(folders.UpdateDir, data + "UPDATE/");
  EXPECT_EQ(folders.DocsDir, fMachine.Folder("host/Daten/Docs"));
  EXPECT_EQ(folders.PresetDir, program + "VORGABEN/");
}

TEST_F(PathsTest, InitPathsFillsTheProcessFolders) {
  fMachine.InitWithDataDir("daten");
  EXPECT_EQ(clients::DataDir(), fMachine.Folder("daten"));
  EXPECT_EQ(clients::SettingsDir(), fMachine.Folder("daten/SETTINGS"));
  EXPECT_EQ(clients::ProgramDir(), fMachine.Folder("apps/qv"));
  EXPECT_TRUE(clients::UsePublicDocs());
}

TEST(Terminal, AnswersOfTheTerminalServer) {
  EXPECT_TRUE(clients::IsAppModeAnswer("Ausführungsmodus für Anwendungen ist aktiviert.\r\n\n"));
  EXPECT_FALSE(clients::IsAppModeAnswer("Ausführungsmodus für Anwendungen ist aktiviert."));
  EXPECT_FALSE(clients::IsAppModeAnswer("Installationsmodus für Anwendungen ist deaktiviert.\r\n\n"));
  EXPECT_FALSE(clients::IsAppModeAnswer("abc"));

  EXPECT_EQ(clients::TerminalUserFolderOf("12_mueller", "3_x"), "12/");
  EXPECT_EQ(clients::TerminalUserFolderOf("mueller", "3_x_y"), "3/");
  EXPECT_EQ(clients::TerminalUserFolderOf("mueller", "meier"), "");
  EXPECT_EQ(clients::TerminalUserFolderOf("ab_c", "3_x"), "");
  EXPECT_EQ(clients::TerminalUserFolderOf("_c", "3_x"), "");

  // No terminal servers here.
  EXPECT_FALSE(clients::IsTerminalAppMode());
  EXPECT_EQ(clients::TerminalUserFolder(), "");
  EXPECT_FALSE(clients::IsHostedTerminal());
}

}  // namespace
