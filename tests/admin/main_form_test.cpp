// The administration window driven through its widgets and actions, with every
// question and dialog scripted; each scenario reads the written file back.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <fstream>

#include "admin/right_tree.h"
#include "rights/user_rights_list.h"
#include "tests/admin/main_form_fixture.h"

using rights::TRechteDatei;

namespace {

const QString kApplyUser =
    QStringLiteral("Sie haben Rechte des aktuellen Benutzers geändert.\rSollen die Änderungen jetzt übernommen werden?");

const QString kApplyGroup =
    QStringLiteral("Sie haben Rechte der aktuellen Gruppe geändert.\rSollen die Änderungen jetzt übernommen werden?");

bool Contains(const rights::IntList& list, std::int32_t id) { return std::find(list.begin(), list.end(), id) != list.end(); }

// Users 3 "Berta" (login "berta", password "b") and 4 "Carl", group 1 "Buchhaltung".
void AddStaff(TRechteDatei& file) {
  for (const auto& [bez, login] : {std::pair{"Berta", "berta"}, std::pair{"Carl", "carl"}}) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Bez = bez;
    user->Login = login;
    user->Passwd = "b";
    file.UserList().AddItem(std::move(user));
  }
  auto group = std::make_unique<rights::TFIGroup>();
  group->Bez = "Buchhaltung";
  file.GroupList().AddItem(std::move(group));
}

TRechteDatei CreateStaffFile(MainFormFixture& f) {
  TRechteDatei file = f.CreateFile();
  AddStaff(file);
  return file;
}

// The user's rights for all clients, as the suite's programs get them.
rights::TUserRightsList Effective(const TRechteDatei& file, std::int32_t userID) {
  rights::TUserRightsList list;
  file.GetUserRightList(userID, list, false, false, 255);
  return list;
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunWritesTheFileAtOnce();
  void firstRunWithoutPasswordCreatesNothing();
  void signInWithThreeFailuresCloses();
  void userFromTemplateOwnsCopiesOfTheTemplatesRights();
  void membershipsAndEquivalencesAreStoredAtOnce();
  void cancelKeepsEverythingOnSaveCloseAndReload();
  void leavingAClientRowStoresItsEditsForThatClient();
  void applyingAGroupReloadsAMembersTreeWithReceivedMarks();
  void viewFilterAsksFirstAndDisablesModuleBoxes();
  void applyingAnotherUserLeavesItsRightsAlone();
  void deletingClearsThePanelAndEverythingThatReferredToIt();
  void newGroupIsCreatedAndSelectedByApply();
  void newPasswordIsAPendingEditUntilApplied();
  void clientAbove99StoresItsOwnRights();
  void fileChangedByAnotherProgramIsNotOverwrittenUnasked();
  void textTheFileCannotHoldIsRefusedNamingTheField();
};

void MainFormTest::firstRunWritesTheFileAtOnce() {
  MainFormFixture f;
  f.fDialogs->admPW = QStringLiteral("geheim");
  admin::TMainForm& form = f.Start();
  QCOMPARE(form.LoggedOnUserID(), 1);
  QCOMPARE(f.fDialogs->logonAttempts, 0);
  const TRechteDatei file = f.ReadBack();
  QCOMPARE(file.UserList().Count(), std::size_t{2});
  QCOMPARE(file.UserLogin("Admin", "geheim"), 1);
  QCOMPARE(f.Child<QTreeWidget>("lvUser")->topLevelItemCount(), 2);
  QVERIFY(!form.Modifyed());
}

void MainFormTest::firstRunWithoutPasswordCreatesNothing() {
  MainFormFixture f;
  admin::TMainForm& form = f.Start();
  QCOMPARE(f.fDialogs->admPWAsked, 1);
  QVERIFY(!form.isVisible());
  QVERIFY(!std::filesystem::exists(f.FileName()));
}

void MainFormTest::signInWithThreeFailuresCloses() {
  MainFormFixture f;
  f.CreateFile();
  f.fDialogs->logons = {{"Admin", "x"}, {"  ", "adm"}, {"admin", "ADM"}};
  admin::TMainForm& form = f.Start();
  QVERIFY(!form.isVisible());
  QCOMPARE(form.LoggedOnUserID(), -1);
  QCOMPARE(f.Questions().size(), std::size_t{3});
  for (const auto& request : f.Questions()) {
    QCOMPARE(request.text, QStringLiteral("Die Anmeldung ist fehlgeschlagen.\rÜberprüfen Sie Benutzernamen und Passwort."));
    QCOMPARE(request.type, ui::mtError);
  }
}

