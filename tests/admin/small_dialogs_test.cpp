// The administrator password, selection and domain dialogs.
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "admin/adm_pw_dlg.h"
#include "admin/domain_dlg.h"
#include "admin/group_dlg.h"
#include "modal_driver.h"
#include "support/registry_roots.h"
#include "ui/button.h"
#include "ui/edits.h"
#include "ui/list_view.h"
#include "ui/scripted_message_service.h"

using namespace admin;

namespace {

const QString kNotIdentical = QStringLiteral("Die eingegebenen Passworte sind nicht identisch.");
const QString kInvalid = QStringLiteral("Das verwendete Passwort ist ungültig.");

// Users 1 Admin, 2 Vorlage, 3 Anna, 4 Bernd, 5 Carla; groups 1 Buchhaltung,
// 2 Vertrieb (without members), 3 Lager.
std::unique_ptr<rights::TRechteDatei> SampleFile() {
  auto rd = std::make_unique<rights::TRechteDatei>("test.dat");
  for (const char* name : {"Admin", "Vorlage", "Anna", "Bernd", "Carla"}) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Bez = name;
    rd->UserList().AddItem(std::move(user));
  }
  for (const char* name : {"Buchhaltung", "Vertrieb", "Lager"}) {
    auto group = std::make_unique<rights::TFIGroup>();
    group->Bez = name;
    rd->GroupList().AddItem(std::move(group));
  }
  return rd;
}

// Whether the test confirms the dialog or closes it by the close box.
void ConfirmColumn() {
  QTest::addColumn<bool>("confirm");
  QTest::newRow("OK") << true;
  QTest::newRow("close box") << false;
}

QStringList Offered(const ui::TQVListView& list) {
  QStringList captions;
  for (int i = 0; i < list.topLevelItemCount(); ++i) captions << list.topLevelItem(i)->text(0);
  return captions;
}

}  // namespace

class SmallDialogsTest : public QObject {
  Q_OBJECT

  ui::ScriptedMessageService messages;
  std::unique_ptr<ui::ScopedMessageService> scope;
  std::unique_ptr<TempRegistryRoots> registry;

 private slots:
  void init() {
    messages.Clear();
    scope = std::make_unique<ui::ScopedMessageService>(messages);
    registry = std::make_unique<TempRegistryRoots>();
  }
  void cleanup() {
    scope.reset();
    registry.reset();
  }

