// The exports as a suite program uses them.
#include <thread>

#include "query_fixture.h"
#include "support/file_size_limit.h"

namespace {

std::string LastErrorText() {
  char buffer[256];
  GetLastErrorText(buffer, sizeof buffer);
  return buffer;
}

}  // namespace

TEST_F(QueryTest, LoadsOnDemandAndKeepsTheLoadedFile) {
  EXPECT_FALSE(GetRightsActive(dir.File("missing.qxr").c_str()));
  EXPECT_EQ(query::LibraryState::Instance().RightsFile(), nullptr);

  std::int32_t id = 0;
  EXPECT_EQ(QXRLogin(path.c_str(), "admin", "Geheim!1", &id, 0, nullptr, 0, 0.0), 0);
  EXPECT_EQ(id, 1);
  // Once loaded, the path given is not looked at.
  EXPECT_TRUE(GetRightsActive(dir.File("missing.qxr").c_str()));

  DisposeRightsFile();
  DisposeRightsFile();  // nothing loaded: nothing happens
  EXPECT_FALSE(GetRightsActive(dir.File("missing.qxr").c_str()));
}

TEST_F(QueryTest, VersionComparison) {
  struct Case {
    std::int32_t requiredVersion;
    double expectedStamp;
    std::int32_t code;
  };
  const Case cases[] = {
      {0, 0.0, 0},  {version, timeStamp, 0}, {version + 1, 0.0, 6},
      {0, timeStamp + 1, 4}, {version + 1, timeStamp + 1, 4},  // 4 wins over 6
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.requiredVersion << " " << c.expectedStamp);
    DisposeRightsFile();
    std::int32_t code = -7;
    EXPECT_EQ(CheckVersion(path.c_str(), c.requiredVersion, &code, c.expectedStamp), c.code == 0);
    EXPECT_EQ(code, c.code);

    DisposeRightsFile();
    std::int32_t id = 0;
    EXPECT_EQ(QXRLogin(path.c_str(), "Admin", "Geheim!1", &id, 0, nullptr, c.requiredVersion, c.expectedStamp),
              c.code);
    // The failed check left the file loaded: the next call signs in without it.
    EXPECT_EQ(QXRLogin(path.c_str(), "Admin", "Geheim!1", &id, 0, nullptr, c.requiredVersion, c.expectedStamp), 0);
  }
}

TEST_F(QueryTest, MissingAndDamagedFiles) {
  const std::string missing = dir.File("missing.qxr");
  std::int32_t code = 0;
  EXPECT_FALSE(CheckVersion(missing.c_str(), 0, &code, 0.0));
  EXPECT_EQ(code, 3);
  std::int32_t id = 42;
  EXPECT_EQ(QXRLogin(missing.c_str(), "Admin", "Geheim!1", &id, 0, nullptr, 0, 0.0), 3);
  EXPECT_EQ(id, 42);

  auto bytes = ReadBytes(path);
  bytes.back() ^= 0xFF;
  WriteBytes(path, bytes);
  EXPECT_FALSE(CheckVersion(path.c_str(), 0, &code, 0.0));
  EXPECT_EQ(code, 5);
  EXPECT_EQ(query::LibraryState::Instance().RightsFile(), nullptr);
  EXPECT_EQ(QXRLogin(path.c_str(), "Admin", "Geheim!1", &id, 0, nullptr, 0, 0.0), 5);
  std::int32_t headerVersion = -1;
  double stamp = -1;
  GetHeaderInfo(path.c_str(), &headerVersion, &stamp);
  EXPECT_EQ(headerVersion, -1);
  EXPECT_EQ(stamp, -1);
  EXPECT_EQ(GetNetwareUser(path.c_str()), nullptr);
}

TEST_F(QueryTest, SignIn) {
  struct Case {
    const char* login;
    const char* password;
    std::int32_t code;
    std::int32_t id;
  };
  const Case cases[] = {
      {"ADMIN", "Geheim!1", 0, 1}, {"JMUELLER", "eins", 0, 3}, {"gesperrt", "zwei", 1, -1},
      {"eva", "alt", 2, 5},        {"admin", "geheim!1", 1, -1}, {"", "", 1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.login);
    std::int32_t id = 0;
    char name[64] = "untouched";
    EXPECT_EQ(QXRLogin(path.c_str(), c.login, c.password, &id, 63, name, 0, 0.0), c.code);
    EXPECT_EQ(id, c.id);
    if (c.id < 0) {
      EXPECT_STREQ(name, "untouched");
    }
  }
}

