// Reading, writing and looking up rights catalog entries.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "rights/codepage.h"
#include "rights/right_list.h"
#include "support/odd_paths.h"
#include "support/temp_dir.h"

namespace {

using namespace rights;

const std::string Unreadable = "Die Rechtedefinitionen konnten nicht gelesen werden.\r";

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TRightList Parse(const std::string& text) { return TRightList::FromBytes(BytesOf(text)); }

const TRight& RightAt(const TRightList& list, std::size_t index) {
  const auto* right = dynamic_cast<const TRight*>(&list[index]);
  if (right == nullptr) throw std::logic_error("entry is no right");
  return *right;
}

const TRightGroup& GroupAt(const TRightList& list, std::size_t index) {
  const auto* group = dynamic_cast<const TRightGroup*>(&list[index]);
  if (group == nullptr) throw std::logic_error("entry is no group");
  return *group;
}

TEST(CatalogRowTest, RightWithModulesAndTwoLineDescription) {
  for (const std::string separator : {"", ";"}) {
    SCOPED_TRACE("final separator \"" + separator + "\"");
    const auto list = Parse("RI;1200;1100;Buchen;Beschreibung<LF>zweite Zeile;KI;F;R_BUCHEN;0" + separator);
    ASSERT_EQ(list.Count(), 1u);
    const TRight& right = RightAt(list, 0);
    EXPECT_EQ(right.ID, 1200);
    EXPECT_EQ(right.GroupID, 1100);
    EXPECT_EQ(right.Name, "Buchen");
    EXPECT_EQ(right.Description, "Beschreibung\r\nzweite Zeile");
    EXPECT_EQ(right.Modul, "KI       ");
    EXPECT_FALSE(right.StammDlg);
    EXPECT_EQ(right.ConstName, "R_BUCHEN");
    EXPECT_EQ(right.DlgFlag, dfStamm);
    EXPECT_EQ(right.ImageIndex(), 3);
    EXPECT_EQ(right.getXMLIdentifier(), "Recht");
  }
}

TEST(CatalogRowTest, StandardDialogFlagGivesFixedNameAndNoConstant) {
  const std::vector<std::pair<TDialogFlag, std::string>> cases = {
      {dfCanShow, "Auswählen"}, {dfProperty, "Eigenschaften Ansehen"}, {dfCanModify, "Bearbeiten"},
      {dfCanInsert, "Anlegen"}, {dfCanDelete, "Löschen"}};
  for (const auto& [flag, name] : cases) {
    SCOPED_TRACE(name);
    const auto list = Parse("RI;1201;1100;egal;;K;N;R_EGAL;" + std::to_string(flag) + ";");
    const TRight& right = RightAt(list, 0);
    EXPECT_EQ(right.Name, name);
    EXPECT_EQ(right.ConstName, "");
    EXPECT_TRUE(right.StammDlg);
    EXPECT_EQ(right.DlgFlag, flag);
  }
}

TEST(CatalogRowTest, OtherDialogFlagsKeepNameConstantAndNumber) {
  for (const int flag : {0, 1, 7, 11, 42}) {
    SCOPED_TRACE(flag);
    const auto list = Parse("RI;1202;1100;Drucken;;K;F;R_DRUCK;" + std::to_string(flag));
    const TRight& right = RightAt(list, 0);
    EXPECT_EQ(right.Name, "Drucken");
    EXPECT_EQ(right.ConstName, "R_DRUCK");
    EXPECT_EQ(right.DlgFlag, flag);
  }
}

TEST(CatalogRowTest, MasterDataGroupWithAllModules) {
  const auto list = Parse("RG;1100;0;Stammdaten;;KIBUTYVWC;T;STD;");
  const TRightGroup& group = GroupAt(list, 0);
  EXPECT_EQ(group.ID, 1100);
  EXPECT_EQ(group.GroupID, 0);
  EXPECT_EQ(group.Modul, AllModulesStr());
  EXPECT_TRUE(group.StammDlg);
  EXPECT_EQ(group.ConstKurz, "STD");
  EXPECT_EQ(group.ImageIndex(), 2);
  EXPECT_EQ(group.getXMLIdentifier(), "Gruppe");
  EXPECT_EQ(GroupAt(Parse("RG;1101;1100;Konten;;K;F;KTO"), 0).ImageIndex(), 1);
}

TEST(CatalogRowTest, ModuleFieldKeepsOnlyModuleLetters) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"x K", "K        "}, {"CWK", "K      WC"}, {"kib", "         "}, {"", "         "}, {"Ü", "         "}};
  for (const auto& [field, modules] : cases) {
    SCOPED_TRACE(field);
    EXPECT_EQ(RightAt(Parse("RI;1;0;A;;" + field + ";F;C;0;"), 0).Modul, modules);
  }
}

