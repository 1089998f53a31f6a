#include <gtest/gtest.h>

#include "rights/rechte_datei.h"

using namespace rights;

namespace {

class SignIn : public ::testing::Test {
 protected:
  void SetUp() override { file.CreateStdUsers("Geheim!1"); }
  void AddUser(const std::string& login, const std::string& password, bool locked, bool expired = false) {
    auto user = std::make_unique<TFIUser>();
    user->Login = login;
    user->Passwd = password;
    user->Locked = locked;
    user->PWExpired = expired;
    file.UserList().AddItem(std::move(user));
  }
  TRechteDatei file{"unused.qxr"};
};

}  // namespace

TEST_F(SignIn, StandardUsers) {
  ASSERT_EQ(file.UserList().Count(), 2u);
  const auto& admin = file.UserList()[0];
  const auto& pattern = file.UserList()[1];
  EXPECT_EQ(admin.ID, 1);
  EXPECT_EQ(admin.Bez, "Admin");
  EXPECT_EQ(admin.Func, "Administrator");
  EXPECT_EQ(admin.Login, "Admin");
  EXPECT_EQ(admin.Passwd, "Geheim!1");
  EXPECT_FALSE(admin.Locked);
  EXPECT_EQ(pattern.ID, 2);
  EXPECT_EQ(pattern.Bez, "Vorlage");
  EXPECT_EQ(pattern.Func, "Vorlage für neue Benutzer");
  EXPECT_EQ(pattern.Login, "");
  EXPECT_TRUE(pattern.Locked);
  EXPECT_EQ(file.GroupList().Count() + file.AssgnList().Count() + file.AssRightList().Count(), 0u);

  TRechteDatei longPassword("unused.qxr");
  longPassword.CreateStdUsers(std::string(300, 'x'));
  EXPECT_EQ(longPassword.UserList()[0].Passwd.size(), 255u);
}

TEST_F(SignIn, Cases) {
  AddUser("Jörg", "eins", true);       // 3, locked
  AddUser("JÖRG", "zwei", false);      // 4, same login, own password
  AddUser("Eva", "abgelaufen", false, true);  // 5, password expired
  struct Case {
    std::string login;
    std::string password;
    std::int32_t id;
  };
  const Case cases[] = {
      {"admin", "Geheim!1", 1},   {"ADMIN", "Geheim!1", 1},  {"Admin", "geheim!1", -1},
      {" Admin", "Geheim!1", -1}, {"", "", -1},               {"jörg", "eins", -1},
      {"jörg", "zwei", 4},        {"Eva", "abgelaufen", 5},   {"Nobody", "", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(file.UserLogin(c.login, c.password), c.id) << c.login << " / " << c.password;
}