void MainFormTest::userFromTemplateOwnsCopiesOfTheTemplatesRights() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  auto& rightsList = file.AssRightList();
  rightsList.UpdateUsGrModules(true, 2, 1, "K        ");
  rightsList.AddUsGrRight(true, 2, 1001, "KIBUTYVWC", 1, true);
  rightsList.AddUsGrRight(true, 2, 101, "         ", 0, true);
  file.AssgnList().AddUs2Grp(2, 1);
  file.Write();

  f.StartAsAdmin();
  f.Action("acNewUsfromTemplate")->trigger();
  f.Child<QLineEdit>("edUsBez")->setText(QStringLiteral("Dörte"));
  f.Child<QLineEdit>("edLogin")->setText(QStringLiteral("doerte"));
  f.Idle();
  QVERIFY(f.Child<QPushButton>("bbUsOK")->isEnabled());
  QTest::mouseClick(f.Child<QPushButton>("bbUsOK"), Qt::LeftButton);
  f.Action("acSave")->trigger();

  const TRechteDatei back = f.ReadBack();
  const std::int32_t id = back.UserList().GetIDbyLoginName("doerte");
  QCOMPARE(id, 5);
  QCOMPARE(QString::fromStdString(back.UserList().ItemByID(id)->Bez), QStringLiteral("Dörte"));
  QVERIFY(back.UserList().ItemByID(id)->PWExpired);
  QVERIFY(Contains(back.AssRightList().RightIDsFromUsGr(true, id, 1), 1001));
  QCOMPARE(back.AssRightList().ModulesFromUsGr(true, id, 1), std::string("K        "));
  QVERIFY(Contains(back.AssRightList().SpecRightIDsFromUsGr(rights::MakeRange(101, 107), true, id), 101));
  QVERIFY(back.AssgnList().GroupIDsFromUser(id).empty());
  const rights::TUserRightsList effective = Effective(back, id);
  QVERIFY(effective.CanDo(1, 1001));
  QVERIFY(!effective.CanDo(2, 1001));
}

void MainFormTest::membershipsAndEquivalencesAreStoredAtOnce() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  file.AssRightList().AddUsGrRight(false, 1, 1002, "KIBUTYVWC", 2, true);
  file.Write();
  admin::TMainForm& form = f.StartAsAdmin();
  f.SelectRow("lvUser", 3);
  QCOMPARE(form.AktUser()->ID, 3);
  f.fDialogs->pick = {1};
  f.Idle();
  f.Action("acUsGrAdd")->trigger();
  QVERIFY(form.RechteDatei()->AssgnList().UserInGroup(3, 1));
  QVERIFY(form.Modifyed());
  QCOMPARE(f.Child<QTreeWidget>("lvUSGroups")->topLevelItemCount(), 1);
  QCOMPARE(f.Child<QTreeWidget>("trGroups")->topLevelItem(0)->child(0)->childCount(), 1);
  f.fDialogs->pick = {4};
  f.Action("acUsEqAdd")->trigger();
  f.Action("acSave")->trigger();
  QVERIFY(!form.Modifyed());

  const TRechteDatei back = f.ReadBack();
  QVERIFY(back.AssgnList().UserInGroup(3, 1));
  QCOMPARE(back.AssgnList().UserIDsFromUser(3), rights::IntList{4});
  const rights::TUserRightsList effective = Effective(back, 3);
  QVERIFY(effective.CanDo(2, 1002));

  // Removing asks first, No being the default.
  f.SelectRow("lvUSGroups", 1);
  f.Action("acUsGrDel")->trigger();
  QCOMPARE(f.Questions().back().defaultButton, ui::mbNo);
  QVERIFY(form.RechteDatei()->AssgnList().UserInGroup(3, 1));
}