TEST_F(QueryTest, NameBuffer) {
  std::int32_t id = 0;
  char name[16];
  std::memset(name, 'x', sizeof name);
  EXPECT_EQ(QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, name, 0, 0.0), 0);
  EXPECT_EQ(name[0], '\0');
  EXPECT_EQ(name[1], 'x');
  std::memset(name, 'x', sizeof name);
  EXPECT_EQ(QXRLogin(path.c_str(), "jmueller", "eins", &id, 5, name, 0, 0.0), 0);
  EXPECT_STREQ(name, "Jörg");  // five bytes: "ö" takes two
  EXPECT_EQ(name[6], 'x');
  EXPECT_EQ(QXRLogin(path.c_str(), "jmueller", "eins", &id, 15, name, 0, 0.0), 0);
  EXPECT_STREQ(name, "Jörg Müller");
}

TEST_F(QueryTest, ReplacePasswd) {
  std::int32_t code = 0;
  const auto before = ReadBytes(path);
  EXPECT_FALSE(ReplacePasswd(path.c_str(), "falsch", "neu", 5, &code));
  EXPECT_EQ(code, 1);
  EXPECT_EQ(ReadBytes(path), before);

  code = -7;
  EXPECT_FALSE(ReplacePasswd(path.c_str(), "alt", "neu", 99, &code));  // no such user
  EXPECT_EQ(code, -7);

  EXPECT_TRUE(ReplacePasswd(path.c_str(), "alt", "neu", 5, &code));
  EXPECT_EQ(code, -7) << "success leaves the code alone";
  std::int32_t id = 0;
  EXPECT_EQ(QXRLogin(path.c_str(), "eva", "neu", &id, 0, nullptr, 0, 0.0), 0);
  IUserRightsList* list = GetUserRights(5);
  EXPECT_FALSE(RefreshUSRights(list, 5)) << "the library's own write is no change by others";
  list->lpVtbl->Release(list);

  rights::TRechteDatei onDisk(path);
  onDisk.Read(true);
  EXPECT_EQ(onDisk.UserList().ItemByID(5)->Passwd, "neu");
  EXPECT_FALSE(onDisk.UserList().ItemByID(5)->PWExpired);
  EXPECT_EQ(onDisk.RFHeader().Version, version + 1);

  code = 0;
  EXPECT_FALSE(ReplacePasswd(dir.File("missing.qxr").c_str(), "a", "b", 1, &code));
  EXPECT_EQ(code, 1) << "the loaded file is used, whatever the path: a wrong password, not a missing file";
}

TEST_F(QueryTest, AFailedPasswordWriteChangesNothing) {
  std::int32_t id = 0;
  ASSERT_EQ(QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, nullptr, 0, 0.0), 0);
  const auto before = ReadBytes(path);
  std::int32_t code = 0;
  {
    FileSizeLimit full(64);
    EXPECT_FALSE(ReplacePasswd(path.c_str(), "eins", "neu", 3, &code));
  }
  EXPECT_EQ(code, 7);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_NE(LastErrorText().find("kann nicht erstellt werden"), std::string::npos) << LastErrorText();
  EXPECT_EQ(QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, nullptr, 0, 0.0), 0) << "memory agrees with the file";
  EXPECT_EQ(QXRLogin(path.c_str(), "jmueller", "neu", &id, 0, nullptr, 0, 0.0), 1);
}

TEST_F(QueryTest, UserRights) {
  IUserRightsList* empty = GetUserRights(3);  // nothing loaded yet
  EXPECT_FALSE(empty->lpVtbl->CanDo(empty, 3, 1200));
  EXPECT_EQ(empty->lpVtbl->Release(empty), 0);

  std::int32_t id = 0;
  QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, nullptr, 0, 0.0);
  IUserRightsList* none = GetUserRights(0);
  EXPECT_FALSE(none->lpVtbl->CanDo(none, 3, 1200));
  none->lpVtbl->Release(none);

  IUserRightsList* list = GetUserRights(3);
  const auto* v = list->lpVtbl;
  EXPECT_TRUE(v->CanDo(list, 3, 1));
  EXPECT_TRUE(v->CanDo(list, 3, 1200));
  EXPECT_TRUE(v->CanDo(list, 3, 1300));
  EXPECT_FALSE(v->CanDo(list, 4, 1200));
  EXPECT_EQ(v->GetUserID(list), 3);
  EXPECT_EQ(v->GetVersion(list), 0);
  EXPECT_EQ(v->GetTimeStamp(list), 0.0);
  EXPECT_FALSE(v->GetActive(list));
  std::uint8_t set[32];
  v->MandSetOfModule(list, 1, set);
  std::uint8_t expected[32] = {0x09};  // clients 0 and 3
  EXPECT_EQ(std::memcmp(set, expected, 32), 0);
  v->SetNWUser(list, true);
  EXPECT_TRUE(v->GetNWUser(list));
  v->SetUserID(list, 1);
  EXPECT_TRUE(v->CanDo(list, 200, 5000)) << "user 1 may do everything";
  list->lpVtbl->Release(list);
}

