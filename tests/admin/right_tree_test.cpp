// The rules of the rights tree that are easy to get wrong.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <string>

#include "admin/right_tree.h"
#include "admin/right_tree_images.h"

using namespace admin;

namespace {

// Groups: 1000 master data (KI) with the customer dialog 1010 (five standard
// sub-rights) and 1020; 1100 reports (B) with 1101 and the sub-group 1110;
// 1300 budget (U). 1200 names group 1300 before it exists; 1400 is a ledger
// right inside the budget group.
const char* const kCatalog =
    "RG;1000;0;Stammdaten;;KI;F;STD;\r\n"
    "RG;1010;1000;Kunden;;KI;T;KND;\r\n"
    "RI;1011;1010;Auswählen;;KI;T;;2;\r\n"
    "RI;1012;1010;Eigenschaften Ansehen;;KI;T;;3;\r\n"
    "RI;1013;1010;Bearbeiten;;KI;T;;4;\r\n"
    "RI;1014;1010;Anlegen;;KI;T;;5;\r\n"
    "RI;1015;1010;Löschen;;KI;T;;6;\r\n"
    "RI;1020;1000;Preise ändern;Preise<LF>und Rabatte;K;F;R_PREISE;0;\r\n"
    "RG;1100;0;Auswertungen;;B;F;AUSW;\r\n"
    "RI;1101;1100;Bilanz;;B;F;R_BILANZ;0;\r\n"
    "RG;1110;1100;Sonderauswertungen;;B;F;SONDER;\r\n"
    "RI;1111;1110;Sonder A;;B;F;R_A;0;\r\n"
    "RI;1112;1110;Sonder B;;B;F;R_B;0;\r\n"
    "RI;1200;1300;Verwaist;;U;F;R_ORPHAN;0;\r\n"
    "RG;1300;0;Budget;;U;F;BUD;\r\n"
    "RI;1301;1300;Budget planen;;U;F;R_BUD;0;\r\n"
    "RI;1400;1300;Ledger im Budget;;K;F;R_X;0;\r\n";

rights::TRightList Catalog() {
  const std::string text = kCatalog;
  std::string cp1252;
  // The catalog file is Windows-1252; the fixture is written in UTF-8.
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == 0xC3) {
      cp1252 += static_cast<char>(static_cast<unsigned char>(text[++i]) + 0x40);
    } else {
      cp1252 += text[i];
    }
  }
  return rights::TRightList::FromBytes(
      {reinterpret_cast<const std::uint8_t*>(cp1252.data()), cp1252.size()});
}

QStringList Captions(const TRightTree& tree) {
  QStringList captions;
  for (const TRightNode* node : tree.Nodes()) captions << node->text(0);
  return captions;
}

}  // namespace

class RightTreeTest : public QObject {
  Q_OBJECT

  TRightTree* tree = nullptr;
  rights::TRightList catalog;

  TRightNode* Node(std::int32_t id) {
    for (TRightNode* node : tree->Nodes())
      if (node->State.ID == id && node != tree->Root()) return node;
    return nullptr;
  }
  TTreeState StateOf(std::int32_t id) { return Node(id)->State.State; }
  void Tick(std::int32_t id) { tree->SwitchNodeState(Node(id), true); }

 private slots:
  void init() {
    catalog = Catalog();
    tree = new TRightTree();
    tree->Load(catalog);
    tree->SetAssgnFilter(rights::AllModulesStr());
  }
  void cleanup() { delete tree; }

  void filtersDecideWhatIsShown() {
    TRightTree fresh;
    fresh.Load(catalog);
    QCOMPARE(Captions(fresh), QStringList{"alle Rechte"});

    QCOMPARE(tree->Nodes().size(), std::size_t{17});  // all but the orphan 1200
    QVERIFY(Node(1200) == nullptr);

    tree->SetAssgnFilter("K        ");
    // 1400 is a ledger right, but its group is a budget group.
    QCOMPARE(Captions(*tree), (QStringList{"alle Rechte", "Stammdaten", "Kunden", "Auswählen", "Eigenschaften Ansehen",
                                           "Bearbeiten", "Anlegen", "Löschen", "Preise ändern"}));
    tree->SetAssgnFilter(rights::AllModulesStr());
    tree->SetViewFilter("  B      ");
    QCOMPARE(Captions(*tree), (QStringList{"alle Rechte", "Auswertungen", "Bilanz", "Sonderauswertungen",
                                           "Sonder A", "Sonder B"}));
    QCOMPARE(Node(1020) == nullptr, true);
  }