void MainFormTest::cancelKeepsEverythingOnSaveCloseAndReload() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  file.Write();
  const std::int32_t version = f.ReadBack().RFHeader().Version;
  admin::TMainForm& form = f.StartAsAdmin();
  f.Action("acRightsActive")->trigger();
  auto* groups = f.Child<QTreeWidget>("trGroups");
  groups->setCurrentItem(groups->topLevelItem(0)->child(0));
  QCOMPARE(form.AktGroup()->ID, 1);
  f.Child<QLineEdit>("edGrBez")->setText(QStringLiteral("Buchhaltung Nord"));

  f.fMessages.Answer(ui::mrCancel);
  f.Action("acSave")->trigger();
  QCOMPARE(f.Questions().back().text, kApplyGroup);
  QCOMPARE(f.Questions().back().defaultButton, ui::mbYes);
  QVERIFY(f.Questions().back().buttons.Contains(ui::mbCancel));
  QCOMPARE(f.ReadBack().RFHeader().Version, version);

  f.fMessages.Answer(ui::mrNo);  // the edits are not applied
  f.fMessages.Answer(ui::mrCancel);
  QVERIFY(!form.close());
  QVERIFY(form.isVisible());
  QCOMPARE(f.Questions().back().text, QStringLiteral("Sollen die Änderungen gespeichert werden?"));
  QVERIFY(form.Modifyed());
  QCOMPARE(f.ReadBack().RFHeader().Version, version);
  QCOMPARE(form.RechteDatei()->GroupList().ItemByID(1)->Bez, std::string("Buchhaltung"));

  f.fMessages.Answer(ui::mrNo);
  f.Action("acReload")->trigger();
  QCOMPARE(f.Questions().back().defaultButton, ui::mbNo);
  QVERIFY(form.RechteDatei()->RightsActive());
  QVERIFY(form.AktGroup() != nullptr);

  f.fMessages.Answer(ui::mrYes);
  f.Action("acReload")->trigger();
  QVERIFY(!form.RechteDatei()->RightsActive());
  QVERIFY(form.AktGroup() == nullptr);
  QVERIFY(!f.Child<QWidget>("pGroup")->isVisibleTo(&form));
}

void MainFormTest::clientAbove99StoresItsOwnRights() {
  MainFormFixture f;
  {
    std::ofstream ini(f.SettingsFile("QVMANDANT.INI"), std::ios::app);
    ini << "\r\n[120]\r\nNR=120\r\nName=Hof Hundertzwanzig\r\nLedgerPro=1\r\n"
        << "\r\n[300]\r\nName=Ohne Nummer\r\nLedgerPro=1\r\n";  // no NR: 65535
  }
  TRechteDatei file = CreateStaffFile(f);
  file.Write();
  admin::TMainForm& form = f.StartAsAdmin();
  auto* clients = f.Child<QTreeWidget>("lvUsMand");
  const auto rows = clients->findItems(QStringLiteral("120"), Qt::MatchExactly);
  QCOMPARE(rows.size(), 1);
  QCOMPARE(rows.first()->data(0, Qt::UserRole).toInt(), 120);
  const auto invalid = clients->findItems(QStringLiteral("Ohne Nummer"), Qt::MatchExactly, 1);
  QCOMPARE(invalid.size(), 1);
  QVERIFY(!(invalid.first()->flags() & Qt::ItemIsEnabled));

  f.SelectRow("lvUser", 3);
  f.SelectRow("lvUsMand", 120);
  QCOMPARE(form.AktMand(), std::uint8_t{120});
  f.Child<QCheckBox>("cbUsPrLedger")->setChecked(true);
  f.Idle();
  auto* tree = f.Child<admin::TRightTree>("tvUsRights");
  tree->ChgRight(1001, true);
  f.Idle();
  QTest::mouseClick(f.Child<QPushButton>("bbUsOK"), Qt::LeftButton);
  f.Action("acSave")->trigger();

  const TRechteDatei back = f.ReadBack();
  QCOMPARE(back.AssRightList().RightIDsFromUsGr(true, 3, 120), rights::IntList{1001});
  QVERIFY(back.AssRightList().RightIDsFromUsGr(true, 3, 254).empty());
  const rights::TUserRightsList effective = Effective(back, 3);
  QVERIFY(effective.CanDo(120, 1001));
  QVERIFY(!effective.CanDo(12, 1001));
}