TEST(CatalogRowTest, MasterDataFlagLooksAtTheFirstCharacterOnly) {
  for (const std::string yes : {"1", "J", "T", "Y", "j", "t", "y", "Ja", "true"}) {
    EXPECT_TRUE(RightAt(Parse("RI;1;0;A;;;" + yes + ";C;0;"), 0).StammDlg) << yes;
  }
  for (const std::string no : {"", "F", "N", "0", " T", "n", "W"}) {
    EXPECT_FALSE(RightAt(Parse("RI;1;0;A;;;" + no + ";C;0;"), 0).StammDlg) << no;
  }
}

TEST(CatalogRowTest, KindIsGroupOnlyForExactlyRG) {
  const auto list = Parse("RG;1;0;G;;;F;K;\r\nrg;2;0;R;;;F;C;0;\r\nXX;3;0;R;;;F;C;0;\r\nRG ;4;0;R;;;F;C;0;");
  ASSERT_EQ(list.Count(), 4u);
  EXPECT_NE(dynamic_cast<const TRightGroup*>(&list[0]), nullptr);
  for (std::size_t i = 1; i < 4; ++i) EXPECT_NE(dynamic_cast<const TRight*>(&list[i]), nullptr) << i;
}

TEST(CatalogRowTest, NumbersMayCarryBlanksAndASign) {
  const auto list = Parse("RI; 1200 ;-1;A;;;F;C;+4;");
  EXPECT_EQ(list[0].ID, 1200);
  EXPECT_EQ(list[0].GroupID, -1);
  EXPECT_EQ(RightAt(list, 0).DlgFlag, dfCanModify);
}

TEST(CatalogFileTest, MalformedRowsNameTheLineAndTheReason) {
  const std::string good = "RG;1100;0;Stammdaten;;K;T;STD;\r\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {good + "\r\n" + good, "Zeile 2: die Zeile ist leer"},
      {good + "\r\n", "Zeile 2: die Zeile ist leer"},
      {good + "RI;1200;1100;Buchen;;K;F;R_BUCHEN", "Zeile 2: Ein Recht braucht 9 Felder, die Zeile hat 8"},
      {"RG;1100;0;Stammdaten;;K;T", "Zeile 1: Eine Gruppe braucht 8 Felder, die Zeile hat 7"},
      {"   ", "Zeile 1: Ein Recht braucht 9 Felder, die Zeile hat 1"},
      {"RI;12a;0;A;;K;F;C;0;", "Zeile 1: Feld 1 ist keine Zahl"},
      {good + good + "RI;1200;x;A;;K;F;C;0;", "Zeile 3: Feld 2 ist keine Zahl"},
      {"RI;1200;1100;A;;K;F;C;;", "Zeile 1: Feld 8 ist keine Zahl"},
      {"RI;1200;1100;A;;K;F;C;vier;", "Zeile 1: Feld 8 ist keine Zahl"},
      {"RI;99999999999;0;A;;K;F;C;0;", "Zeile 1: Feld 1 ist keine Zahl"},
      {"RI;12<LF>;0;A;;K;F;C;0;", "Zeile 1: Feld 1 ist keine Zahl"},
      {"RI;0x10;0;A;;K;F;C;0;", "Zeile 1: Feld 1 ist keine Zahl"},
      {"\xEF\xBB\xBF<?xml version=\"1.0\"?>", "Zeile 1: Ein Recht braucht 9 Felder, die Zeile hat 1"},
  };
  for (const auto& [text, detail] : cases) {
    SCOPED_TRACE(text);
    try {
      Parse(text);
      ADD_FAILURE() << "loaded";
    } catch (const ECatalogError& error) {
      EXPECT_EQ(error.what(), Unreadable + detail);
    }
  }
}

