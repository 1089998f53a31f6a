// The list operations that carry rules: numbering, last-match deletes,
// cascades and update lists.
#include <gtest/gtest.h>

#include "rights/rechte_datei.h"

using namespace rights;

namespace {

std::unique_ptr<TFIGroup> Group(std::int32_t id, const std::string& name = "") {
  auto group = std::make_unique<TFIGroup>();
  group->ID = id;
  group->Bez = name;
  return group;
}

std::unique_ptr<TFIUser> User(const std::string& login, const std::string& password = "",
                              bool locked = false) {
  auto user = std::make_unique<TFIUser>();
  user->Login = login;
  user->Passwd = password;
  user->Locked = locked;
  return user;
}

IntList RightIDs(const TAssgnRightList& list) {
  IntList ids;
  for (const auto& r : list) ids.push_back(r->Right_ID);
  return ids;
}

}  // namespace

TEST(Numbering, NewIDIsTheLargestPlusOne) {
  TGroupList groups;
  EXPECT_EQ(groups.NewID(), 1);
  groups.AddItem(Group(1));
  groups.AddItem(Group(2));
  groups.AddItem(Group(5));
  EXPECT_EQ(groups.NewID(), 6);
  groups.DeleteByID(5);
  EXPECT_EQ(groups.NewID(), 3);
  EXPECT_EQ(groups.AddItem(Group(0)), 2u);
  EXPECT_EQ(groups[2].ID, 3);
}

TEST(Numbering, AddItemKeepsAGivenIDEvenWhenUsed) {
  TGroupList groups;
  groups.AddItem(Group(4, "a"));
  groups.AddItem(Group(4, "b"));
  EXPECT_EQ(groups.IndexByID(4), 0);
  groups.DeleteByID(4);
  EXPECT_EQ(groups.ItemByID(4)->Bez, "b");
  groups.DeleteByID(99);  // nothing to delete
  EXPECT_EQ(groups.Count(), 1u);
  EXPECT_EQ(groups.ItemByID(99), nullptr);
  EXPECT_EQ(groups.IndexByID(99), -1);
  EXPECT_THROW(groups[1], EListError);
}

TEST(UserList, LoginLookupIgnoresCaseButNotBlanks) {
  TUserList users;
  users.AddItem(User("Admin"));
  users.AddItem(User("Jürgen"));
  struct Case {
    std::string login;
    std::int32_t id;
  };
  const Case cases[] = {{"ADMIN", 1}, {"admin", 1}, {"JÜRGEN", 2}, {"  ", -1}, {"", -1},
                        {"\t\r\n", -1}, {" Admin", -1}, {"Admi", -1}};
  for (const auto& c : cases) EXPECT_EQ(users.GetIDbyLoginName(c.login), c.id) << '"' << c.login << '"';
}

TEST(AssgnList, DeletesRemoveOnlyTheLastMatch) {
  TAssgnList list;
  list.AddUs2Grp(3, 10);
  list.AddUsEqui(3, 4);
  list.AddUs2Grp(3, 10);
  list.AddUsEqui(3, 4);
  list.DeleteUsFromGrp(3, 10);
  list.DeleteUsEqui(3, 4);
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list[0].ID, 1);
  EXPECT_EQ(list[1].ID, 2);
  EXPECT_TRUE(list.UserInGroup(3, 10));
  EXPECT_EQ(list.UserIDsFromUser(3), IntList{4});
}

TEST(AssgnList, QueriesAndGroupUpdate) {
  TAssgnList list;
  list.AddUs2Grp(3, 10);
  list.AddUs2Grp(4, 10);
  list.AddUs2Grp(3, 11);
  list.AddUsEqui(3, 5);
  EXPECT_EQ(list.GroupIDsFromUser(3), (IntList{10, 11}));
  EXPECT_EQ(list.UserIDsFromGroup(10), (IntList{3, 4}));
  EXPECT_EQ(list.UserIDsFromUser(3), IntList{5});
  EXPECT_FALSE(list.UserInGroup(5, 10));

  list.UpdateGroup(10, {6, 4});
  EXPECT_EQ(list.UserIDsFromGroup(10), (IntList{6, 4}));
  EXPECT_EQ(list.GroupIDsFromUser(3), IntList{11});
}