void MainFormTest::fileChangedByAnotherProgramIsNotOverwrittenUnasked() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  file.Write();
  admin::TMainForm& form = f.StartAsAdmin();
  f.Action("acRightsActive")->trigger();
  {
    TRechteDatei other = f.ReadBack();  // a suite program changes a password
    other.UserList().ItemByID(3)->Passwd = "neu";
    other.Write();
  }
  f.fMessages.Answer(ui::mrCancel);
  f.Action("acSave")->trigger();
  const ui::TMessageRequest asked = f.Questions().back();
  QVERIFY(asked.text.startsWith(QStringLiteral("Die Rechtedatei wurde seit dem Laden von einem anderen Programm geändert.")));
  QCOMPARE(asked.defaultButton, ui::mbCancel);
  QVERIFY(form.Modifyed());
  QCOMPARE(f.ReadBack().UserLogin("berta", "neu"), 3);
  QVERIFY(!f.ReadBack().RightsActive());

  f.fMessages.Answer(ui::mrYes);
  f.Action("acSave")->trigger();
  QVERIFY(!form.Modifyed());
  QVERIFY(f.ReadBack().RightsActive());

  // Our own write is no change by another program.
  f.Action("acRightsActive")->trigger();
  const std::size_t asksBefore = f.Questions().size();
  f.Action("acSave")->trigger();
  QCOMPARE(f.Questions().size(), asksBefore);
  QVERIFY(!f.ReadBack().RightsActive());
}

void MainFormTest::textTheFileCannotHoldIsRefusedNamingTheField() {
  MainFormFixture f;
  CreateStaffFile(f).Write();
  admin::TMainForm& form = f.StartAsAdmin();
  struct Case {
    const char* edit;
    QString text;
    QString named;
  };
  const Case cases[] = {
      {"edUsBez", QStringLiteral("Łukasz"), QStringLiteral("„Benutzername“")},
      {"edLogin", QString(256, QLatin1Char('x')), QStringLiteral("„Anmeldename“")},
  };
  for (const Case& c : cases) {
    f.SelectRow("lvUser", 3);
    const std::string nameBefore = form.AktUser()->Bez;
    const std::string loginBefore = form.AktUser()->Login;
    auto* edit = f.Child<QLineEdit>(c.edit);
    edit->setMaxLength(1000);
    edit->setText(c.text);
    f.Idle();
    QTest::mouseClick(f.Child<QPushButton>("bbUsOK"), Qt::LeftButton);
    QVERIFY2(f.Questions().back().text.startsWith(c.named), qPrintable(f.Questions().back().text));
    QCOMPARE(form.AktUser()->Bez, nameBefore);
    QCOMPARE(form.AktUser()->Login, loginBefore);
    edit->setText(QString::fromStdString(c.edit == std::string("edUsBez") ? nameBefore : loginBefore));
    f.Idle();
  }
  f.Action("acNewGroup")->trigger();
  f.Child<QLineEdit>("edGrBez")->setText(QStringLiteral("Łódź"));
  f.Idle();
  QTest::mouseClick(f.Child<QPushButton>("bbGrOK"), Qt::LeftButton);
  QVERIFY(f.Questions().back().text.startsWith(QStringLiteral("„Bezeichnung“")));
  QVERIFY(form.AktGroup() == nullptr);
}

void MainFormTest::leavingAClientRowStoresItsEditsForThatClient() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  file.Write();
  admin::TMainForm& form = f.StartAsAdmin();
  f.SelectRow("lvUser", 3);
  f.SelectRow("lvUsMand", 1);
  auto* ledger = f.Child<QCheckBox>("cbUsPrLedger");
  ledger->setChecked(true);
  f.Idle();  // the first click reloads the tree and marks the panel changed, unasked
  QVERIFY(f.Questions().empty());
  QVERIFY(f.Child<QPushButton>("bbUsOK")->isEnabled());
  f.Child<admin::TRightTree>("tvUsRights")->ChgRight(1001, true);

  f.fMessages.Answer(ui::mrYes);
  f.SelectRow("lvUsMand", 2);
  QCOMPARE(f.Questions().size(), std::size_t{1});
  QCOMPARE(f.Questions().back().text, kApplyUser);
  QCOMPARE(f.Questions().back().defaultButton, ui::mbYes);
  QCOMPARE(form.AktMand(), std::uint8_t{2});
  const auto& stored = form.RechteDatei()->AssRightList();
  QCOMPARE(stored.RightIDsFromUsGr(true, 3, 1), rights::IntList{1001});
  QCOMPARE(stored.ModulesFromUsGr(true, 3, 1), std::string("K        "));
  QVERIFY(stored.RightIDsFromUsGr(true, 3, 2).empty());
  QVERIFY(!ledger->isChecked());  // client 2 has no modules
  QVERIFY(form.Modifyed());
}

