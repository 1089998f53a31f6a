#include "ui/button.h"

#include <QHBoxLayout>
#include <QTest>
#include <QTimer>

#include "ui/glyph_store.h"
#include "ui/help.h"
#include "ui/qv_form.h"

using namespace ui;

namespace {

// A dialog with a button strip; `canClose` answers its close check.
class Dialog : public TQVForm {
 public:
  explicit Dialog(std::initializer_list<std::pair<TBitBtnKind, const char*>> buttons) {
    auto* strip = new QHBoxLayout(this);
    for (const auto& [kind, caption] : buttons) {
      auto* button = new TQVButton(kind, QString::fromUtf8(caption), this);
      strip->addWidget(button);
      fButtons.append(button);
    }
  }
  TQVButton* Button(int index) const { return fButtons.at(index); }
  bool canClose = true;

 protected:
  bool CanClose() override { return canClose; }

 private:
  QList<TQVButton*> fButtons;
};

// Runs the dialog modally and does `act` once it runs.
int Exec(Dialog& dialog, const std::function<void()>& act) {
  QTimer::singleShot(0, &dialog, act);
  return dialog.exec();
}

}  // namespace

class ButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  void KindsGiveCaptionResultAndRole_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("designCaption");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("isDefault");
    QTest::addColumn<bool>("isCancel");
    QTest::newRow("ok") << int(bkOK) << "OK" << "OK" << int(mrOk) << true << false;
    QTest::newRow("yes") << int(bkYes) << "&Ja" << "&Ja" << int(mrYes) << true << false;
    QTest::newRow("no") << int(bkNo) << "&Nein" << "&Nein" << int(mrNo) << false << true;
    QTest::newRow("cancel") << int(bkCancel) << "x" << "&Abbrechen" << int(mrCancel) << false << true;
    QTest::newRow("abort") << int(bkAbort) << "x" << "&Abbrechen" << int(mrAbort) << false << false;
    QTest::newRow("apply") << int(bkApply) << "x" << "Ü&bernehmen" << int(mrOk) << true << false;
    QTest::newRow("save") << int(bkSave) << "x" << "&Speichern" << int(mrNone) << false << false;
    QTest::newRow("previous") << int(bkPrev) << "x" << "&Zurück" << int(mrNone) << false << false;
    QTest::newRow("delete") << int(bkDelete) << "x" << "&Löschen" << int(mrNone) << false << false;
  }

  void KindsGiveCaptionResultAndRole() {
    QFETCH(int, kind);
    QFETCH(QString, designCaption);
    QFETCH(QString, caption);
    QFETCH(int, result);
    QFETCH(bool, isDefault);
    QFETCH(bool, isCancel);
    TQVButton button(TBitBtnKind(kind), designCaption);
    QCOMPARE(button.text(), caption);
    QCOMPARE(int(button.ModalResult()), result);
    QCOMPARE(button.isDefault(), isDefault);
    QCOMPARE(button.IsCancel(), isCancel);
  }

  void EveryKindButCustomHasAGlyphInTheStore() {
    for (int kind = bkOK; kind <= bkApply; ++kind) {
      const TButtonKindInfo& info = KindInfo(TBitBtnKind(kind));
      QVERIFY2(info.glyph && !StoredGlyph(info.glyph).isNull(), info.glyph);
      TQVButton button(TBitBtnKind(kind), "x");
      QVERIFY(!button.icon().isNull());
    }
    QVERIFY(StoredGlyph("UNBEKANNT").isNull());
    TQVButton custom(bkCustom, "Eigene");
    QVERIFY(custom.icon().isNull());
    QCOMPARE(int(custom.ModalResult()), int(mrNone));
  }

  void ClickingAKindButtonClosesAModalWindowAfterItsHandlers() {
    Dialog dialog({{bkOK, "OK"}, {bkNo, "&Nein"}});
    bool stillOpenInHandler = false;
    connect(dialog.Button(0), &QPushButton::clicked, [&] { stillOpenInHandler = dialog.isVisible(); });
    QCOMPARE(Exec(dialog, [&] { QTest::mouseClick(dialog.Button(0), Qt::LeftButton); }), int(mrOk));
    QVERIFY(stillOpenInHandler);
    QCOMPARE(Exec(dialog, [&] { dialog.Button(1)->click(); }), int(mrNo));
  }

  void EscClicksTheCancelButton() {
    Dialog dialog({{bkOK, "OK"}, {bkCancel, ""}});
    QCOMPARE(Exec(dialog, [&] { QTest::keyClick(dialog.Button(0), Qt::Key_Escape); }), int(mrCancel));
  }

  void TheCloseCheckCanKeepTheWindowOpen() {
    Dialog dialog({{bkOK, "OK"}, {bkCancel, ""}});
    dialog.canClose = false;
    QCOMPARE(Exec(dialog,
                  [&] {
                    dialog.Button(0)->click();
                    QTimer::singleShot(0, &dialog, [&] {
                      QVERIFY(dialog.isVisible());
                      dialog.canClose = true;
                      dialog.Button(1)->click();
                    });
                  }),
             int(mrCancel));
  }

  void CloseAndHelpButtons() {
    int shownContext = 0;
    SetHelpHandler([&](int context) { shownContext = context; });
    Dialog dialog({{bkClose, "S&chließen"}, {bkHelp, "&Hilfe"}});
    dialog.setProperty("HelpContext", 1025);
    dialog.show();
    dialog.Button(1)->click();
    QCOMPARE(shownContext, 1025);
    QVERIFY(dialog.isVisible());
    dialog.Button(0)->click();
    QVERIFY(!dialog.isVisible());
    SetHelpHandler({});
  }

  void NoFocusButtonsNeverTakeTheFocus() {
    TQVButton button(bkPrint, "");
    button.SetNoFocus(true);
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);
    button.SetNoFocus(false);
    QVERIFY(button.focusPolicy() & Qt::TabFocus);
  }
};

QTEST_MAIN(ButtonsTest)
#include "buttons_test.moc"
