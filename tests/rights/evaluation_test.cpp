// The rules of rights evaluation, case by case.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "rights/rechte_datei.h"

namespace {

using rights::EmptyModulesStr;
using rights::IntList;
using rights::TModulesStr;
using rights::TRechteDatei;
using rights::TUserRightsList;

using Entries = std::vector<std::pair<int, int>>;  // (client, right) in list order

constexpr std::uint8_t AllClients = 255;
const TModulesStr Ledger = "K        ";
const TModulesStr Billing = "  B      ";

class EvaluationTest : public ::testing::Test {
 protected:
  void Member(int user, int group) { file.AssgnList().AddUs2Grp(user, group); }
  void Equivalent(int user, int toUser) { file.AssgnList().AddUsEqui(user, toUser); }
  void UserRight(int user, int right, std::uint8_t client, const TModulesStr& modules = EmptyModulesStr()) {
    file.AssRightList().AddUsGrRight(true, user, right, modules, client, true);
  }
  void GroupRight(int group, int right, std::uint8_t client, const TModulesStr& modules = EmptyModulesStr()) {
    file.AssRightList().AddUsGrRight(false, group, right, modules, client, true);
  }

  Entries Evaluate(int uid, bool filter = true, std::uint8_t client = AllClients) {
    TUserRightsList list;
    file.GetUserRightList(uid, list, false, filter, client);
    EXPECT_EQ(list.UserID, uid);
    Entries entries;
    for (const auto& e : list) entries.emplace_back(e.Mandant, e.RightID);
    return entries;
  }

  IntList Granted(int uid, std::uint8_t client) {
    IntList numbers;
    file.GetGrantedRightsList(uid, numbers, client);
    return numbers;
  }

