#pragma once
// A rights file on disk and a library state reset around each test.
#include <gtest/gtest.h>

#include <filesystem>

#include "query/library_state.h"
#include "query/rightsquery.h"
#include "rights/rechte_datei.h"
#include "support/temp_dir.h"

// Users: 1 Admin ("Geheim!1"), 2 template, 3 jmueller ("eins", member of
// group 1), 4 gesperrt ("zwei", locked), 5 eva ("alt", password expired).
// Group 1 holds module 1 and right 1200 for client 3; user 3 holds 1300 for client 3.
class QueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DisposeRightsFile();
    query::LibraryState::Instance().SetAccountLookup([] { return platform::Account{}; });
    rights::TRechteDatei file(path);
    file.CreateStdUsers("Geheim!1");
    AddUser(file, "Jörg Müller", "jmueller", "eins", false, false);
    AddUser(file, "Gesperrt", "gesperrt", "zwei", true, false);
    AddUser(file, "Eva Korn", "eva", "alt", false, true);
    auto group = std::make_unique<rights::TFIGroup>();
    group->Bez = "Buchhaltung";
    file.GroupList().AddItem(std::move(group));
    file.AssgnList().AddUs2Grp(3, 1);
    file.AssRightList().AddUsGrRight(false, 1, 1, rights::EmptyModulesStr(), 3, true);
    file.AssRightList().AddUsGrRight(false, 1, 1200, "K        ", 3, true);
    file.AssRightList().AddUsGrRight(true, 3, 1300, "K        ", 3, true);
    file.SetRightsActive(true);
    file.Write();
    version = file.RFHeader().Version;
    timeStamp = file.RFHeader().TimeStamp;
  }
  void TearDown() override {
    DisposeRightsFile();
    query::LibraryState::Instance().SetAccountLookup(&platform::CurrentAccount);
  }

  static void AddUser(rights::TRechteDatei& file, const std::string& name, const std::string& login,
                      const std::string& password, bool locked, bool expired) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Bez = name;
    user->Login = login;
    user->Passwd = password;
    user->Locked = locked;
    user->PWExpired = expired;
    file.UserList().AddItem(std::move(user));
  }

  // Saves the file as the administration program would, with a later modification time.
  void SaveFromElsewhere(const std::function<void(rights::TRechteDatei&)>& change) {
    rights::TRechteDatei other(path);
    other.Read(true);
    change(other);
    other.Write();
    const auto later = std::filesystem::last_write_time(path) + std::chrono::seconds(2);
    std::filesystem::last_write_time(path, later);
  }

  TempDir dir;
  std::string path = dir.File("QVRights.qxr");
  std::int32_t version = 0;
  double timeStamp = 0;
};