TEST(Cascade, DeletingAUserRemovesItsRightsAssignmentsAndEquivalencesToIt) {
  TRechteDatei file("unused.qxr");
  file.UserList().AddItem(User("a"));
  file.UserList().AddItem(User("b"));
  file.UserList().AddItem(User("c"));
  file.GroupList().AddItem(Group(1));
  file.AssgnList().AddUs2Grp(2, 1);
  file.AssgnList().AddUsEqui(3, 2);  // c receives b's rights
  file.AssgnList().AddUs2Grp(3, 1);
  file.AssRightList().AddUsGrRight(true, 2, 1000, "K        ", 1, true);
  file.AssRightList().AddUsGrRight(true, 3, 1001, "K        ", 1, true);
  file.AssRightList().AddUsGrRight(false, 2, 1002, "K        ", 1, true);  // group 2, not user 2

  file.DeleteUser(2);
  EXPECT_EQ(file.UserList().IndexByID(2), -1);
  EXPECT_EQ(file.AssgnList().Count(), 1u);
  EXPECT_TRUE(file.AssgnList().UserInGroup(3, 1));
  EXPECT_EQ(RightIDs(file.AssRightList()), (IntList{1001, 1002}));

  file.DeleteGroup(1);
  EXPECT_EQ(file.GroupList().Count(), 0u);
  EXPECT_EQ(file.AssgnList().Count(), 0u);
  file.DeleteGroup(2);
  EXPECT_EQ(RightIDs(file.AssRightList()), IntList{1001});
}

TEST(AssRightList, CopyUsRightsAddsToTheTargetsOwn) {
  TAssgnRightList list;
  list.AddUsGrRight(true, 2, 1000, "KI       ", 1, true);
  list.AddUsGrRight(true, 2, 3, "         ", 4, true);
  list.AddUsGrRight(true, 7, 1500, "K        ", 1, true);
  list.CopyUsRights(9, 7);  // a user without rights adds nothing
  EXPECT_EQ(list.Count(), 3u);
  list.CopyUsRights(2, 7);
  EXPECT_EQ(list.GetUsEntries(7), (IntList{2, 3, 4}));
  EXPECT_EQ(list[3].Modules, "KI       ");
  EXPECT_EQ(list[4].Mandant, 4);
  list.CopyUsRights(7, 7);  // copies what was there before, then stops
  EXPECT_EQ(list.GetUsEntries(7).size(), 6u);
}

TEST(AssRightList, QueriesByRangeAndClient) {
  TAssgnRightList list;
  list.AddUsGrRight(false, 5, 1, "", 3, true);
  list.AddUsGrRight(false, 5, 7, "", 3, true);
  list.AddUsGrRight(false, 5, 1200, "K", 3, true);
  list.AddUsGrRight(false, 5, 1300, "K", 4, true);
  list.AddUsGrRight(false, 5, 101, "", 0, true);
  list.AddUsGrRight(false, 5, 1400, "K", 0, true);
  list.AddUsGrRight(true, 5, 1600, "K", 3, true);
  EXPECT_EQ(list.ModulesFromUsGr(false, 5, 3), "K     V  ");
  EXPECT_EQ(list.ModulesFromUsGr(false, 5, AnyMandant), "K     V  ");
  EXPECT_EQ(list.ModulesFromUsGr(false, 5, 4), EmptyModulesStr());
  EXPECT_EQ(list.RightIDsFromUsGr(false, 5, 3), IntList{1200});
  EXPECT_EQ(list.RightIDsFromUsGr(false, 5, AnyMandant), (IntList{1200, 1300, 1400}));
  EXPECT_EQ(list.SpecRightIDsFromUsGr(MakeRange(101, 107), false, 5), IntList{101});
  EXPECT_EQ(list.SpecRightIDsFromUsGr(MakeRange(1, 9999), false, 5), (IntList{101, 1400}));
}

