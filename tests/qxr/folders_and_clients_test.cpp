// paths and clients on a temporary machine: the folders and the client list
// as the programs of the suite find them. In process, because on the real
// machine the folder code creates the public data folder.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <filesystem>

#include "client_list_view.h"
#include "clients/db_server.h"
#include "clients/suite_folders.h"
#include "command.h"
#include "suite_folders_view.h"

namespace {

class QxrSuite : public ::testing::Test {
 protected:
  void SetUp() override { clients::DBServerList().Clear(); }
  void TearDown() override { clients::DBServerList().Clear(); }

  clients::TPathsEnvironment StartedWithDataDir(const std::string& data) {
    auto environment = machine.Environment("apps/qv/rightsadmin");
    environment.arguments = {"/DATADIR=" + machine.Folder(data)};
    return environment;
  }

  SuiteFolders machine;
};

}  // namespace

TEST_F(QxrSuite, PathsAreTheFolderVariablesForTheArguments) {
  const QJsonObject folders = qxr::FoldersToJson(qxr::ResolveSuiteFolders(StartedWithDataDir("daten")));
  EXPECT_EQ(folders["program_dir"].toString().toStdString(), machine.Folder("apps/qv"));
  EXPECT_EQ(folders["data_dir"].toString().toStdString(), machine.Folder("daten"));
  EXPECT_EQ(folders["settings_dir"].toString().toStdString(), machine.Folder("daten/SETTINGS"));
  EXPECT_EQ(folders["public_data_dir"].toString().toStdString(), machine.Folder("srv/QUARN"));
  EXPECT_EQ(folders["preset_dir"].toString().toStdString(), machine.Folder("apps/qv/VORGABEN"));
  EXPECT_TRUE(folders["use_public_docs"].toBool());
  EXPECT_EQ(folders.size(), 12);
}

TEST_F(QxrSuite, PathsReportWhereTheProgramWouldEndAtStart) {
  auto environment = machine.Environment("apps/qv/rightsadmin");
  environment.hostedBase = machine.Folder("hosted");  // neither Daten nor Programm exists there
  try {
    qxr::ResolveSuiteFolders(environment);
    FAIL() << "no failure";
  } catch (const qxr::Failure& failure) {
    EXPECT_EQ(failure.Code(), qxr::ExitCheckFailed);
    EXPECT_NE(std::string(failure.what()).find("Die Freigabe(n)"), std::string::npos) << failure.what();
  }
}

TEST_F(QxrSuite, ClientsAreTheListAsTheAdministrationProgramReadsIt) {
  const std::filesystem::path settings = machine.Folder("daten/SETTINGS");
  std::filesystem::create_directories(settings);
  std::filesystem::copy_file(QXR_DEMO_CLIENT_LIST, settings / "QVMANDANT.INI");
  const auto list = qxr::LoadClientList(StartedWithDataDir("daten"));
  const QJsonObject json = qxr::ClientListToJson(*list);
  EXPECT_EQ(json["file"].toString().toStdString(), (settings / "QVMANDANT.INI").string());
  const QJsonArray listed = json["clients"].toArray();
  ASSERT_GE(listed.size(), 3);
  const QJsonObject demo = listed[0].toObject();
  EXPECT_EQ(demo["number_text"].toString(), "00");
  EXPECT_EQ(demo["name"].toString(), "Demodaten");
  EXPECT_EQ(demo["modules"].toArray().size(), 7);  // the filter's modules join the demo client's
  const QJsonObject first = listed[1].toObject();
  EXPECT_EQ(first["number"].toInt(), 1);
  EXPECT_EQ(first["db_server"].toInt(), 1);
  EXPECT_EQ(first["path"].toString().toStdString(), machine.Folder("daten/01"));
  EXPECT_EQ(first["last_modified"].toString(), "2025-09-02 16:40:00");
}

TEST_F(QxrSuite, WithoutAListFileTheDefaultClientsAreListed) {
  const QJsonArray listed =
      qxr::ClientListToJson(*qxr::LoadClientList(StartedWithDataDir("leer")))["clients"].toArray();
  ASSERT_EQ(listed.size(), 2);
  EXPECT_EQ(listed[0].toObject()["name"].toString(), "Demodaten");
  EXPECT_EQ(listed[1].toObject()["name"].toString(), "Betriebsdaten");
  EXPECT_TRUE(listed[1].toObject()["last_modified"].isNull());
}
