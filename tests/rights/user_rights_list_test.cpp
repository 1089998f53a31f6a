// The evaluated rights list: lookups, module clients and the module filter.
#include <gtest/gtest.h>

#include "rights/user_rights_list.h"

namespace {

using rights::TByteSet;
using rights::TRightsPrgModules;
using rights::TURListEntrie;
using rights::TUserRightsList;

TByteSet SetOf(std::initializer_list<std::uint8_t> clients) {
  TByteSet set;
  for (const auto client : clients) set.Include(client);
  return set;
}

TUserRightsList ListOf(std::int32_t userID, std::initializer_list<TURListEntrie> entries) {
  TUserRightsList list;
  list.UserID = userID;
  for (const auto& entry : entries) list.AddEntrie(entry);
  return list;
}

TEST(UserRightsListTest, CanDoAsksForExactlyTheStoredClient) {
  const auto list = ListOf(3, {{0, 103}, {5, 1200}, {5, 1}});
  struct Case {
    std::uint8_t client;
    std::int32_t right;
    bool expected;
  };
  for (const Case& c : {Case{0, 103, true}, Case{5, 103, false}, Case{255, 103, false},
                        Case{5, 1200, true}, Case{6, 1200, false}, Case{5, 1, true}, Case{5, 2, false}}) {
    SCOPED_TRACE(testing::Message() << "client " << int{c.client} << ", right " << c.right);
    EXPECT_EQ(list.CanDo(c.client, c.right), c.expected);
  }
}

TEST(UserRightsListTest, AdministratorCanDoEverythingEvenWithAnEmptyList) {
  EXPECT_TRUE(ListOf(1, {}).CanDo(5, 1200));
  EXPECT_FALSE(ListOf(2, {}).CanDo(5, 1200));
}

TEST(UserRightsListTest, AddEntrieKeepsTheFirstOfEqualEntries) {
  TUserRightsList list;
  EXPECT_TRUE(list.AddEntrie({5, 1200}));
  EXPECT_FALSE(list.AddEntrie({5, 1200}));
  EXPECT_TRUE(list.AddEntrie({6, 1200}));
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list[1], (TURListEntrie{6, 1200}));
}

TEST(UserRightsListTest, MandSetOfModuleHoldsClientZeroAndTheModuleClients) {
  const auto list = ListOf(3, {{3, 1}, {7, 1}, {255, 1}, {4, 2}, {9, 1001}});
  EXPECT_EQ(list.MandSetOfModule(TRightsPrgModules::moLedger), SetOf({0, 3, 7, 255}));
  EXPECT_EQ(list.MandSetOfModule(TRightsPrgModules::moOpenItems), SetOf({0, 4}));
  EXPECT_EQ(list.MandSetOfModule(TRightsPrgModules::moFLG), SetOf({0}));
  EXPECT_EQ(list.MandSetOfModule(TRightsPrgModules::moNothing), SetOf({0}));
}

TEST(UserRightsListTest, ByteSetLaysClientNOutAsBitNModEightOfByteNDivEight) {
  const TByteSet set = SetOf({0, 3, 9, 255});
  EXPECT_EQ(set.Bytes[0], 0x09);
  EXPECT_EQ(set.Bytes[1], 0x02);
  EXPECT_EQ(set.Bytes[31], 0x80);
  EXPECT_TRUE(set.Contains(9));
  EXPECT_FALSE(set.Contains(8));
}

TEST(UserRightsListTest, SetModuleFilterSetsTheLettersOfHeldModules) {
  auto list = ListOf(3, {{3, 1}, {7, 4}, {7, 1200}, {0, 103}, {2, 9}});
  list.Modules = "KIBUTYVWC";
  list.SetModuleFilter();
  EXPECT_EQ(list.Modules, "K  U    C");
}

TEST(UserRightsListTest, ClearForgetsEntriesAndTheirLookups) {
  auto list = ListOf(3, {{3, 1}, {5, 1200}});
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_FALSE(list.CanDo(5, 1200));
  EXPECT_EQ(list.MandSetOfModule(TRightsPrgModules::moLedger), SetOf({0}));
  EXPECT_TRUE(list.AddEntrie({5, 1200}));
}

}  // namespace
