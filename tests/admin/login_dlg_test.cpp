// The sign-in dialog: tries, administrator mode, the one-time service sign-in.
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "admin/login_dlg.h"
#include "admin/password_field.h"
#include "service/service_code.h"
#include "modal_driver.h"
#include "ui/edits.h"
#include "ui/scripted_message_service.h"

using namespace admin;

namespace {

const QByteArray kKey = "support-key-for-tests";

enum class Trigger { OkButton, EnterKey };

void TryPassword(TQVLoginDlg& dialog, const QString& password, Trigger trigger) {
  dialog.PasswordEdit()->setText(password);
  if (trigger == Trigger::OkButton)
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("bbLogin")), Qt::LeftButton);
  else
    QTest::keyClick(dialog.PasswordEdit(), Qt::Key_Return);
}

// A check that accepts one password and counts its calls.
struct CountingCheck {
  explicit CountingCheck(QString acceptedPassword = {}) : accepted(std::move(acceptedPassword)) {}
  QString accepted;
  int calls = 0;
  QStringList names;
  TLogonProc Proc() {
    return [this](const TLogonData& data, bool& success, bool&) {
      ++calls;
      names << data.Name;
      success = data.Passwort == accepted;
    };
  }
};

}  // namespace

class LoginDlgTest : public QObject {
  Q_OBJECT

  ui::ScriptedMessageService messages;
  std::unique_ptr<ui::ScopedMessageService> scope;

 private slots:
  void init() {
    messages.Clear();
    scope = std::make_unique<ui::ScopedMessageService>(messages);
  }
  void cleanup() { scope.reset(); }

  void threeFailuresCancel_data() {
    QTest::addColumn<Trigger>("trigger");
    QTest::newRow("OK") << Trigger::OkButton;
    QTest::newRow("Enter") << Trigger::EnterKey;
  }
  void threeFailuresCancel() {
    QFETCH(Trigger, trigger);
    CountingCheck check{QStringLiteral("richtig")};
    bool openAfterTwo = false;
    WhenShown<TQVLoginDlg>([&](TQVLoginDlg& dialog) {
      TryPassword(dialog, QStringLiteral("falsch1"), trigger);
      TryPassword(dialog, QStringLiteral("falsch2"), trigger);
      openAfterTwo = dialog.isVisible();
      TryPassword(dialog, QStringLiteral("falsch3"), trigger);
    });
    TLogonData data{QStringLiteral("alt"), QStringLiteral("alt")};
    ShowLogonDlg(true, true, data, check.Proc(), std::nullopt);
    QVERIFY(openAfterTwo);
    QCOMPARE(check.calls, 3);
    QCOMPARE(data.ModalResult, 2);
    QVERIFY(data.Passwort.isEmpty());
  }

  void acceptedTryFillsData_data() { threeFailuresCancel_data(); }
  void acceptedTryFillsData() {
    QFETCH(Trigger, trigger);
    CountingCheck check{QStringLiteral("geheim")};
    bool nameEnabled = true;
    WhenShown<TQVLoginDlg>([&](TQVLoginDlg& dialog) {
      nameEnabled = dialog.NameEdit()->isEnabled();
      TryPassword(dialog, QStringLiteral("falsch"), trigger);
      TryPassword(dialog, QStringLiteral("geheim"), trigger);
    });
    TLogonData data;
    ShowLogonDlg(true, true, data, check.Proc(), std::nullopt);
    QVERIFY(!nameEnabled);
    QCOMPARE(check.calls, 2);
    QCOMPARE(check.names, QStringList({"Admin", "Admin"}));
    QCOMPARE(data.ModalResult, 1);
    QCOMPARE(data.Name, QStringLiteral("Admin"));
    QCOMPARE(data.Passwort, QStringLiteral("geheim"));
    QVERIFY(!data.ELPass);
  }

  void breakEndsAtOnce() {
    int calls = 0;
    WhenShown<TQVLoginDlg>([&](TQVLoginDlg& dialog) { TryPassword(dialog, "x", Trigger::OkButton); });
    TLogonData data;
    ShowLogonDlg(false, false, data, [&](const TLogonData&, bool&, bool& brk) { ++calls, brk = true; }, std::nullopt);
    QCOMPARE(calls, 1);
    QCOMPARE(data.ModalResult, 2);
  }

  // Only the code for the number behind the shown name admits, and once
  // one-time mode is on the caller's check is out of the game.
  void oneTimeCode_data() {
    QTest::addColumn<int>("numberOffset");
    QTest::addColumn<bool>("lowerCase");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("right code") << 0 << false << true;
    QTest::newRow("right code, lower case") << 0 << true << true;
    QTest::newRow("code of the previous name") << -1 << false << false;
    QTest::newRow("code of the next name") << 1 << false << false;
  }
  void oneTimeCode() {
    QFETCH(int, numberOffset);
    QFETCH(bool, lowerCase);
    QFETCH(bool, accepted);
    CountingCheck check{QStringLiteral("geheim")};
    QString shownName;
    qint64 number = 0;
    WhenShown<TQVLoginDlg>([&](TQVLoginDlg& dialog) {
      QVERIFY(dialog.OneTimeAction()->isEnabled());
      dialog.OneTimeAction()->trigger();
      number = dialog.DT();
      shownName = dialog.NameText();
      QVERIFY(!dialog.NameEdit()->isEnabled());
      QString code = service::ServiceCode(kKey, number + numberOffset);
      if (lowerCase) code = code.toLower();
      TryPassword(dialog, code, Trigger::EnterKey);
      if (dialog.isVisible()) dialog.reject();
    });
    TLogonData data;
    ShowLogonDlg(true, true, data, check.Proc(), kKey);
    QCOMPARE(check.calls, 0);
    QCOMPARE(shownName, service::OneTimeName(number));
    QCOMPARE(shownName.size(), 7);
    QCOMPARE(data.ModalResult, accepted ? 1 : 2);
    QCOMPARE(data.ELPass, accepted);
    QCOMPARE(messages.Requests().size(), accepted ? 0u : 1u);
    if (accepted) {
      // The code does not travel on to the caller.
      QCOMPARE(data.Name, QStringLiteral("**********"));
      QCOMPARE(data.Passwort, QStringLiteral("**********"));
    } else {
      QCOMPARE(messages.Requests()[0].text,
               QStringLiteral("Die Anmeldung ist fehlgeschlagen.\rÜberprüfen Sie Benutzername und Passwort."));
    }
  }