TEST(CatalogFileTest, XmlStartGivesAnEmptyCatalog) {
  EXPECT_EQ(Parse("<?xml version=\"1.0\"?><Rechte/>").Count(), 0u);
  EXPECT_EQ(Parse("").Count(), 0u);
  EXPECT_EQ(Parse("").LastID(), 0);
}

TEST(CatalogFileTest, LinesEndWithCrOrLfOrBoth) {
  const auto list = Parse("RG;1100;0;A;;K;F;A;\rRI;1200;1100;B;;K;F;B;0;\nRI;1201;1100;C;;K;F;C;0;\r\n");
  ASSERT_EQ(list.Count(), 3u);
  EXPECT_EQ(list[2].Name, "C");
  EXPECT_EQ(list.LastID(), 1201);
}

TEST(CatalogFileTest, TextIsWindows1252) {
  const auto list = Parse("RI;1200;0;L\xF6schen \x80;Gr\xFC\xDF" "e;K;F;R_\xC4;0;");
  EXPECT_EQ(list[0].Name, "Löschen €");
  EXPECT_EQ(list[0].Description, "Grüße");
  EXPECT_EQ(RightAt(list, 0).ConstName, "R_Ä");
}

TEST(CatalogFileTest, MissingFileGivesAnEmptyCatalog) {
  TempDir dir;
  EXPECT_EQ(TRightList::Load(dir.File("QV_AppRights.csv")).Count(), 0u);
}

TEST(CatalogFileTest, OnlyARegularFileIsReadAndNothingWaits) {
  const OddPaths odd("QV_AppRights.csv");
  for (const OddPath& path : odd.Cases()) {
    SCOPED_TRACE(path.label);
    switch (path.kind) {
      case OddKind::Missing:
        EXPECT_EQ(TRightList::Load(path.path).Count(), 0u);
        break;
      case OddKind::Unreadable:
        EXPECT_THROW(TRightList::Load(path.path), rights::EFileError);
        break;
      default:
        ExpectRefusal<rights::EFileError>(path, [&] { TRightList::Load(path.path); });
    }
  }
}

TEST(CatalogFileTest, FileAndStreamLoadLikeBytes) {
  TempDir dir;
  const std::string text = "RG;1100;0;A;;K;F;A;\r\nRI;1200;1100;B;;K;F;B;0;\r\n";
  WriteBytes(dir.File("QV_AppRights.csv"), std::vector<std::uint8_t>(text.begin(), text.end()));
  EXPECT_EQ(TRightList::Load(dir.File("QV_AppRights.csv")).Count(), 2u);

  std::istringstream stream(text);
  stream.ignore(10);  // read from the start whatever the position
  EXPECT_EQ(TRightList::Load(stream).Count(), 2u);
}

TEST(CatalogFileTest, OversizedCatalogIsRefused) {
  TempDir dir;
  std::string huge(MaxCatalogSize + 1, 'x');
  std::istringstream stream(huge);
  EXPECT_THROW(TRightList::Load(stream), ECatalogError);
  WriteBytes(dir.File("big.csv"), std::vector<std::uint8_t>(huge.begin(), huge.end()));
  EXPECT_THROW(TRightList::Load(dir.File("big.csv")), ECatalogError);
}

TEST(CatalogSaveTest, RowsAreWrittenWithAllModulePositionsAndTF) {
  const auto list = Parse(
      "RG;1100;0;Stammdaten;;IK;T;STD\r\n"
      "RI;1200;1100;Buchen;Zeile 1<LF>Zeile 2;K;F;R_BUCHEN;0\r\n"
      "RI;1201;1100;egal;;K;J;R_EGAL;4;");
  EXPECT_EQ(list[0].Save(), "RG;1100;0;Stammdaten;;KI       ;T;STD;");
  EXPECT_EQ(list[1].Save(), "RI;1200;1100;Buchen;Zeile 1<LF>Zeile 2;K        ;F;R_BUCHEN;0;");
  EXPECT_EQ(list[2].Save(), "RI;1201;1100;Bearbeiten;;K        ;T;;4;");
}

