#include "ui/messages.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <stdexcept>

#include "ui/abort.h"
#include "ui/action_guard.h"
#include "ui/qt_message_service.h"
#include "ui/scripted_message_service.h"

using namespace ui;

namespace {

QStringList ButtonTexts(const QMessageBox& box) {
  QStringList texts;
  for (const QAbstractButton* button : box.buttons()) texts.append(button->text());
  return texts;
}

// Runs `inspect` on the message box the Qt service shows, then `close` on it.
TModalResult AskQt(const TMessageRequest& request, const std::function<void(QMessageBox&)>& inspect,
                   const std::function<void(QMessageBox&)>& close) {
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    inspect(*box);
    close(*box);
  });
  QtMessageService service;
  return service.Ask(request);
}

}  // namespace

class MessagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { fScripted.Clear(); }

  void QuestionsCarryTextTypeButtonsAndDefault() {
    QCOMPARE(ShowMessageDialog("Mitglied entfernen?", mbNo, mtConfirmation, {mbYes, mbNo}, 1005), mrNo);
    fScripted.Answer(mrCancel);
    QCOMPARE(AskYesNoCancel("Änderungen speichern?"), mrCancel);
    QCOMPARE(fScripted.Requests().size(), 2u);
    const TMessageRequest& yesNo = fScripted.Requests().at(0);
    QCOMPARE(yesNo.text, QString("Mitglied entfernen?"));
    QCOMPARE(yesNo.type, mtConfirmation);
    QVERIFY(yesNo.buttons == TMsgDlgButtons({mbYes, mbNo}));
    QCOMPARE(yesNo.defaultButton, mbNo);
    QCOMPARE(yesNo.helpContext, 1005);
    const TMessageRequest& yesNoCancel = fScripted.Requests().at(1);
    QVERIFY(yesNoCancel.buttons == TMsgDlgButtons({mbYes, mbNo, mbCancel}));
    QCOMPARE(yesNoCancel.defaultButton, mbYes);
    QCOMPARE(yesNoCancel.type, mtConfirmation);
    QVERIFY(fScripted.Sounds().empty());
  }

  void NoticesAndErrorsComeWithTheirSounds() {
    ShowInfoMessage("Geben Sie einen Anmeldenamen ein.");
    ShowInfoMessage("Still", "Hinweis", false);
    ShowErrorMessage("Datei fehlt", "Speichern");
    ShowError("Kaputt");
    QCOMPARE(fScripted.Sounds(), (std::vector<TSound>{TSound::Exclamation, TSound::Error, TSound::Error}));
    const auto& requests = fScripted.Requests();
    QCOMPARE(requests.size(), 4u);
    QCOMPARE(requests.at(0).type, mtInformation);
    QCOMPARE(requests.at(1).title, QString("Hinweis"));
    QCOMPARE(requests.at(2).type, mtError);
    QCOMPARE(requests.at(2).title, QString("Speichern"));
    QCOMPARE(requests.at(3).title, QString());
    for (const auto& request : requests) QVERIFY(request.buttons == TMsgDlgButtons({mbOK}));
  }

  void AbortAfterEndsTheOperationWithoutASecondMessage() {
    bool reachedEnd = false;
    QVERIFY(!RunGuarded([&] {
      ShowErrorMessage("Datei fehlt", {}, true, true);
      reachedEnd = true;
    }));
    QVERIFY(!reachedEnd);
    QCOMPARE(fScripted.Requests().size(), 1u);
    QVERIFY_THROWS_EXCEPTION(EAbort, ShowError("x", true));
  }

  void FailuresOfAnOperationAreShownAsErrors() {
    QVERIFY(!RunGuarded([] { throw std::runtime_error("Die Datei ist beschädigt."); }));
    QCOMPARE(fScripted.Requests().size(), 1u);
    QCOMPARE(fScripted.Requests().at(0).text, QString("Die Datei ist beschädigt."));
    QCOMPARE(fScripted.Requests().at(0).type, mtError);
    QVERIFY(RunGuarded([] {}));
  }

  void ValidationMessages_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("shownType");  // -1: nothing shown
    QTest::addColumn<bool>("aborts");
    QTest::newRow("kind 0") << 0 << false << int(mrCancel) << int(mtInformation) << true;
    QTest::newRow("kind 2, cancel") << 2 << false << int(mrCancel) << int(mtConfirmation) << true;
    QTest::newRow("kind 2, ignore") << 2 << false << int(mrIgnore) << int(mtConfirmation) << false;
    QTest::newRow("kind 1") << 1 << false << int(mrCancel) << -1 << true;
    QTest::newRow("quiet") << 2 << true << int(mrIgnore) << -1 << true;
  }

  void ValidationMessages() {
    QFETCH(int, kind);
    QFETCH(bool, quiet);
    QFETCH(int, answer);
    QFETCH(int, shownType);
    QFETCH(bool, aborts);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* refused = new QLineEdit(&window);
    layout->addWidget(first);
    layout->addWidget(refused);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    fScripted.Answer(TModalResult(answer));
    bool aborted = false;
    try {
      ShowValidationMessage(refused, "Der Name fehlt.\r\n", kind, quiet);
    } catch (const EAbort&) {
      aborted = true;
    }
    QCOMPARE(aborted, aborts);
    QCOMPARE(first->hasFocus(), !aborts);
    QCOMPARE(refused->hasFocus(), aborts);
    if (shownType < 0) {
      QVERIFY(fScripted.Requests().empty());
      return;
    }
    QCOMPARE(fScripted.Requests().size(), 1u);
    const TMessageRequest& shown = fScripted.Requests().at(0);
    QCOMPARE(shown.text, QString("Der Name fehlt."));
    QCOMPARE(int(shown.type), shownType);
    QCOMPARE(shown.defaultButton, mbCancel);
    QVERIFY(shown.buttons == (kind == 2 ? TMsgDlgButtons{mbCancel, mbIgnore} : TMsgDlgButtons{mbCancel}));
  }

  void QtBoxesSpeakGermanAndEnterTakesTheDefault() {
    TMessageRequest request;
    request.text = "Benutzer löschen?\rDas kann nicht rückgängig gemacht werden.";
    request.type = mtConfirmation;
    request.buttons = {mbYes, mbNo};
    request.defaultButton = mbNo;
    const TModalResult result = AskQt(
        request,
        [](QMessageBox& box) {
          QCOMPARE(box.windowTitle(), QString("Bestätigen"));
          QCOMPARE(ButtonTexts(box), (QStringList{"&Ja", "&Nein"}));
          QCOMPARE(box.defaultButton()->text(), QString("&Nein"));
          QCOMPARE(box.text(), QString("Benutzer löschen?\nDas kann nicht rückgängig gemacht werden."));
        },
        [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    QCOMPARE(result, mrNo);
  }

  void QtBoxesAnswerEscAsCancel() {
    TMessageRequest request;
    request.type = mtWarning;
    request.buttons = {mbYes, mbNo, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbClose};
    request.defaultButton = mbYes;
    const TModalResult result = AskQt(
        request,
        [](QMessageBox& box) {
          QCOMPARE(box.windowTitle(), QString("Warnung"));
          QCOMPARE(ButtonTexts(box), (QStringList{"&Ja", "&Nein", "Abbrechen", "&Abbrechen", "&Wiederholen",
                                                  "&Ignorieren", "&Alle", "&Alle Nein", "A&lle Ja", "S&chließen"}));
        },
        [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QCOMPARE(result, mrCancel);
  }

  void QtBoxesReturnTheClickedButton() {
    TMessageRequest request;
    request.type = mtError;
    request.buttons = {mbAbort, mbRetry, mbIgnore};
    request.defaultButton = mbRetry;
    const TModalResult result = AskQt(
        request, [](QMessageBox& box) { QCOMPARE(box.windowTitle(), QString("Fehler")); },
        [](QMessageBox& box) { box.buttons().at(2)->click(); });
    QCOMPARE(result, mrIgnore);
  }

 private:
  ScriptedMessageService fScripted;
  ScopedMessageService fInstalled{fScripted};
};

QTEST_MAIN(MessagesTest)
#include "messages_test.moc"
