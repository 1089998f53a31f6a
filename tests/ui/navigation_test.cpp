// Enter and the arrow keys move the focus between input controls; Enter
// reaches the default button when the control's parent holds it.
#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/check_buttons.h"
#include "ui/combo_box.h"
#include "ui/edits.h"
#include "ui/number_edit.h"
#include "ui/qv_form.h"

using namespace ui;

namespace {

// A window with a panel of input controls and, beside the panel, a strip with
// the default button.
struct Window {
  TQVForm form;
  QWidget* panel = new QWidget(&form);
  TQVEdit* edName = new TQVEdit(panel);
  TQVComboBox* cbFunction = new TQVComboBox(panel);
  TQVCheckBox* cbLocked = new TQVCheckBox(panel);
  TQVCurrEdit* edAmount = new TQVCurrEdit(panel);
  TQVEdit* edLast = new TQVEdit(panel);
  QWidget* strip = new QWidget(&form);
  TQVButton* bbOK = new TQVButton(bkOK, "OK", strip);
  TQVButton* bbCancel = new TQVButton(bkCancel, "", strip);

  Window() {
    auto* layout = new QVBoxLayout(&form);
    layout->addWidget(panel);
    layout->addWidget(strip);
    auto* fields = new QVBoxLayout(panel);
    for (QWidget* field : Fields()) fields->addWidget(field);
    cbFunction->addItems({"Buchhalter", "Verwalter", "Übersicht"});
    auto* buttons = new QHBoxLayout(strip);
    buttons->addWidget(bbOK);
    buttons->addWidget(bbCancel);
    form.show();
    QApplication::setActiveWindow(&form);
  }
  QList<QWidget*> Fields() const { return {edName, cbFunction, cbLocked, edAmount, edLast}; }
};

}  // namespace

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void EnterAndDownMoveOnUpMovesBack() {
    Window window;
    const QList<QWidget*> fields = window.Fields();
    for (int i = 0; i + 1 < fields.size(); ++i) {
      fields.at(i)->setFocus();
      QTest::keyClick(fields.at(i), Qt::Key_Return);
      QVERIFY2(fields.at(i + 1)->hasFocus(), fields.at(i)->metaObject()->className());
      QTest::keyClick(fields.at(i + 1), Qt::Key_Up);
      QVERIFY(fields.at(i)->hasFocus());
      QTest::keyClick(fields.at(i), Qt::Key_Down);
      QVERIFY(fields.at(i + 1)->hasFocus());
    }
    QVERIFY(window.form.isVisible());
  }

  void HeldModifiersAndDefaultKeyDownLeaveTheKeysAlone() {
    Window window;
    window.edName->setFocus();
    QTest::keyClick(window.edName, Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(window.edName->hasFocus());
    window.cbFunction->SetDefaultKeyDown(true);
    window.cbFunction->setFocus();
    QTest::keyClick(window.cbFunction, Qt::Key_Down);
    QVERIFY(window.cbFunction->hasFocus());
    QCOMPARE(window.cbFunction->currentIndex(), 1);
  }

  void EnterReachesTheDefaultButtonOfTheParent() {
    // The edit and the strip share the window as parent.
    Window window;
    window.form.hide();
    auto* edNote = new TQVEdit(&window.form);
    window.form.layout()->addWidget(edNote);
    QTimer::singleShot(0, &window.form, [&] {
      edNote->setFocus();
      QTest::keyClick(edNote, Qt::Key_Return);
    });
    QCOMPARE(window.form.exec(), int(mrOk));
  }

  void ButtonsMoveWithTheArrowKeys() {
    Window window;
    window.bbOK->setFocus();
    QTest::keyClick(window.bbOK, Qt::Key_Right);
    QVERIFY(window.bbCancel->hasFocus());
    QTest::keyClick(window.bbCancel, Qt::Key_Up);
    QVERIFY(window.bbOK->hasFocus());
    QTest::keyClick(window.bbOK, Qt::Key_Left);
    QVERIFY(window.edLast->hasFocus());
  }

  void ComboBoxStepsWithLeftAndRightAndSearchesAsTyped() {
    Window window;
    TQVComboBox* combo = window.cbFunction;
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Right);
    QCOMPARE(combo->currentIndex(), 1);
    QTest::keyClick(combo, Qt::Key_Left);
    QTest::keyClick(combo, Qt::Key_Left);
    QCOMPARE(combo->currentIndex(), 0);
    QTest::keyClicks(combo, "ve");
    QCOMPARE(combo->SearchText(), QString("ve"));
    QCOMPARE(combo->currentIndex(), 1);
    QTest::sendKeyEvent(QTest::Click, combo, Qt::Key_unknown, QString("x"), Qt::NoModifier);
    QCOMPARE(combo->currentIndex(), 1);  // no entry starts with "vex"
    QVERIFY(combo->hasFocus());
  }

  void ComboBoxSearchTakesUmlauts() {
    Window window;
    window.cbFunction->setFocus();
    QTest::sendKeyEvent(QTest::Click, window.cbFunction, Qt::Key_unknown, QString("Ü"), Qt::NoModifier);
    QCOMPARE(window.cbFunction->currentIndex(), 2);
  }

  void EnterInTheOpenListTakesTheEntryAndMovesOn() {
    Window window;
    TQVComboBox* combo = window.cbFunction;
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_F3);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
    QCOMPARE(combo->currentIndex(), 1);
    QTRY_VERIFY(window.cbLocked->hasFocus());
  }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