  TRechteDatei file{"unused.qxr"};
};

TEST_F(EvaluationTest, UserWithoutAnythingGetsAnEmptyListWithItsID) {
  UserRight(4, 1, 5);
  EXPECT_EQ(Evaluate(3), Entries{});
}

TEST_F(EvaluationTest, EquivalenceReachesTheGroupsOfTheOtherUser) {
  Equivalent(3, 4);
  Member(4, 1);
  GroupRight(1, 1, 5);
  EXPECT_EQ(Evaluate(3), (Entries{{5, 1}}));
}

TEST_F(EvaluationTest, InheritedComeBeforeOwnAndModulesBeforeOtherRights) {
  UserRight(3, 1200, 5, Ledger);
  UserRight(3, 2, 5);
  Member(3, 1);
  GroupRight(1, 1300, 5, Ledger);
  GroupRight(1, 1, 5);
  Equivalent(3, 4);
  UserRight(4, 1400, 5, Ledger);
  Member(4, 2);
  GroupRight(2, 103, 0);
  EXPECT_EQ(Evaluate(3), (Entries{{5, 1}, {5, 2}, {5, 1300}, {0, 103}, {5, 1400}, {5, 1200}}));
}

TEST_F(EvaluationTest, CatalogRightNeedsItsModuleForSomeClientWhenFiltering) {
  UserRight(3, 1200, 5, Ledger);
  EXPECT_EQ(Evaluate(3), Entries{});
  EXPECT_EQ(Evaluate(3, false), (Entries{{5, 1200}}));

  UserRight(3, 1, 9);  // module 1 for another client brings 1200 back, for its own client
  EXPECT_EQ(Evaluate(3), (Entries{{9, 1}, {5, 1200}}));
}

TEST_F(EvaluationTest, ModuleFilterComparesPositionsOfRealModuleLetters) {
  UserRight(3, 3, 1);  // module B
  const std::vector<std::pair<TModulesStr, bool>> cases = {
      {Billing, true},
      {"KIBUTYVWC", true},
      {Ledger, false},
      {"B        ", false},  // the letter of module 3 at position 1
      {"  b      ", false},
      {"  B", true},         // shorter than nine characters
      {"", false},
  };
  for (const auto& [modules, enters] : cases) {
    SCOPED_TRACE("modules \"" + modules + "\"");
    file.AssRightList().DeleteUser(3);
    UserRight(3, 3, 1);
    UserRight(3, 1500, 1, modules);
    const Entries expected = enters ? Entries{{1, 3}, {1, 1500}} : Entries{{1, 3}};
    EXPECT_EQ(Evaluate(3), expected);
  }
}

TEST_F(EvaluationTest, RightsWithoutModuleAlwaysPassTheFilter) {
  UserRight(3, 103, 0);
  UserRight(3, 999, 4);
  UserRight(3, 10, 4);
  EXPECT_EQ(Evaluate(3), (Entries{{0, 103}, {4, 999}, {4, 10}}));
}

TEST_F(EvaluationTest, RightsOutsideBothPassesAreNeverTaken) {
  UserRight(3, 0, 1);
  UserRight(3, -5, 1);
  EXPECT_EQ(Evaluate(3, false), Entries{});
}

TEST_F(EvaluationTest, SameRightFromSeveralSourcesGivesOneEntry) {
  Member(3, 1);
  GroupRight(1, 1200, 5, Ledger);
  GroupRight(1, 1, 5);
  UserRight(3, 1200, 5, Ledger);
  UserRight(3, 1200, 6, Ledger);
  EXPECT_EQ(Evaluate(3), (Entries{{5, 1}, {5, 1200}, {6, 1200}}));
}

TEST_F(EvaluationTest, ClientSelectsStoredRightsOnly) {
  UserRight(3, 1, 5);
  UserRight(3, 1, 7);
  UserRight(3, 103, 0);
  EXPECT_EQ(Evaluate(3, true, 7), (Entries{{7, 1}}));
  EXPECT_EQ(Evaluate(3, true, 0), (Entries{{0, 103}}));
  EXPECT_EQ(Evaluate(3, true, AllClients), (Entries{{5, 1}, {7, 1}, {0, 103}}));
}

TEST_F(EvaluationTest, EquivalenceCyclesEndTheWalk) {
  UserRight(3, 1, 1);
  UserRight(4, 2, 1);
  UserRight(5, 3, 1);
  Equivalent(3, 4);
  Equivalent(4, 5);
  Equivalent(5, 3);
  Equivalent(4, 4);
  EXPECT_EQ(Evaluate(3), (Entries{{1, 3}, {1, 2}, {1, 1}}));
  EXPECT_EQ(Evaluate(5), (Entries{{1, 2}, {1, 1}, {1, 3}}));
  EXPECT_EQ(Granted(3, 1), (IntList{3, 2}));
}

TEST_F(EvaluationTest, LongEquivalenceChainDoesNotExhaustTheStack) {
  constexpr int chain = 200000;
  for (int user = 1; user < chain; ++user) Equivalent(user, user + 1);
  UserRight(chain, 1, 3);
  EXPECT_EQ(Evaluate(1), (Entries{{3, 1}}));
}

TEST_F(EvaluationTest, GrantedRightsCountEverySourceAndSkipOwnRights) {
  Member(3, 1);
  Member(3, 2);
  GroupRight(1, 1300, 5, Billing);  // no module filter here
  GroupRight(2, 1300, 5, Billing);
  GroupRight(2, 1, 5);
  GroupRight(2, 1400, 7);
  UserRight(3, 1500, 5);
  EXPECT_EQ(Granted(3, 5), (IntList{1, 1300, 1300}));
  EXPECT_EQ(Granted(3, 7), (IntList{1400}));
}

TEST_F(EvaluationTest, GrantedRightsAppend) {
  Member(3, 1);
  GroupRight(1, 101, 0);
  IntList numbers{42};
  file.GetGrantedRightsList(3, numbers, 0);
  EXPECT_EQ(numbers, (IntList{42, 101}));
}

TEST_F(EvaluationTest, GrantOnlyIsRejectedWithoutTouchingTheList) {
  UserRight(3, 1, 1);
  TUserRightsList list;
  EXPECT_THROW(file.GetUserRightList(3, list, true, true, AllClients), std::invalid_argument);
  EXPECT_EQ(list.UserID, 0);
  EXPECT_TRUE(list.Empty());
}

TEST_F(EvaluationTest, EvaluationFollowsChangesOfTheLists) {
  Member(3, 1);
  GroupRight(1, 1, 5);
  EXPECT_EQ(Evaluate(3), (Entries{{5, 1}}));
  GroupRight(1, 2, 5);
  EXPECT_EQ(Evaluate(3), (Entries{{5, 1}, {5, 2}}));
  file.AssgnList().DeleteUsFromGrp(3, 1);
  EXPECT_EQ(Evaluate(3), Entries{});
}

TEST_F(EvaluationTest, ReloadedFileIsEvaluatedAfresh) {
  // Both files are loaded the same way, so their lists carry equal change counts.
  TRechteDatei other("other.qxr");
  other.AssRightList().AddUsGrRight(true, 3, 2, EmptyModulesStr(), 8, true);
  UserRight(3, 1, 5);
  file.LoadImage(file.BuildImage(), true);
  EXPECT_EQ(Evaluate(3), (Entries{{5, 1}}));
  file.LoadImage(other.BuildImage(), true);
  EXPECT_EQ(Evaluate(3), (Entries{{8, 2}}));
}

}  // namespace