void MainFormTest::applyingAGroupReloadsAMembersTreeWithReceivedMarks() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  file.AssgnList().AddUs2Grp(3, 1);
  file.AssRightList().UpdateUsGrModules(true, 3, 1, "K        ");
  file.Write();
  admin::TMainForm& form = f.StartAsAdmin();
  f.SelectRow("lvUser", 3);
  auto* groups = f.Child<QTreeWidget>("trGroups");
  groups->setCurrentItem(groups->topLevelItem(0)->child(0));
  f.SelectRow("lvGrMand", 1);
  f.Child<QCheckBox>("cbGrPrLedger")->setChecked(true);
  f.Idle();
  f.Child<admin::TRightTree>("tvGrRights")->ChgRight(1001, true);
  f.Idle();
  QTest::mouseClick(f.Child<QPushButton>("bbGrOK"), Qt::LeftButton);
  QVERIFY(form.UserRefresh());
  QCOMPARE(form.AktGroup()->ID, 1);
  f.Action("acSave")->trigger();

  f.SelectRow("lvUser", 3);
  f.SelectRow("lvUsMand", 1);
  QCOMPARE(f.Child<admin::TRightTree>("tvUsRights")->GetRightState(1001), std::uint8_t{1});  // received only
  f.Child<QTabWidget>("pcUser")->setCurrentIndex(2);
  QVERIFY(!form.UserRefresh());
  const rights::TUserRightsList effective = Effective(f.ReadBack(), 3);
  QVERIFY(effective.CanDo(1, 1001));
}

void MainFormTest::viewFilterAsksFirstAndDisablesModuleBoxes() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  file.Write();
  admin::TMainForm& form = f.StartAsAdmin();
  f.SelectRow("lvUser", 3);
  f.Child<QLineEdit>("edFunc")->setText(QStringLiteral("Buchhalterin"));
  f.fMessages.Answer(ui::mrYes);
  f.Child<QCheckBox>("cbVFLedger")->setChecked(false);
  f.Idle();
  QCOMPARE(f.Questions().size(), std::size_t{1});
  QCOMPARE(f.Questions().back().text, kApplyUser);
  QCOMPARE(form.RechteDatei()->UserList().ItemByID(3)->Func, std::string("Buchhalterin"));
  QVERIFY(!f.Child<QCheckBox>("cbUsPrLedger")->isEnabled());
  QVERIFY(!f.Child<QCheckBox>("cbGrPrLedger")->isEnabled());
  QVERIFY(f.Child<QCheckBox>("cbUsPrOpenItems")->isEnabled());
  QCOMPARE(f.Child<admin::TRightTree>("tvUsRights")->ViewFilter(), std::string(" IBUTYVWC"));
}

// The tree still shows the previous user's client until a client row is
// selected; applying the next user's name must not store that tree for him.
void MainFormTest::applyingAnotherUserLeavesItsRightsAlone() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  file.AssRightList().UpdateUsGrModules(true, 3, 1, "K        ");
  file.AssRightList().AddUsGrRight(true, 3, 1001, "KIBUTYVWC", 1, true);
  file.Write();
  admin::TMainForm& form = f.StartAsAdmin();
  f.SelectRow("lvUser", 3);
  f.SelectRow("lvUsMand", 1);
  f.SelectRow("lvUser", 4);
  f.Child<QLineEdit>("edUsBez")->setText(QStringLiteral("Carl Berger"));
  f.Idle();
  QTest::mouseClick(f.Child<QPushButton>("bbUsOK"), Qt::LeftButton);
  const auto& stored = form.RechteDatei()->AssRightList();
  QCOMPARE(form.RechteDatei()->UserList().ItemByID(4)->Bez, std::string("Carl Berger"));
  QVERIFY(stored.RightIDsFromUsGr(true, 4, 1).empty());
  QCOMPARE(stored.ModulesFromUsGr(true, 4, 1), stored.ModulesFromUsGr(true, 4, 2));
  QCOMPARE(stored.RightIDsFromUsGr(true, 3, 1), rights::IntList{1001});
}

