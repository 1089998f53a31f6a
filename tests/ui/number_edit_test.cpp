// The number edits under German number settings: point for thousands, comma
// for decimals.
#include "ui/number_edit.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/combo_edit.h"
#include "ui/qv_form.h"
#include "ui/scripted_message_service.h"

using namespace ui;

namespace {

// A window with the edit under test and a field to move the focus to.
template <class Edit>
struct Window {
  QWidget window;
  Edit* edit = new Edit(&window);
  QLineEdit* next = new QLineEdit(&window);

  Window() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(next);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
  }
  void Leave() { next->setFocus(Qt::TabFocusReason); }
  void Type(const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
};

}  // namespace

class NumberEditTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  void init() { fScripted.Clear(); }

  void LeavingReadsLimitsAndShowsTheNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("minValue");
    QTest::addColumn<double>("maxValue");
    QTest::addColumn<bool>("thousands");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");
    QTest::newRow("above the maximum") << "1.234,5" << 0.0 << 100.0 << true << "100,00" << 100.0;
    QTest::newRow("empty") << "" << 0.0 << 100.0 << true << "0,00" << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0 << 0.0 << true << "0,00" << 0.0;
    QTest::newRow("no limits") << "1234,567" << 0.0 << 0.0 << true << "1.234,57" << 1234.567;
    QTest::newRow("below the minimum") << "-5" << 1.0 << 10.0 << true << "1,00" << 1.0;
    QTest::newRow("blanks around") << " 7 " << 0.0 << 0.0 << true << "7,00" << 7.0;
    QTest::newRow("without thousands") << "12345,5" << 0.0 << 0.0 << false << "12345,50" << 12345.5;
  }

  void LeavingReadsLimitsAndShowsTheNumber() {
    QFETCH(QString, text);
    QFETCH(double, minValue);
    QFETCH(double, maxValue);
    QFETCH(bool, thousands);
    QFETCH(QString, shown);
    QFETCH(double, value);
    Window<TQVCurrEdit> window;
    window.edit->SetRange(minValue, maxValue);
    window.edit->SetThousands(thousands);
    window.edit->setText(text);
    window.Leave();
    QCOMPARE(window.edit->text(), shown);
    QCOMPARE(window.edit->Value(), value);
    QVERIFY(fScripted.Requests().empty());
  }

  void TypingTakesDigitsSeparatorsAndMinusOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("point becomes comma") << "12.5" << "12,5";
    QTest::newRow("letters refused") << "1a2b" << "12";
    QTest::newRow("third decimal refused") << "3,14159" << "3,14";
    QTest::newRow("minus") << "-7" << "-7";
  }

  void TypingTakesDigitsSeparatorsAndMinusOnly() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    Window<TQVCurrEdit> window;
    window.Type(typed);
    QCOMPARE(window.edit->text(), text);
  }

  void ADigitMayReplaceSelectedDecimals() {
    Window<TQVCurrEdit> window;
    window.edit->SetValue(1.25);
    window.edit->setSelection(2, 2);  // "25" of "1,25"
    QTest::keyClicks(window.edit, "5");
    QCOMPARE(window.edit->text(), QString("1,5"));
  }

  void TextThatIsNoNumberKeepsTheFocusAndSaysWhy() {
    Window<TQVCurrEdit> window;
    window.edit->SetValue(5);
    window.edit->setText("1,2,3");
    window.Leave();
    QCOMPARE(fScripted.Requests().size(), 1u);
    QCOMPARE(fScripted.Requests().at(0).type, mtError);
    QVERIFY(fScripted.Requests().at(0).text.contains("1,2,3"));
    QTRY_VERIFY(window.edit->hasFocus());
    QCOMPARE(window.edit->selectedText(), QString("1,2,3"));
    QCOMPARE(window.edit->Value(), 5.0);
  }

  void EscapeReachesTheWindow() {
    TQVForm form;
    auto* layout = new QVBoxLayout(&form);
    auto* edit = new TQVCurrEdit(&form);
    layout->addWidget(edit);
    layout->addWidget(new TQVButton(bkCancel, "", &form));
    QTimer::singleShot(0, &form, [&] {
      edit->setFocus();
      QTest::keyClick(edit, Qt::Key_Escape);
    });
    QCOMPARE(form.exec(), int(mrCancel));
  }

  void ValueAsCurrencyAndInteger() {
    TQVCurrEdit edit;
    edit.SetDecimals(4);
    edit.SetValue(12.3456);
    QCOMPARE(edit.text(), QString("12,3456"));
    QCOMPARE(edit.AsCurrency(), qint64(123456));
    QCOMPARE(edit.AsInteger(), 12);
    edit.SetValue(std::nan(""));
    QCOMPARE(fScripted.Requests().size(), 1u);
    QVERIFY(fScripted.Requests().at(0).text.startsWith("Der Wert konnte für die Eingabezeile nicht gesetzt werden."));
    QCOMPARE(edit.Value(), 12.3456);
  }

  void UnitIsShownInsideAtTheRightEnd() {
    TQVCurrEdit edit;
    QCOMPARE(edit.sizeHint().width(), 105);
    edit.SetEinheit("ha");
    QVERIFY(edit.textMargins().right() > edit.fontMetrics().horizontalAdvance("ha"));
    edit.SetEinheit("");
    QCOMPARE(edit.textMargins().right(), 0);
  }

  void CurrEditShowsZeroEmptyAndMayLeaveTheRangeUnchecked() {
    Window<TCurrEdit> window;
    window.edit->SetZeroEmpty(true);
    QCOMPARE(window.edit->text(), QString());
    window.edit->SetRange(0, 10);
    window.edit->SetCheckOnExit(false);
    window.edit->setText("25");
    window.Leave();
    QCOMPARE(window.edit->text(), QString("25,00"));
    QVERIFY(!window.edit->ButtonVisible());
  }

 private:
  ScriptedMessageService fScripted;
  ScopedMessageService fInstalled{fScripted};
};

QTEST_MAIN(NumberEditTest)
#include "number_edit_test.moc"
