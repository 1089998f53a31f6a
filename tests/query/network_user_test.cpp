// Signing in the operating-system account when the file trusts its domain.
#include "platform/account.h"
#include "query_fixture.h"

namespace {

class NetworkUser : public QueryTest {
 protected:
  void Trust(bool trust, const std::string& domain) {
    SaveFromElsewhere([&](rights::TRechteDatei& file) {
      file.SetTrustDomainUser(trust);
      file.SetWinDomain(domain);
      AddUser(file, "Zweiter", "JMueller", "x", false, false);  // same login, other case, later
    });
  }
  IRightUser* SignedInAs(const std::string& user, const std::string& domain) {
    DisposeRightsFile();
    query::LibraryState::Instance().SetAccountLookup([=] { return platform::Account{user, domain}; });
    return GetNetwareUser(path.c_str());
  }
};

}  // namespace

TEST_F(NetworkUser, FindsTheAccountsUserOnlyInATrustedDomain) {
  struct Case {
    bool trust;
    std::string fileDomain;
    std::string user;
    std::string domain;
    std::int32_t id;  // 0: none
  };
  const Case cases[] = {
      {false, "hofgut", "jmueller", "HOFGUT", 0},
      {true, "hofgut", "Jmueller", "HOFGUT", 3},    // first of two with this login
      {true, "hofgut", "jmueller", "ANDERE", 0},
      {true, "hofgut", "jmueller", "", 0},           // local account, domain trusted
      {true, "", "jmueller", "", 3},                 // local account, no domain named
      {true, "hofgut", "gesperrt", "HOFGUT", 0},     // locked
      {true, "hofgut", "niemand", "HOFGUT", 0},
      {true, "hofgut", " ", "HOFGUT", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.user + "@" + c.domain + " trusting " + c.fileDomain);
    Trust(c.trust, c.fileDomain);
    IRightUser* user = SignedInAs(c.user, c.domain);
    if (c.id == 0) {
      EXPECT_EQ(user, nullptr);
    } else {
      ASSERT_NE(user, nullptr);
      EXPECT_EQ(user->lpVtbl->GetID(user), c.id);
    }
  }
}

TEST_F(NetworkUser, AUserHandedOutOutlivesTheFile) {
  Trust(true, "HofGut");
  IRightUser* user = SignedInAs("jmueller", "HOFGUT");
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(GetNetwareUser(path.c_str()), user) << "the same record while the file stays loaded";
  IRightUser* viaOut = user;
  GetNetwareUserInt(path.c_str(), &viaOut);
  EXPECT_EQ(viaOut, user);

  DisposeRightsFile();
  EXPECT_EQ(user->lpVtbl->GetID(user), 3);
  unsigned char name[256];
  user->lpVtbl->GetBez(user, name);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(name) + 1, name[0]), "Jörg Müller");
  EXPECT_EQ(user->lpVtbl->AddRef(user), -1);
  EXPECT_EQ(user->lpVtbl->Release(user), -1);
  void* obj = user;
  EXPECT_EQ(user->lpVtbl->QueryInterface(user, &IID_IRightUser, &obj), RQ_E_NOINTERFACE);
  EXPECT_EQ(obj, nullptr);

  IRightUser* none = user;
  query::LibraryState::Instance().SetAccountLookup([] { return platform::Account{"fremd", "X"}; });
  GetNetwareUserInt(path.c_str(), &none);
  EXPECT_EQ(none, nullptr);
}

TEST(Account, NamesSplitIntoUserAndUpperCaseDomain) {
  struct Case {
    std::string name;
    std::string user;
    std::string domain;
  };
  const Case cases[] = {
      {"HOFGUT\\jmueller", "jmueller", "HOFGUT"},
      {"jmueller@hofgut.local", "jmueller", "HOFGUT.LOCAL"},
      {"jmueller", "jmueller", ""},
      {"müller@höfe", "müller", "HÖFE"},
  };
  for (const auto& c : cases) {
    const auto account = platform::SplitAccountName(c.name);
    EXPECT_EQ(account.user, c.user) << c.name;
    EXPECT_EQ(account.domain, c.domain) << c.name;
  }
  EXPECT_EQ(platform::WithoutLocalDomain({"a", "RECHNER1"}, "rechner1").domain, "");
  EXPECT_EQ(platform::WithoutLocalDomain({"a", "HOFGUT"}, "rechner1").domain, "HOFGUT");
  EXPECT_EQ(platform::WithoutLocalDomain({"a", "ABCDEFGHIJKLMNO"}, "abcdefghijklmnopq").domain, "");
}