  void oneTimeFailuresCountAsTries() {
    WhenShown<TQVLoginDlg>([&](TQVLoginDlg& dialog) {
      dialog.StartOneTimeLogin();
      for (int i = 0; i < 3; ++i) TryPassword(dialog, QStringLiteral("0000000000"), Trigger::OkButton);
    });
    TLogonData data;
    ShowLogonDlg(true, true, data, CountingCheck{}.Proc(), kKey);
    QCOMPARE(data.ModalResult, 2);
    QVERIFY(!data.ELPass);
    QCOMPARE(messages.Requests().size(), 3u);
  }

  void withoutKeyOneTimeIsDisabled() {
    TQVLoginDlg dialog(std::nullopt);
    dialog.SetOneTimeMenu(true);
    QVERIFY(!dialog.OneTimeAction()->isEnabled());
    dialog.StartOneTimeLogin();
    QCOMPARE(dialog.DT(), 0);
    QCOMPARE(dialog.contextMenuPolicy(), Qt::CustomContextMenu);
  }

  void oneTimeMenuOnlyWhenAsked() {
    TQVLoginDlg dialog(kKey);
    dialog.SetOneTimeMenu(false);
    QVERIFY(dialog.contextMenuPolicy() != Qt::CustomContextMenu);
  }

  void askNewPasswordIgnoresName() {
    bool nameEnabled = false;
    WhenShown<TQVLoginDlg>([&](TQVLoginDlg& dialog) {
      nameEnabled = dialog.NameEdit()->isEnabled() && dialog.NameText().isEmpty();
      dialog.NameEdit()->setText(QStringLiteral("jemand"));
      TryPassword(dialog, QStringLiteral("Neu-Passwort"), Trigger::OkButton);
    });
    TLogonData data{QStringLiteral("alt"), QStringLiteral("alt"), true, true};
    AskNewPassword(data);
    QVERIFY(nameEnabled);
    QCOMPARE(data.ModalResult, 1);
    QCOMPARE(data.Passwort, QStringLiteral("Neu-Passwort"));
    QVERIFY(data.Name.isEmpty());
    QVERIFY(!data.ELPass);
  }

  void askNewPasswordCancelled() {
    WhenShown<TQVLoginDlg>([&](TQVLoginDlg& dialog) {
      dialog.PasswordEdit()->setText(QStringLiteral("egal"));
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    TLogonData data;
    AskNewPassword(data);
    QCOMPARE(data.ModalResult, 2);
    QVERIFY(data.Passwort.isEmpty());
  }

  // Holding the eye shows the text; the caret stays where it was.
  void revealWhileHeld() {
    TQVLoginDlg dialog(std::nullopt);
    dialog.show();
    dialog.PasswordEdit()->setText(QStringLiteral("abcdef"));
    dialog.PasswordEdit()->setCursorPosition(2);
    auto* eye = dialog.findChild<TRevealImage*>();
    QVERIFY(eye);
    QTest::mousePress(eye, Qt::LeftButton);
    QCOMPARE(dialog.PasswordEdit()->echoMode(), QLineEdit::Normal);
    QCOMPARE(dialog.PasswordEdit()->cursorPosition(), 2);
    QTest::mouseRelease(eye, Qt::LeftButton);
    QCOMPARE(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.PasswordEdit()->cursorPosition(), 2);
  }

  // The edits' menu acts on the focused edit only, always on its whole text.
  void editMenu() {
    QWidget window;
    auto* edit = new QLineEdit(QStringLiteral("Anna"), &window);
    auto* button = new QPushButton(&window);
    button->move(0, 40);
    QMenu* menu = CreateEditMenu(&window);
    auto run = [menu](const QString& entry) {
      for (QAction* action : menu->actions())
        if (action->text() == entry) action->trigger();
    };
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    edit->setSelection(1, 2);
    run(QStringLiteral("Kopieren"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Anna"));
    QApplication::clipboard()->setText(QStringLiteral("Bernd"));
    run(QStringLiteral("Einfügen"));
    QCOMPARE(edit->text(), QStringLiteral("Bernd"));
    edit->setText(QStringLiteral("Geheim-ä"));
    run(QStringLiteral("Decrypt"));
    QCOMPARE(edit->text(), ScrambledText(QStringLiteral("Geheim-ä")));
    QVERIFY(edit->text() != QStringLiteral("Geheim-ä"));

    button->setFocus();
    run(QStringLiteral("Einfügen"));
    QCOMPARE(edit->text(), ScrambledText(QStringLiteral("Geheim-ä")));
  }

  // Where the state cannot be read the warning stays hidden.
  void capsLockWarningHiddenWhenUnknown() {
    TQVLoginDlg dialog(std::nullopt);
    dialog.show();
    dialog.updateActions();
    QVERIFY(!dialog.CapsLockLabel()->isVisible());
  }
};

QTEST_MAIN(LoginDlgTest)
#include "login_dlg_test.moc"
