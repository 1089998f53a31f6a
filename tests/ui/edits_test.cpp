#include "ui/edits.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include "ui/check_buttons.h"
#include "ui/combo_box.h"

using namespace ui;

class EditsTest : public QObject {
  Q_OBJECT

 private slots:
  void RequiredFieldsShowTheTooltipColour() {
    const QPalette standard = QApplication::palette();
    TQVEdit edit;
    edit.SetRequired(rqYes);
    QCOMPARE(edit.palette().color(QPalette::Base), standard.color(QPalette::ToolTipBase));
    edit.SetRequired(rqOnExit);
    QCOMPARE(edit.palette().color(QPalette::Base), standard.color(QPalette::ToolTipBase));
    edit.SetRequired(rqNo);
    QCOMPARE(edit.palette().color(QPalette::Base), standard.color(QPalette::Base));
    TQVComboBox combo;  // without an edit it is painted like a button
    combo.SetRequired(rqYes);
    QCOMPARE(combo.palette().color(QPalette::Button), standard.color(QPalette::ToolTipBase));
    combo.SetRequired(rqNo);
    QCOMPARE(combo.palette().color(QPalette::Button), standard.color(QPalette::Button));
  }

  void AsStringPadsToTheLengthAsTextCuts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("rightAligned");
    QTest::addColumn<QString>("asString");
    QTest::addColumn<QString>("asText");
    QTest::newRow("left") << " Hof " << 6 << false << "Hof   " << " Hof ";
    QTest::newRow("right") << " 12" << 5 << true << "   12" << " 12";
    QTest::newRow("no limit") << " Hof " << 0 << false << "Hof" << " Hof ";
  }

  void AsStringPadsToTheLengthAsTextCuts() {
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(bool, rightAligned);
    QFETCH(QString, asString);
    QFETCH(QString, asText);
    TQVEdit edit;
    edit.SetMaxLength(maxLength);
    if (rightAligned) edit.setAlignment(Qt::AlignRight);
    edit.setText(text);
    QCOMPARE(edit.AsString(), asString);
    QCOMPARE(edit.AsText(), asText);
  }

  void WritingAsStringTrimsAndCuts() {
    TQVEdit edit;
    edit.SetMaxLength(4);
    edit.SetAsString("  Hofladen ");
    QCOMPARE(edit.text(), QString("Hofl"));
    QCOMPARE(edit.MaxLength(), 4);
  }

  void ARightAlignedFieldSelectsItsTextWhenEntered() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* left = new TQVEdit(&window);
    auto* right = new TQVEdit(&window);
    right->setAlignment(Qt::AlignRight);
    right->setText("1.234");
    layout->addWidget(left);
    layout->addWidget(right);
    window.show();
    QApplication::setActiveWindow(&window);
    right->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(right->selectedText(), QString("1.234"));
  }

  void LabelsLeadToTheirFields() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new TQVLabel("&Name:", &window);
    auto* edit = new TQVEdit(&window);
    auto* other = new TQVEdit(&window);
    label->setBuddy(edit);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus();
    QTest::mouseDClick(label, Qt::LeftButton);
    QVERIFY(edit->hasFocus());

    SetLabelEnabled(label, false);
    QVERIFY(!label->isEnabled());
    QVERIFY(!edit->isEnabled());
    QCOMPARE(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    SetLabelEnabled(label, true);
    QVERIFY(edit->isEnabled());
    QCOMPARE(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
  }

  void RadioCaptionIsBoldWhileChecked() {
    QWidget group;
    TQVRadioButton all("Alle", &group);
    TQVRadioButton some("Einige", &group);
    all.SetBoldIfChecked(true);
    some.SetBoldIfChecked(true);
    all.setChecked(true);
    QVERIFY(all.font().bold());
    QVERIFY(!some.font().bold());
    some.setChecked(true);
    QVERIFY(!all.font().bold());
    QVERIFY(some.font().bold());
  }
};

QTEST_MAIN(EditsTest)
#include "edits_test.moc"
