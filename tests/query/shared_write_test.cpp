// The library as one of several writers of the shared file, and its state
// when the file on disk goes bad.
#include "query_fixture.h"

namespace {

std::string LastErrorText() {
  char buffer[512];
  GetLastErrorText(buffer, sizeof buffer);
  return buffer;
}

rights::TRechteDatei OnDisk(const std::string& path) {
  rights::TRechteDatei file(path);
  EXPECT_TRUE(file.Read(true));
  return file;
}

}  // namespace

TEST_F(QueryTest, APasswordChangeKeepsWhatOthersSavedMeanwhile) {
  std::int32_t id = 0;
  ASSERT_EQ(QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, nullptr, 0, 0.0), 0);
  IUserRightsList* list = GetUserRights(3);
  // The administrator locks eva and grants jmueller a right while the program runs.
  SaveFromElsewhere([](rights::TRechteDatei& file) {
    file.UserList().ItemByID(5)->Locked = true;
    file.AssRightList().AddUsGrRight(true, 3, 1400, "K        ", 3, true);
  });

  std::int32_t code = 0;
  EXPECT_TRUE(ReplacePasswd(path.c_str(), "eins", "neu", 3, &code));

  const rights::TRechteDatei file = OnDisk(path);
  EXPECT_TRUE(file.UserList().ItemByID(5)->Locked) << "the lock survived the password change";
  EXPECT_EQ(file.UserList().ItemByID(3)->Passwd, "neu");
  EXPECT_EQ(file.RFHeader().Version, version + 2);
  EXPECT_TRUE(RefreshUSRights(list, 3)) << "the library read the administrator's save: the list is due";
  EXPECT_TRUE(list->lpVtbl->CanDo(list, 3, 1400));
  EXPECT_FALSE(RefreshUSRights(list, 3));
  list->lpVtbl->Release(list);
}

TEST_F(QueryTest, APasswordTheFileCannotHoldIsRefused) {
  const std::string tooLong(256, 'x');
  for (const char* password : {"\xc5\x81\xc3\xb3" "d\xc5\xba", tooLong.c_str()}) {  // "Łódź"
    const auto before = ReadBytes(path);
    std::int32_t code = 0;
    EXPECT_FALSE(ReplacePasswd(path.c_str(), "eins", password, 3, &code));
    EXPECT_EQ(code, 7);
    EXPECT_NE(LastErrorText().find("Passwort"), std::string::npos) << LastErrorText();
    EXPECT_EQ(ReadBytes(path), before);
    std::int32_t id = 0;
    EXPECT_EQ(QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, nullptr, 0, 0.0), 0);
  }
}

TEST_F(QueryTest, AFailedRefreshKeepsTheLastGoodFileInEffect) {
  std::int32_t id = 0;
  ASSERT_EQ(QXRLogin(path.c_str(), "jmueller", "eins", &id, 0, nullptr, 0, 0.0), 0);
  IUserRightsList* list = GetUserRights(3);
  // Another program half way through writing the file in place.
  WriteBytes(path, {0x2A, 0x2A, 0x2A});
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(4));

  EXPECT_FALSE(RefreshUSRights(list, 3));
  EXPECT_EQ(LastErrorText(), "Fehler beim Lesen der Rechteinformationen.");
  EXPECT_TRUE(GetRightsActive(path.c_str())) << "rights checking must not look switched off";
  std::int32_t code = 0;
  EXPECT_TRUE(CheckVersion(path.c_str(), version, &code, timeStamp)) << code;
  EXPECT_TRUE(list->lpVtbl->CanDo(list, 3, 1300));
  list->lpVtbl->Release(list);
}

TEST_F(QueryTest, AFileTooShortForItsHeaderFailsToLoad) {
  WriteBytes(path, {0x2A, 0x2A, 0x2A});
  std::int32_t code = 0;
  EXPECT_FALSE(CheckVersion(path.c_str(), 0, &code, 0.0));
  EXPECT_EQ(code, 5);
  EXPECT_EQ(query::LibraryState::Instance().RightsFile(), nullptr) << "no file of default values loaded";
}
