// The idle update, the responsive call for long loops, rescaling and Esc of
// the base windows.
#include "ui/qv_form.h"

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <stdexcept>

#include "support/registry_roots.h"
#include "ui/abort.h"
#include "ui/edits.h"
#include "ui/save_pos_form.h"
#include "ui/scripted_message_service.h"

using namespace ui;

namespace {

// Counts its action updates and first idle actions; can fail in either.
class Counting : public TSavePosForm {
 public:
  Counting() {
    auto* layout = new QVBoxLayout(this);
    for (const char* name : {"edFirst", "edSecond", "edThird"}) {
      auto* edit = new TQVEdit(this);
      edit->setObjectName(name);
      layout->addWidget(edit);
      edits.append(edit);
    }
    setWindowTitle("Zähler");
  }
  QList<TQVEdit*> edits;
  int actionUpdates = 0;
  int firstIdleActions = 0;
  std::function<void()> failure;

 protected:
  void ActionUpdate() override {
    ++actionUpdates;
    if (failure) failure();
  }
  void FirstIdleAction() override { ++firstIdleActions; }
};

}  // namespace

class QVFormTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { fScripted.Clear(); }

  void TheIdleUpdateFollowsInputAndRunsOneShotsOnce() {
    Counting form;
    form.show();
    QTRY_VERIFY(form.actionUpdates > 0);
    const int before = form.actionUpdates;
    QTest::keyClick(form.edits.at(0), Qt::Key_A);
    QTRY_VERIFY(form.actionUpdates > before);
    QCOMPARE(form.firstIdleActions, 1);
    int calls = 0;
    form.SetSingleIdleProc([&] { ++calls; });
    form.updateActions();
    form.updateActions();
    QCOMPARE(calls, 1);
    QCOMPARE(form.firstIdleActions, 1);
  }

  void FailuresInTheIdleUpdateAreShownAbortsAreNot() {
    Counting form;
    form.failure = [] { throw std::runtime_error("Kein Zugriff"); };
    form.updateActions();
    QCOMPARE(fScripted.Requests().size(), 1u);
    QCOMPARE(fScripted.Requests().at(0).text, QString("Kein Zugriff"));
    form.failure = [] { Abort(); };
    form.updateActions();
    QCOMPARE(fScripted.Requests().size(), 1u);
  }

  void DeferredFocusFindsTheNextControlThatCanTakeIt() {
    Counting form;
    form.show();
    QApplication::setActiveWindow(&form);
    form.edits.at(1)->setEnabled(false);
    form.SetControl2Focus(form.edits.at(1), ncForward);
    form.updateActions();
    QVERIFY(form.edits.at(2)->hasFocus());
    QCOMPARE(form.Control2Focus(), nullptr);
    form.SetControl2Focus(form.edits.at(1), ncStay);
    form.updateActions();
    QVERIFY(form.edits.at(2)->hasFocus());
    QCOMPARE(form.Control2Focus(), nullptr);
    // A hidden window keeps the request for later.
    form.hide();
    form.SetControl2Focus(form.edits.at(0));
    form.updateActions();
    QCOMPARE(form.Control2Focus(), form.edits.at(0));
    form.show();
    QApplication::setActiveWindow(&form);
    form.updateActions();
    QVERIFY(form.edits.at(0)->hasFocus());
  }

  void AntiFreezeHandlesEventsAtMostEvery50ms() {
    TQVForm form;
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    form.AntiFreeze();
    QVERIFY(!handled);  // the first call only starts the clock
    form.AntiFreeze();
    QVERIFY(!handled);
    QThread::msleep(60);
    form.AntiFreeze();
    QVERIFY(handled);
  }

  void EnlargingByHalf() {
    TQVForm form;
    form.resize(200, 100);
    QFont font = form.font();
    font.setPointSize(10);
    form.setFont(font);
    QCOMPARE(form.CalcDPI(10), 10);
    form.show();
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(form.IsScaled());
    QCOMPARE(form.ScaleDPI(), 144);
    QCOMPARE(form.ScaleDPIKey(), QString("-144DPI"));
    QCOMPARE(form.size(), QSize(300, 150));
    QCOMPARE(form.font().pointSizeF(), 15.0);
    QCOMPARE(form.CalcDPI(10), 15);
    // Only once, and not at all for a window that may not scale.
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(form.size(), QSize(300, 150));
    TQVForm fixed;
    fixed.SetCanScale(false);
    fixed.show();
    QTest::keyClick(&fixed, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(!fixed.IsScaled());
  }

  void EscWithoutACancelButtonKeepsTheWindowOpen() {
    TQVForm form;
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(form.isVisible());
  }

 private:
  TempRegistryRoots fRoots;
  ScriptedMessageService fScripted;
  ScopedMessageService fInstalled{fScripted};
};

QTEST_MAIN(QVFormTest)
#include "qv_form_test.moc"