  void groupsFollowTheirChildren() {
    Tick(1111);
    QCOMPARE(StateOf(1110), tsGrChkPart);
    QCOMPARE(StateOf(1100), tsGrChkPart);
    Tick(1112);
    QCOMPARE(StateOf(1110), tsGrChecked);
    QCOMPARE(StateOf(1100), tsGrChkPart);
    Tick(1101);
    QCOMPARE(StateOf(1100), tsGrChecked);
    QCOMPARE(tree->Root()->State.State, tsGrChkPart);
    Tick(1100);  // a fully ticked group unticks everything below it
    for (const std::int32_t id : {1101, 1111, 1112}) QCOMPARE(StateOf(id), tsNone);
    QCOMPARE(StateOf(1100), tsGrNone);
  }

  void clickingAPartlyTickedGroupSwitchesOnlyItsSubGroups() {
    Tick(1101);
    QCOMPARE(StateOf(1100), tsGrChkPart);
    Tick(1100);
    QCOMPARE(StateOf(1101), tsChecked);  // its own right stays
    QCOMPARE(StateOf(1111), tsChecked);  // the sub-group went from none to all
    QCOMPARE(StateOf(1112), tsChecked);
    QCOMPARE(StateOf(1100), tsGrChecked);  // re-derived, since rights below were switched
  }

  void masterDataCoupling() {
    Tick(1014);  // "Anlegen" includes the sub-rights before it
    QCOMPARE(StateOf(1011), tsChecked);
    QCOMPARE(StateOf(1012), tsChecked);
    QCOMPARE(StateOf(1013), tsChecked);
    QCOMPARE(StateOf(1015), tsNone);
    Tick(1012);  // unticking "Ansehen" unticks the later ones below 1011 + 5
    QCOMPARE(StateOf(1011), tsChecked);
    for (const std::int32_t id : {1012, 1013, 1014, 1015}) QCOMPARE(StateOf(id), tsNone);

    tree->SwitchNodeState(Node(1014), false);  // without coupling
    QCOMPARE(StateOf(1012), tsNone);
  }

  void checkAllAndNothingOnPartlyTickedGroups() {
    Tick(1111);
    tree->CheckNodeAll(Node(1100));
    for (const std::int32_t id : {1101, 1111, 1112}) QCOMPARE(StateOf(id), tsChecked);
    QCOMPARE(StateOf(1100), tsGrChecked);

    Tick(1112);
    tree->CheckNodeNothing(Node(1100));
    for (const std::int32_t id : {1101, 1111, 1112}) QCOMPARE(StateOf(id), tsNone);
    QCOMPARE(StateOf(1100), tsGrNone);

    tree->CheckNodeAll(Node(1010));  // no coupling: every sub-right by itself
    for (std::int32_t id = 1011; id <= 1015; ++id) QCOMPARE(StateOf(id), tsChecked);
    tree->CheckNodeAll(Node(1101));  // a right: nothing
    QCOMPARE(StateOf(1101), tsNone);
  }

  void modifiedAgainstTheSnapshot() {
    QVERIFY(!tree->Modifyed());
    Tick(1020);
    QVERIFY(tree->Modifyed());
    Tick(1020);
    QVERIFY(!tree->Modifyed());
    Tick(1020);
    tree->SetModifyed(false);
    QVERIFY(!tree->Modifyed());
  }

  void updateListAndRightState() {
    Tick(1020);
    Node(1101)->State.Granted = true;
    Tick(1101);
    const auto list = tree->GetUpdateList();
    QCOMPARE(list->Count(), std::size_t{11});  // every right shown
    QVERIFY(list->GetRight(1020)->Allow);
    QCOMPARE(QString::fromStdString(list->GetRight(1020)->Modules), QString("K        "));
    QVERIFY(!list->GetRight(1011)->Allow);
    QVERIFY(list->GetRight(1110) == nullptr);  // groups are not rights
    QCOMPARE(list->InsertItems().size(), std::size_t{2});

    QCOMPARE(tree->GetRightState(1101), std::uint8_t{3});
    QCOMPARE(tree->GetRightState(1020), std::uint8_t{2});
    QCOMPARE(tree->GetRightState(1011), std::uint8_t{0});
    QCOMPARE(tree->GetRightState(4711), std::uint8_t{0});
  }