TEST_F(QueryTest, ReferenceCounting) {
  IUserRightsList* list = GetUserRights(3);
  EXPECT_EQ(list->lpVtbl->AddRef(list), 2);
  void* same = nullptr;
  EXPECT_EQ(list->lpVtbl->QueryInterface(list, &IID_IUserRightsList, &same), RQ_S_OK);
  EXPECT_EQ(same, list);
  void* other = list;
  EXPECT_EQ(list->lpVtbl->QueryInterface(list, &IID_IRightUser, &other), RQ_E_NOINTERFACE);
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(list->lpVtbl->Release(list), 2);
  EXPECT_EQ(list->lpVtbl->Release(list), 1);
  EXPECT_EQ(list->lpVtbl->Release(list), 0);  // freed; the sanitizer build checks nothing leaks
}

TEST_F(QueryTest, GetUserRightsIntFillsBeforeItLoads) {
  IUserRightsList* rights = nullptr;
  GetUserRightsInt(3, path.c_str(), &rights);
  ASSERT_NE(rights, nullptr);
  EXPECT_FALSE(rights->lpVtbl->CanDo(rights, 3, 1200)) << "filled while no file was loaded";
  EXPECT_EQ(rights->lpVtbl->GetVersion(rights), version);
  EXPECT_EQ(rights->lpVtbl->GetTimeStamp(rights), timeStamp);

  IUserRightsList* kept = rights;
  kept->lpVtbl->AddRef(kept);
  GetUserRightsInt(3, path.c_str(), &rights);  // releases the reference stored there
  EXPECT_NE(rights, kept);
  EXPECT_TRUE(rights->lpVtbl->CanDo(rights, 3, 1200));
  EXPECT_EQ(kept->lpVtbl->Release(kept), 0);
  rights->lpVtbl->Release(rights);
}

TEST_F(QueryTest, RefreshPicksUpWhatAnotherProgramSaved) {
  std::int32_t id = 0;
  QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, nullptr, 0, 0.0);
  IUserRightsList* list = GetUserRights(3);
  EXPECT_FALSE(RefreshUSRights(list, 3));
  EXPECT_EQ(LastErrorText(), "");

  SaveFromElsewhere([](rights::TRechteDatei& file) {
    file.AssRightList().AddUsGrRight(true, 3, 1400, "K        ", 3, true);
  });
  EXPECT_TRUE(RefreshUSRights(list, 3));
  EXPECT_TRUE(list->lpVtbl->CanDo(list, 3, 1400));
  EXPECT_FALSE(RefreshUSRights(list, 3));

  SaveFromElsewhere([](rights::TRechteDatei&) {});
  auto bytes = ReadBytes(path);
  bytes.back() ^= 0xFF;
  WriteBytes(path, bytes);
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(4));
  EXPECT_FALSE(RefreshUSRights(list, 3));
  EXPECT_EQ(LastErrorText(), "Fehler beim Lesen der Rechteinformationen.");
  EXPECT_TRUE(list->lpVtbl->CanDo(list, 3, 1400)) << "the list stays as it was";

  DisposeRightsFile();
  EXPECT_FALSE(RefreshUSRights(list, 3));
  EXPECT_EQ(LastErrorText(), "Das Rechteobjekt ist nicht mehr verfügbar.");
  EXPECT_EQ(GetLastErrorText(nullptr, 0), static_cast<std::int32_t>(LastErrorText().size()));
  list->lpVtbl->Release(list);
}

TEST_F(QueryTest, ThreadsTakeTurns) {
  auto work = [this] {
    for (int i = 0; i < 200; ++i) {
      std::int32_t id = 0;
      QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, nullptr, 0, 0.0);
      IUserRightsList* list = GetUserRights(3);
      RefreshUSRights(list, 3);
      list->lpVtbl->Release(list);
      if (i % 7 == 0) DisposeRightsFile();
    }
  };
  std::thread a(work);
  std::thread b(work);
  a.join();
  b.join();
  std::int32_t id = 0;
  EXPECT_EQ(QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, nullptr, 0, 0.0), 0);
}