void MainFormTest::deletingClearsThePanelAndEverythingThatReferredToIt() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  file.AssgnList().AddUs2Grp(3, 1);
  file.AssgnList().AddUsEqui(4, 3);
  file.AssRightList().AddUsGrRight(false, 1, 1001, "KIBUTYVWC", 1, true);
  file.Write();
  admin::TMainForm& form = f.StartAsAdmin();
  f.SelectRow("lvUser", 3);
  f.Action("acDelUser")->trigger();
  QVERIFY(form.AktUser() == nullptr);
  QVERIFY(!f.Child<QWidget>("pUser")->isVisibleTo(&form));
  QCOMPARE(f.Child<QTreeWidget>("lvUser")->topLevelItemCount(), 3);
  QCOMPARE(f.Child<QTreeWidget>("trGroups")->topLevelItem(0)->child(0)->childCount(), 0);

  auto* groups = f.Child<QTreeWidget>("trGroups");
  groups->setCurrentItem(groups->topLevelItem(0)->child(0));
  f.Action("acDelGroup")->trigger();
  QVERIFY(form.AktGroup() == nullptr);
  QCOMPARE(groups->topLevelItem(0)->childCount(), 0);
  QVERIFY(form.Modifyed());
  f.Action("acSave")->trigger();

  const TRechteDatei back = f.ReadBack();
  QVERIFY(back.UserList().ItemByID(3) == nullptr);
  QCOMPARE(back.GroupList().Count(), std::size_t{0});
  QVERIFY(back.AssgnList().UserIDsFromUser(4).empty());
  QVERIFY(back.AssRightList().RightIDsFromUsGr(false, 1, 1).empty());

  // The standard users stay, even when the action is triggered for them.
  f.SelectRow("lvUser", 2);
  f.Action("acDelUser")->trigger();
  QVERIFY(form.RechteDatei()->UserList().ItemByID(2) != nullptr);
}

void MainFormTest::newGroupIsCreatedAndSelectedByApply() {
  MainFormFixture f;
  CreateStaffFile(f).Write();
  admin::TMainForm& form = f.StartAsAdmin();
  f.Action("acNewGroup")->trigger();
  QVERIFY(form.AktGroup() == nullptr);
  QVERIFY(!f.Child<QTabWidget>("pcGroups")->isTabVisible(1));
  f.Child<QLineEdit>("edGrBez")->setText(QStringLiteral("Lohnbüro"));
  f.Idle();
  QTest::mouseClick(f.Child<QPushButton>("bbGrOK"), Qt::LeftButton);
  QVERIFY(form.AktGroup() != nullptr);
  QCOMPARE(form.AktGroup()->ID, 2);
  QVERIFY(f.Child<QTabWidget>("pcGroups")->isTabVisible(1));
  f.fDialogs->pick = {3, 4};
  f.Idle();
  QVERIFY(f.Action("acGRUSAdd")->isEnabled());
  f.Action("acGRUSAdd")->trigger();
  f.Action("acSave")->trigger();
  const TRechteDatei back = f.ReadBack();
  QCOMPARE(QString::fromStdString(back.GroupList().ItemByID(2)->Bez), QStringLiteral("Lohnbüro"));
  QCOMPARE(back.AssgnList().UserIDsFromGroup(2), (rights::IntList{3, 4}));
}

void MainFormTest::newPasswordIsAPendingEditUntilApplied() {
  MainFormFixture f;
  TRechteDatei file = CreateStaffFile(f);
  file.UserList().ItemByID(3)->PWExpired = true;
  file.Write();
  f.StartAsAdmin();
  f.SelectRow("lvUser", 3);
  auto* change = f.Child<QPushButton>("bbPWChg");
  auto* apply = f.Child<QPushButton>("bbUsOK");
  f.fDialogs->newPassword = QStringLiteral("neu");
  QTest::mouseClick(change, Qt::LeftButton);
  QVERIFY(!f.Child<QCheckBox>("cbPWExpired")->isChecked());
  f.fDialogs->newPassword.clear();  // a second change, cancelled, drops the first
  QTest::mouseClick(change, Qt::LeftButton);
  f.Child<QCheckBox>("cbPWExpired")->setChecked(true);
  f.Idle();
  QVERIFY(!apply->isEnabled());

  f.fDialogs->newPassword = QStringLiteral("neu");
  QTest::mouseClick(change, Qt::LeftButton);
  f.Idle();
  QVERIFY(apply->isEnabled());
  QTest::mouseClick(apply, Qt::LeftButton);
  f.Action("acSave")->trigger();
  const TRechteDatei back = f.ReadBack();
  QCOMPARE(back.UserLogin("berta", "neu"), 3);
  QVERIFY(!back.UserList().ItemByID(3)->PWExpired);
}

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
