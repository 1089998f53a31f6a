// The progress window's texts, counters and cancel rule, and the other
// windows being disabled while it is shown.
#include <QTest>

#include "reports/progress_form.h"
#include "ui/button.h"

using namespace reports;

class ProgressFormTest : public QObject {
  Q_OBJECT
 private slots:
  void printTexts();
  void preparingBecomesListeErstellen();
  void exportTexts();
  void recordCountsAboveHundred();
  void cancelMarksTheJob();
  void otherWindowsAreDisabledWhileShown();
};

void ProgressFormTest::printTexts() {
  TQRProgressForm form;
  form.StartPrint(TQRProgressForm::TTask::Print, QStringLiteral("Rechte - Liste"), QStringLiteral("Laser 2"), 0, 0);
  QCOMPARE(form.windowTitle(), QStringLiteral("Druckvorgang"));
  QCOMPARE(form.DestinationText(), QStringLiteral("an Laser 2"));
  QCOMPARE(form.FromText(), QStringLiteral("1"));
  QCOMPARE(form.ToText(), QStringLiteral("alles"));
  QCOMPARE(form.DonePagesText(), QStringLiteral("keine"));
  form.PageDone(1, true);
  QCOMPARE(form.InfoText(), QStringLiteral("Bitte warten, es wird gedruckt..."));
  QCOMPARE(form.windowTitle(), QStringLiteral("Druckvorgang"));
  form.PageDone(2, false);
  QCOMPARE(form.CurrentPageText(), QStringLiteral("2"));
  QCOMPARE(form.DonePagesText(), QStringLiteral("1"));
  // Only multiples of five move the bar while printing.
  form.SetProgress(33);
  QCOMPARE(form.BarValue(), 0);
  form.SetProgress(35);
  QCOMPARE(form.InfoText(), QStringLiteral("35% gedruckt, bitte warten"));
  QCOMPARE(form.BarValue(), 35);
}

void ProgressFormTest::preparingBecomesListeErstellen() {
  TQRProgressForm form;
  form.StartPrint(TQRProgressForm::TTask::Prepare, QStringLiteral("Bericht"), {}, 2, 5);
  QCOMPARE(form.DestinationText(), QStringLiteral("Druck bzw. Anzeige wird vorbereitet"));
  QCOMPARE(form.FromText(), QStringLiteral("2"));
  QCOMPARE(form.ToText(), QStringLiteral("5"));
  form.PageDone(1, true);
  QCOMPARE(form.windowTitle(), QStringLiteral("Liste erstellen"));
  QCOMPARE(form.InfoText(), QStringLiteral("Bitte warten, Druck wird vorbereitet..."));
  form.SetProgress(50);
  QCOMPARE(form.InfoText(), QStringLiteral("50% erstellt, bitte warten"));
}

void ProgressFormTest::exportTexts() {
  TQRProgressForm form;
  form.StartExport(QStringLiteral("Bericht"), QStringLiteral("PDF-Dokument"), 31);
  QCOMPARE(form.DestinationText(), QStringLiteral("in Datei exportieren"));
  QCOMPARE(form.FromText(), QStringLiteral("1"));
  QCOMPARE(form.ToText(), QStringLiteral("31"));
  QCOMPARE(form.CurrentPageText(), QStringLiteral("1"));
  QCOMPARE(form.DonePagesText(), QStringLiteral("keine"));
  QCOMPARE(form.InfoText(), QStringLiteral("Bitte warten..."));
  // Every value is shown while exporting.
  form.SetProgress(33);
  QCOMPARE(form.InfoText(), QStringLiteral("33% exportiert, bitte warten"));
  QCOMPARE(form.BarValue(), 33);
  form.PageDone(1, true);
  QCOMPARE(form.InfoText(), QStringLiteral("Bitte warten, Export wird vorbereitet..."));
  QCOMPARE(form.windowTitle(), QStringLiteral("Liste erstellen"));
  QCOMPARE(form.DonePagesText(), QStringLiteral("1"));
}

void ProgressFormTest::recordCountsAboveHundred() {
  TQRProgressForm form;
  form.StartPrint(TQRProgressForm::TTask::Prepare, QStringLiteral("Bericht"), {}, 0, 0);
  QTest::qWait(25);
  form.SetProgress(4200);
  QCOMPARE(form.InfoText(), QStringLiteral("42 Datensätze verarbeitet"));
  QCOMPARE(form.BarValue(), 1);
  // At most one step every 20 ms.
  form.SetProgress(4300);
  QCOMPARE(form.BarValue(), 1);
}

void ProgressFormTest::cancelMarksTheJob() {
  TQRProgressForm form;
  form.StartPrint(TQRProgressForm::TTask::Print, QStringLiteral("Bericht"), QStringLiteral("Laser"), 0, 0);
  QVERIFY(!form.Cancelled());
  auto* cancel = form.findChild<ui::TQVButton*>(QStringLiteral("bbAbbrechen"));
  QVERIFY(cancel);
  QCOMPARE(cancel->text(), QStringLiteral("&Abbrechen"));
  form.show();
  cancel->click();
  QVERIFY(form.Cancelled());
  QVERIFY(form.isVisible());  // cancelling only marks the job; the job closes the window
}

void ProgressFormTest::otherWindowsAreDisabledWhileShown() {
  QWidget main;
  main.show();
  QWidget alreadyOff;
  alreadyOff.setEnabled(false);
  alreadyOff.show();
  {
    TQRProgressForm form;
    form.ShowWhileBusy();
    QVERIFY(!main.isEnabled());
    QVERIFY(form.isEnabled());
    form.Finish();
    QVERIFY(main.isEnabled());
    QVERIFY(!alreadyOff.isEnabled());
    form.ShowWhileBusy();
    QVERIFY(!main.isEnabled());
  }
  // Destroyed while shown: the windows come back all the same.
  QVERIFY(main.isEnabled());
}

QTEST_MAIN(ProgressFormTest)
#include "progress_form_test.moc"