  // A mismatch is reported before the rules; each failure focuses the field to correct.
  void passwordChecks_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::newRow("mismatch of invalid entries") << "123" << "456" << kNotIdentical << "edPW2";
    QTest::newRow("mismatch of valid entries") << "Geheim!1" << "geheim!1" << kNotIdentical << "edPW2";
    QTest::newRow("too short") << "Ab3$x" << "Ab3$x" << kInvalid << "edPW";
    QTest::newRow("letter run") << "abcdef" << "abcdef" << kInvalid << "edPW";
    QTest::newRow("accepted") << "Geheim!1" << "Geheim!1" << QString() << QString();
  }
  void passwordChecks() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    TAdmPWDlg dialog;
    dialog.setModal(true);  // buttons close modal windows only
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.PasswordEdit()->setText(first);
    dialog.RepeatEdit()->setText(second);
    QTest::mouseClick(dialog.findChild<ui::TQVButton*>(), Qt::LeftButton);
    QCoreApplication::processEvents();
    if (message.isEmpty()) {
      QVERIFY(!dialog.isVisible());
      QCOMPARE(dialog.result(), int(ui::mrOk));
      QVERIFY(messages.Requests().empty());
      return;
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(messages.Requests().size(), 1u);
    QCOMPARE(messages.Requests()[0].text, message);
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
  }

  void askAdmPW_data() { ConfirmColumn(); }
  void askAdmPW() {
    QFETCH(bool, confirm);
    WhenShown<TAdmPWDlg>([&](TAdmPWDlg& dialog) {
      // The close box skips the checks: the entries differ here.
      dialog.PasswordEdit()->setText(QStringLiteral("Geheim!1"));
      dialog.RepeatEdit()->setText(confirm ? QStringLiteral("Geheim!1") : QString());
      if (confirm)
        QTest::keyClick(dialog.RepeatEdit(), Qt::Key_Return);
      else
        dialog.close();
    });
    QCOMPARE(AskAdmPW(), confirm ? QStringLiteral("Geheim!1") : QString());
    QVERIFY(messages.Requests().empty());
  }

  // The three callers of the selection.
  void selectionOffers_data() {
    QTest::addColumn<bool>("user");
    QTest::addColumn<QList<int>>("listed");
    QTest::addColumn<int>("toUser");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("group members") << true << QList<int>{4} << 0 << "Benutzer hinzufügen"
                                   << QStringList{"Anna", "Carla"};
    QTest::newRow("memberships") << false << QList<int>{3} << 0 << "Gruppe(n) hinzufügen"
                                 << QStringList{"Buchhaltung", "Vertrieb"};
    QTest::newRow("equivalences") << true << QList<int>{5} << 3 << "Benutzer hinzufügen" << QStringList{"Bernd"};
  }
  void selectionOffers() {
    QFETCH(bool, user);
    QFETCH(QList<int>, listed);
    QFETCH(int, toUser);
    QFETCH(QString, caption);
    QFETCH(QStringList, offered);
    auto rd = SampleFile();
    QTreeWidget link;
    for (int id : listed) (new QTreeWidgetItem(&link, {"x"}))->setData(0, Qt::UserRole, id);
    TQXGroupDlg dialog(user, *rd, &link, toUser);
    QVERIFY(Offered(*dialog.List()).isEmpty());  // filled only when idle
    dialog.updateActions();
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(Offered(*dialog.List()), offered);
  }

  void selectionReturnsTickedCopies_data() { ConfirmColumn(); }
  void selectionReturnsTickedCopies() {
    QFETCH(bool, confirm);
    auto rd = SampleFile();
    WhenShown<TQXGroupDlg>([&](TQXGroupDlg& dialog) {
      dialog.updateActions();
      dialog.List()->topLevelItem(0)->setCheckState(0, Qt::Checked);
      dialog.List()->topLevelItem(2)->setCheckState(0, Qt::Checked);
      confirm ? dialog.accept() : (void)dialog.close();
    });
    const auto picked = SelectUsGr(false, *rd, nullptr, 0);
    if (!confirm) {
      QVERIFY(picked.empty());
      return;
    }
    QCOMPARE(picked.size(), 2u);
    QCOMPARE(picked[0]->ID, 1);
    QCOMPARE(picked[0]->Bez, std::string("Buchhaltung"));
    QCOMPARE(picked[1]->ID, 3);
    QCOMPARE(picked[1]->Bez, std::string("Lager"));
  }

  // "Übernehmen" only while something differs from what was loaded.
  void domainApplyOnlyWhileChanged() {
    auto rd = SampleFile();
    rd->SetWinDomain("firma");
    TfmDomain dialog;
    dialog.LoadFrom(*rd);
    dialog.show();
    auto enabledAfter = [&](const std::function<void()>& edit) {
      edit();
      dialog.updateActions();
      return dialog.ApplyButton()->isEnabled();
    };
    QVERIFY(!enabledAfter([] {}));
    QVERIFY(enabledAfter([&] { dialog.TrustBox()->setChecked(true); }));
    QVERIFY(!enabledAfter([&] { dialog.TrustBox()->setChecked(false); }));
    QVERIFY(enabledAfter([&] { QTest::keyClick(dialog.DomainEdit(), Qt::Key_X); }));
    QVERIFY(!enabledAfter([&] { QTest::keyClick(dialog.DomainEdit(), Qt::Key_Backspace); }));
  }

  void domainStoredInLowerCase_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<std::string>("stored");
    QTest::addColumn<bool>("trust");
    QTest::newRow("Übernehmen") << true << std::string("abcdefghijklmnopqrstuvwx") << true;
    QTest::newRow("Schließen") << false << std::string("alt") << false;
  }
  void domainStoredInLowerCase() {
    QFETCH(bool, confirm);
    QFETCH(std::string, stored);
    QFETCH(bool, trust);
    auto rd = SampleFile();
    rd->SetWinDomain("alt");
    QString shown;
    WhenShown<TfmDomain>([&](TfmDomain& dialog) {
      dialog.DomainEdit()->clear();
      QTest::keyClicks(dialog.DomainEdit(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
      shown = dialog.DomainEdit()->text();
      dialog.TrustBox()->setChecked(true);
      dialog.updateActions();
      const QString button = confirm ? QStringLiteral("Ü&bernehmen") : QStringLiteral("&Schließen");
      for (auto* b : dialog.findChildren<QPushButton*>())
        if (b->text() == button) QTest::mouseClick(b, Qt::LeftButton);
    });
    QCOMPARE(EditDomain(*rd), confirm);
    QCOMPARE(shown, QStringLiteral("abcdefghijklmnopqrstuvwx"));  // the 24 characters the header keeps
    QCOMPARE(rd->winDomain(), stored);
    QCOMPARE(rd->TrustDomainUser(), trust);
  }
};

QTEST_MAIN(SmallDialogsTest)
#include "small_dialogs_test.moc"
