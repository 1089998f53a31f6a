// Random containers survive Write and Read unchanged.
#include <gtest/gtest.h>

#include <random>

#include "rights/codepage.h"
#include "rights/rechte_datei.h"
#include "support/temp_dir.h"

using namespace rights;

namespace {

class RandomFile {
 public:
  explicit RandomFile(unsigned seed) : fRandom(seed) {}

  void Fill(TRechteDatei& file) {
    file.SetRightsActive(Coin());
    file.SetTrustDomainUser(Coin());
    file.SetWinDomain(Text(30));
    for (int i = Number(0, 20); i > 0; --i) {
      auto user = std::make_unique<TFIUser>();
      user->Bez = Text(300);  // longer than can be stored
      user->Func = Text(40);
      user->Login = Text(20);
      user->Passwd = Text(20);
      user->Locked = Coin();
      user->PWExpired = Coin();
      file.UserList().AddItem(std::move(user));
    }
    for (int i = Number(0, 10); i > 0; --i) {
      auto group = std::make_unique<TFIGroup>();
      group->Bez = Text(30);
      file.GroupList().AddItem(std::move(group));
    }
    for (int i = Number(0, 30); i > 0; --i) {
      if (Coin())
        file.AssgnList().AddUs2Grp(Number(1, 20), Number(1, 10));
      else
        file.AssgnList().AddUsEqui(Number(1, 20), Number(1, 20));
    }
    for (int i = Number(0, 200); i > 0; --i) {
      TModulesStr modules = EmptyModulesStr();
      for (const char letter : ModuleLetters)
        if (Coin()) SetModuleLetter(letter, modules, false);
      file.AssRightList().AddUsGrRight(Coin(), Number(1, 20), Number(1, 3000), modules,
                                       static_cast<std::uint8_t>(Number(0, 254)), true);
    }
  }

 private:
  bool Coin() { return fRandom() % 2 == 0; }
  int Number(int low, int high) { return std::uniform_int_distribution(low, high)(fRandom); }
  // Any text Windows-1252 can hold, umlauts and the euro sign included.
  std::string Text(int maxChars) {
    std::string bytes;
    for (int n = Number(0, maxChars); n > 0; --n) bytes += static_cast<char>(Number(1, 255));
    return Cp1252ToUtf8(bytes);
  }

  std::mt19937 fRandom;
};

void ExpectSameFields(const TFIRClass& a, const TFIRClass& b) {
  EXPECT_EQ(a.ID, b.ID);
  EXPECT_EQ(Utf8Left(a.Bez, 255), b.Bez);
}

void ExpectSameLists(const TRechteDatei& a, const TRechteDatei& b) {
  ASSERT_EQ(a.UserList().Count(), b.UserList().Count());
  for (std::size_t i = 0; i < a.UserList().Count(); ++i) {
    const auto& x = a.UserList()[i];
    const auto& y = b.UserList()[i];
    ExpectSameFields(x, y);
    EXPECT_EQ(x.Func, y.Func);
    EXPECT_EQ(x.Login, y.Login);
    EXPECT_EQ(x.Passwd, y.Passwd);
    EXPECT_EQ(x.Locked, y.Locked);
    EXPECT_EQ(x.PWExpired, y.PWExpired);
  }
  ASSERT_EQ(a.GroupList().Count(), b.GroupList().Count());
  for (std::size_t i = 0; i < a.GroupList().Count(); ++i) ExpectSameFields(a.GroupList()[i], b.GroupList()[i]);
  ASSERT_EQ(a.AssgnList().Count(), b.AssgnList().Count());
  for (std::size_t i = 0; i < a.AssgnList().Count(); ++i) {
    const auto& x = a.AssgnList()[i];
    const auto& y = b.AssgnList()[i];
    ExpectSameFields(x, y);
    EXPECT_EQ(x.User_ID, y.User_ID);
    EXPECT_EQ(x.ToUserID, y.ToUserID);
    EXPECT_EQ(x.ToGroupID, y.ToGroupID);
  }
  ASSERT_EQ(a.AssRightList().Count(), b.AssRightList().Count());
  for (std::size_t i = 0; i < a.AssRightList().Count(); ++i) {
    const auto& x = a.AssRightList()[i];
    const auto& y = b.AssRightList()[i];
    ExpectSameFields(x, y);
    EXPECT_EQ(x.User, y.User);
    EXPECT_EQ(x.USGR_ID, y.USGR_ID);
    EXPECT_EQ(x.Right_ID, y.Right_ID);
    EXPECT_EQ(x.Mandant, y.Mandant);
    EXPECT_EQ(x.Modules, y.Modules);
  }
}

}  // namespace

TEST(RoundTrip, RandomContainersComeBackUnchanged) {
  TempDir dir;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    TRechteDatei original(dir.File("QVRights.qxr"));
    RandomFile(seed).Fill(original);
    original.Write();

    TRechteDatei reread(original.FileName());
    reread.Read(true);
    ExpectSameLists(original, reread);
    EXPECT_EQ(reread.RightsActive(), original.RightsActive());
    EXPECT_EQ(reread.TrustDomainUser(), original.TrustDomainUser());
    EXPECT_EQ(reread.winDomain(), original.winDomain());
    EXPECT_EQ(reread.RFHeader().TimeStamp, original.RFHeader().TimeStamp);
    EXPECT_EQ(reread.RFHeader().Version, original.RFHeader().Version);
    EXPECT_EQ(reread.BuildImage(), original.BuildImage()) << "a second write differs";
  }
}