TEST(AssRightList, UpdateUsGrModulesReplacesOneClientsModuleRights) {
  TAssgnRightList list;
  list.AddUsGrRight(true, 5, 1, "", 3, true);
  list.AddUsGrRight(true, 5, 2, "", 4, true);
  list.AddUsGrRight(true, 5, 1200, "K", 3, true);
  list.UpdateUsGrModules(true, 5, 3, "  B     C");
  EXPECT_EQ(list.ModulesFromUsGr(true, 5, 3), "  B     C");
  EXPECT_EQ(list.ModulesFromUsGr(true, 5, 4), " I       ");
  EXPECT_EQ(list.RightIDsFromUsGr(true, 5, 3), IntList{1200});
}

TEST(UpdList, InsertItemsAreTheGrantedOnesTakenAtFirstUse) {
  TUpdList upd;
  upd.Add(1200, true, "K        XYZ");
  upd.Add(1300, false, "K        ");
  upd.Add(1400, true, "K        ");
  ASSERT_EQ(upd.InsertItems().size(), 2u);
  EXPECT_EQ(upd.InsertItems()[0]->RightID, 1200);
  EXPECT_EQ(upd.InsertItems()[1]->RightID, 1400);
  EXPECT_EQ(upd[0].Modules, "K        ");
  EXPECT_TRUE(upd.MustUpdate(1300));
  EXPECT_FALSE(upd.MustUpdate(1500));
  upd.Add(1500, true, "K        ");
  EXPECT_EQ(upd.InsertItems().size(), 2u);
  upd.Clear();
  upd.Add(1500, true, "K        ");
  EXPECT_EQ(upd.InsertItems().size(), 1u);
}

TEST(AssRightList, UpdateRightsTouchesOnlyTheNamedRightsOfOneHolderAndClient) {
  TAssgnRightList list;
  list.AddUsGrRight(true, 5, 1200, "K        ", 1, true);
  list.AddUsGrRight(true, 5, 1300, "K        ", 1, true);
  list.AddUsGrRight(true, 5, 1200, "K        ", 2, true);   // other client
  list.AddUsGrRight(false, 5, 1200, "K        ", 1, true);  // group 5
  list.AddUsGrRight(true, 5, 102, "         ", 1, true);    // outside the range
  TUpdList upd;
  upd.Add(1200, false, "K        ");
  upd.Add(102, false, "         ");
  upd.Add(1400, true, "I        ");
  list.UpdateRights(true, 5, 1, &upd);
  EXPECT_EQ(list.RightIDsFromUsGr(true, 5, 1), (IntList{1300, 1400}));
  EXPECT_EQ(list.RightIDsFromUsGr(true, 5, 2), IntList{1200});
  EXPECT_EQ(list.RightIDsFromUsGr(false, 5, 1), IntList{1200});
  EXPECT_EQ(list.SpecRightIDsFromUsGr(MakeRange(101, 107), true, 5).size(), 0u) << "client 1, not 0";
  EXPECT_EQ(list[list.Count() - 1].Modules, "I        ");

  const auto before = RightIDs(list);
  list.UpdateRights(true, 5, 1, nullptr);
  EXPECT_EQ(RightIDs(list), before);
}

TEST(AssRightList, StoreForOneClientWritesOnlyItsRecords) {
  TAssgnRightList list;
  list.AddUsGrRight(true, 5, 1200, "K", 1, true);
  list.AddUsGrRight(true, 5, 1300, "K", 2, true);
  list.AddUsGrRight(true, 5, 1400, "K", 1, true);
  ByteWriter one;
  list.Store(one, 1);
  ByteReader reader(one.Bytes());
  TAssgnRightList loaded;
  loaded.Load(reader);
  EXPECT_EQ(RightIDs(loaded), (IntList{1200, 1400}));
  ByteWriter all;
  list.Store(all, AnyMandant);
  ByteReader allReader(all.Bytes());
  loaded.Load(allReader);
  EXPECT_EQ(loaded.Count(), 3u);
}
