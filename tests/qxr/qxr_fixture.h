#pragma once
// A small rights file for the qxr tests, and the built qxr run on it.
#include <gtest/gtest.h>

#include <QProcess>
#include <string>

#include "rights/rechte_datei.h"
#include "support/temp_dir.h"

// What one run of qxr gave.
struct QxrRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline QxrRun RunQxr(const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.start(QStringLiteral(QXR_BINARY), arguments);
  EXPECT_TRUE(process.waitForStarted());
  process.write(input);
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

// Users 1 Admin, 2 Vorlage, 3 anna (in group 1 Buchhaltung, equivalent to
// bert), 4 bert (in group 2 Lager, equivalent back to anna: a cycle),
// 5 carl (locked, password expired). Rights: module 1 (LED) for client 5
// through group 1; catalog right 1200 with LED for client 5 held by bert;
// catalog right 1300 with BIL only held by anna (filtered out); general right
// 103 for client 0 held by group 2; module 3 for client 7 held by carl.
inline void FillFixture(rights::TRechteDatei& file) {
  file.CreateStdUsers("Geheim!1");
  auto addUser = [&](const char* name, const char* login, bool locked) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Bez = name;
    user->Func = "Buchhaltung";
    user->Login = login;
    user->Passwd = std::string("pw-") + login;
    user->Locked = locked;
    user->PWExpired = locked;
    file.UserList().AddItem(std::move(user));
  };
  addUser("Anna Ärmel", "anna", false);
  addUser("Bert", "bert", false);
  addUser("Carl", "carl", true);
  for (const char* name : {"Buchhaltung", "Lager"}) {
    auto group = std::make_unique<rights::TFIGroup>();
    group->Bez = name;
    file.GroupList().AddItem(std::move(group));
  }
  file.AssgnList().AddUs2Grp(3, 1);
  file.AssgnList().AddUsEqui(3, 4);
  file.AssgnList().AddUs2Grp(4, 2);
  file.AssgnList().AddUsEqui(4, 3);
  auto& rightsList = file.AssRightList();
  rightsList.AddUsGrRight(false, 1, 1, rights::EmptyModulesStr(), 5, true);
  rightsList.AddUsGrRight(true, 4, 1200, "K        ", 5, true);
  rightsList.AddUsGrRight(true, 3, 1300, "  B      ", 5, true);
  rightsList.AddUsGrRight(false, 2, 103, rights::EmptyModulesStr(), 0, true);
  rightsList.AddUsGrRight(true, 5, 3, rights::EmptyModulesStr(), 7, true);
  file.SetRightsActive(true);
  file.SetWinDomain("FIRMA");
}

class QxrFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    rights::TRechteDatei file(path);
    FillFixture(file);
    file.Write();
  }

  rights::TRechteDatei Load(const std::string& fileName) const {
    rights::TRechteDatei file(fileName);
    file.Read(true);
    return file;
  }

  static QString Q(const std::string& text) { return QString::fromStdString(text); }

  TempDir dir;
  const std::string path = dir.File("QVRights.qxr");
  const QString file = Q(path);
};
