// The demo catalog is what the administration program shows on the demo data:
// it must load and form a sound tree.
#include <gtest/gtest.h>

#include <set>

#include "rights/codepage.h"
#include "rights/right_list.h"

namespace {

using namespace rights;

class DemoCatalogTest : public ::testing::Test {
 protected:
  TRightList catalog = TRightList::Load(QXR_DEMO_CATALOG);
};

TEST_F(DemoCatalogTest, FormsATreeOfUniqueCatalogNumbers) {
  ASSERT_GE(catalog.Count(), 150u);
  ASSERT_LE(catalog.Count(), 300u);
  std::set<std::int32_t> groups;
  std::set<std::int32_t> ids;
  for (const auto& entry : catalog) {
    SCOPED_TRACE(entry->ID);
    EXPECT_GE(entry->ID, 1000);
    EXPECT_TRUE(ids.insert(entry->ID).second) << "ID used twice";
    EXPECT_TRUE(entry->GroupID == 0 || groups.contains(entry->GroupID)) << "group not defined before";
    if (dynamic_cast<const TRightGroup*>(entry.get()) != nullptr) groups.insert(entry->ID);
  }
  EXPECT_EQ(catalog.LastID(), *ids.rbegin());
}

TEST_F(DemoCatalogTest, MasterDataGroupsHoldTheFiveStandardRights) {
  int dialogs = 0;
  for (std::size_t i = 0; i < catalog.Count(); ++i) {
    const auto* group = dynamic_cast<const TRightGroup*>(&catalog[i]);
    if (group == nullptr || !group->StammDlg) continue;
    ++dialogs;
    for (int flag = dfCanShow; flag <= dfCanDelete; ++flag) {
      const auto* right = dynamic_cast<const TRight*>(&catalog[i + 1 + (flag - dfCanShow)]);
      ASSERT_NE(right, nullptr) << group->Name;
      EXPECT_EQ(right->GroupID, group->ID);
      EXPECT_EQ(right->DlgFlag, flag);
    }
  }
  EXPECT_GT(dialogs, 0);
}

TEST_F(DemoCatalogTest, UsesEveryModuleAndMultiLineDescriptions) {
  TModulesStr used = EmptyModulesStr();
  bool multiLine = false;
  for (const auto& entry : catalog) {
    for (const char letter : entry->Modul) SetModuleLetter(letter, used, false);
    multiLine = multiLine || entry->Description.find("\r\n") != std::string::npos;
  }
  EXPECT_EQ(used, AllModulesStr());
  EXPECT_TRUE(multiLine);
}

TEST_F(DemoCatalogTest, SavedRowsLoadToTheSameCatalog) {
  std::string saved;
  for (const auto& entry : catalog) saved += entry->Save() + "\r\n";
  const std::string bytes = Utf8ToCp1252(saved);
  const auto again = TRightList::FromBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  ASSERT_EQ(again.Count(), catalog.Count());
  for (std::size_t i = 0; i < catalog.Count(); ++i) EXPECT_EQ(again[i].Save(), catalog[i].Save());
}

}  // namespace