TEST(CatalogSaveTest, SeparatorsAndLineBreaksInValuesKeepTheRowWhole) {
  TRight right(1300, 1100, "R;X", "A;B", "", dfStamm);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"eins\r\nzwei", "eins<LF>zwei"},
      {"eins\nzwei", "eins<LF>zwei"},  // a bare LF would split the row when read again
      {"eins\rzwei", "eins<LF>zwei"},
      {"a\r\n\r\nb", "a<LF><LF>b"},
  };
  for (const auto& [description, written] : cases) {
    right.Description = description;
    EXPECT_EQ(right.Save(), "RI;1300;1100;A,B;" + written + ";         ;F;R,X;0;");
  }
}

TEST(CatalogSaveTest, SavedRowsReadBackToTheSameEntries) {
  const std::string text =
      "RG;1100;0;Stammdaten;Alle<LF>Stammdaten;CK;T;STD;\r\n"
      "RI;1200;1100;Buchen;;K;F;R_BUCHEN;0;\r\n"
      "RI;1201;1100;x;;K;F;R_X<LF>Y;7;\r\n"
      "RI;1202;1100;x;;WV;1;;6;\r\n";
  const auto list = Parse(text);
  std::string saved;
  for (const auto& entry : list) saved += entry->Save() + "\r\n";
  const auto again = Parse(Utf8ToCp1252(saved));
  ASSERT_EQ(again.Count(), list.Count());
  for (std::size_t i = 0; i < list.Count(); ++i) EXPECT_EQ(again[i].Save(), list[i].Save());
}

TEST(CatalogListTest, ConstructorsFollowTheDialogFlag) {
  const TRight sub(1201, 1100, "R_X", "egal", "", dfCanDelete);
  EXPECT_EQ(sub.Name, "Löschen");
  EXPECT_EQ(sub.ConstName, "");
  EXPECT_TRUE(sub.StammDlg);
  EXPECT_EQ(sub.DlgFlag, dfCanDelete);

  const TRight other(1202, 1100, "R_X", "Drucken", "", dfEdit);
  EXPECT_EQ(other.Name, "Drucken");
  EXPECT_EQ(other.ConstName, "R_X");
  EXPECT_FALSE(other.StammDlg);
  EXPECT_EQ(other.DlgFlag, dfStamm);
  EXPECT_EQ(other.Modul, EmptyModulesStr());
}

TEST(CatalogListTest, AssignAppendsCopiesWithoutDialogData) {
  const auto source = Parse(
      "RG;1100;0;Stammdaten;Text;KI;T;STD;\r\n"
      "RI;1200;1100;Buchen;Text 2;K;F;R_BUCHEN;9;\r\n"
      "RI;1201;1100;egal;;K;F;;4;");
  TRightList copy = Parse("RI;1000;0;Vorher;;;F;R_VORHER;0;");
  copy.Assign(source);
  ASSERT_EQ(copy.Count(), 4u);
  EXPECT_EQ(copy[0].Name, "Vorher");
  const TRightGroup& group = GroupAt(copy, 1);
  EXPECT_EQ(group.Save(), "RG;1100;0;Stammdaten;Text;KI       ;T;;");
  EXPECT_EQ(RightAt(copy, 2).Save(), "RI;1200;1100;Buchen;Text 2;K        ;F;R_BUCHEN;0;");
  EXPECT_EQ(RightAt(copy, 3).Save(), "RI;1201;1100;Bearbeiten;;K        ;T;;0;");
  EXPECT_EQ(source.Count(), 3u);
}

TEST(CatalogListTest, LookupsFindTheFirstMatch) {
  const auto list = Parse(
      "RG;1100;0;Stammdaten;;K;F;R_BUCHEN;\r\n"
      "RI;1200;1100;Buchen;;K;F;R_BUCHEN;0;\r\n"
      "RI;1200;1100;Doppelt;;K;F;R_BUCHEN;0;\r\n"
      "RI;1201;1100;egal;;K;F;;4;");
  EXPECT_EQ(list.GetC_RightByID(1200)->Name, "Buchen");
  EXPECT_EQ(list.GetC_RightByID(1100)->Name, "Stammdaten");
  EXPECT_EQ(list.GetC_RightByID(1300), nullptr);
  EXPECT_EQ(list.GetRightByConstante("R_BUCHEN")->Name, "Buchen");  // the group's code does not count
  EXPECT_EQ(list.GetRightByConstante("r_buchen"), nullptr);
  EXPECT_EQ(list.LastID(), 1201);
  EXPECT_THROW(list[4], EListError);
}

}  // namespace