  void imageIndices() {
    struct Case {
      TStateObj state;
      int image;
    };
    const Case cases[] = {
        {{0, false, false, 0, tsGrNone, false, gesNone}, 0},
        {{0, false, false, 0, tsGrNone, false, gesAll}, 1},
        {{0, false, false, 0, tsGrNone, false, gesSome}, 2},
        {{1100, false, false, 0, tsGrNone, false, gesSome}, 5},
        {{1010, true, false, 1000, tsGrNone, false, gesAll}, 7},
        {{1020, false, true, 1000, tsNone, false, gesNone}, 9},
        {{1020, false, true, 1000, tsChecked, false, gesNone}, 10},
        {{1020, false, true, 1000, tsNone, true, gesNone}, 11},
        {{1020, false, true, 1000, tsChecked, true, gesNone}, 12},
    };
    for (const auto& c : cases) QCOMPARE(NodeImageIndex(c.state), c.image);
  }

  // A group held only through a partly held sub-group is partly held, after a
  // click below it and after a full recount alike.
  void partlyHeldSubGroupsMakeTheirParentPartlyHeld() {
    Tick(1111);
    QCOMPARE(Node(1110)->State.GrState, gesSome);
    QCOMPARE(Node(1100)->State.GrState, gesSome);
    tree->UpdateTreeImages();
    QCOMPARE(Node(1100)->State.GrState, gesSome);
    QCOMPARE(tree->Root()->State.GrState, gesSome);

    Node(1101)->State.Granted = true;
    Tick(1112);
    tree->UpdateTreeImages();
    QCOMPARE(Node(1100)->State.GrState, gesAll);
  }

  void chgRightLeavesAStoredRightTicked() {
    tree->BeginUpdate();
    tree->ChgRight(1014, true);  // ticks 1011..1013 by coupling
    tree->ChgRight(1012, true);  // stored as well: stays ticked
    tree->ChgRight(1014, true);  // stored twice
    tree->EndUpdate();
    tree->UpdateTreeImages();
    for (const std::int32_t id : {1011, 1012, 1013, 1014}) QCOMPARE(StateOf(id), tsChecked);
    QCOMPARE(StateOf(1015), tsNone);
  }

  void onlyAClickOnTheImageSwitches() {
    tree->resize(400, 500);
    tree->show();
    QVERIFY(QTest::qWaitForWindowExposed(tree));
    TRightNode* node = Node(1020);
    const QRect row = tree->visualItemRect(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 60, row.center().y()));
    QCOMPARE(node->State.State, tsNone);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 10, row.center().y()));
    QCOMPARE(node->State.State, tsChecked);
    QCOMPARE(NodeImageIndex(node->State), 10);
  }

  void popupActionsFollowTheSelection() {
    QMenu menu;
    QAction* all = menu.addAction("Alle");
    all->setData(11);
    QAction* nothing = menu.addAction("Keine");
    nothing->setData(12);
    QAction* expand = menu.addAction("Aufklappen");
    expand->setData(21);
    QAction* collapse = menu.addAction("Zuklappen");
    collapse->setData(23);
    tree->SetPopupMenu(&menu);

    tree->setCurrentItem(Node(1100));
    QVERIFY(all->isEnabled());
    QVERIFY(!nothing->isEnabled());
    QVERIFY(!expand->isEnabled());
    QVERIFY(collapse->isEnabled());
    Node(1100)->setExpanded(false);
    QVERIFY(expand->isEnabled());
    QVERIFY(!collapse->isEnabled());
    tree->setCurrentItem(Node(1101));
    QVERIFY(!all->isEnabled());
    QVERIFY(!expand->isEnabled());
  }

  void statusBarShowsTheModulesOfTheSelection() {
    QStatusBar bar;
    tree->SetStatusBar(&bar);
    tree->setCurrentItem(Node(1011));
    const auto panels = bar.findChildren<QLabel*>(QRegularExpression("^pnModule"));
    QCOMPARE(panels.size(), 9);
    QStringList texts;
    for (int k = 1; k <= 9; ++k) texts << bar.findChild<QLabel*>(QString("pnModule%1").arg(k))->text();
    QCOMPARE(texts, (QStringList{"LED", "OIT", "", "", "", "", "", "", ""}));
    tree->setCurrentItem(tree->Root());
    QCOMPARE(bar.findChild<QLabel*>("pnModule1")->text(), QString());
  }
};

QTEST_MAIN(RightTreeTest)
#include "right_tree_test.moc"
