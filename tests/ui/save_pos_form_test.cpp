// Window positions in a temporary registry root: stored at close, restored at
// the first show when they can still be reached.
#include "ui/save_pos_form.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <stdexcept>

#include "support/registry_roots.h"
#include "ui/create_form.h"
#include "ui/edits.h"
#include "ui/scripted_message_service.h"

using namespace ui;
using platform::Registry;
using platform::RegistryRoot;

namespace {

const QSize kDesigned(320, 200);

// A sizeable window that keeps a login name of its own in its key.
class Sample : public TSavePosForm {
 public:
  explicit Sample(QWidget* owner = nullptr, const QString& caption = "Testfenster") : TSavePosForm(owner) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    edLogin = new TQVEdit(this);
    edLogin->setObjectName("edLogin");
    layout->addWidget(edLogin);
    resize(kDesigned);
  }
  TQVEdit* edLogin;
  QString failLoadWith;
  bool ignorePosition = false;
  std::vector<std::pair<bool, bool>> registryCalls;  // load, first

 protected:
  bool IgnoreSavedPosition() const override { return ignorePosition; }
  void LoadSaveRegistryData(bool load, Registry& r, bool first) override {
    registryCalls.emplace_back(load, first);
    if (load && !failLoadWith.isEmpty()) throw std::runtime_error(failLoadWith.toStdString());
    if (load && !first)
      edLogin->setText(QString::fromStdString(r.ReadString("Login").value_or("")));
    else if (!load)
      r.WriteString("Login", edLogin->text().toStdString());
  }
};

std::string Key(const QString& name = "Testfenster") { return FormKeyPath({}, name); }

void StorePosition(const std::vector<std::uint8_t>& bytes, bool maximised = false, const std::string& key = Key()) {
  Registry registry(RegistryRoot::CurrentUser);
  QVERIFY(registry.OpenKey(key, true));
  QVERIFY(registry.WriteBinary("Position", bytes));
  QVERIFY(registry.WriteBool("Maximiert", maximised));
}

void StoreRect(const QRect& rect, bool maximised = false, const std::string& key = Key()) {
  StorePosition(EncodePosition(TWinRect::FromQRect(rect)), maximised, key);
}

std::optional<QRect> StoredRect(const std::string& key = Key()) {
  Registry registry(RegistryRoot::CurrentUser);
  if (!registry.OpenKeyReadOnly(key)) return std::nullopt;
  const auto bytes = registry.ReadBinary("Position");
  const auto rect = bytes ? DecodePosition(*bytes) : std::nullopt;
  if (!rect) return std::nullopt;
  return rect->ToQRect();
}

std::unique_ptr<Sample> Open(const QString& caption = "Testfenster") {
  std::unique_ptr<Sample> form(CreateFormInstance<Sample>(nullptr, caption));
  form->show();
  return form;
}

// Where a window opens without a stored position.
QRect DesignedGeometry() {
  TempRegistryRoots empty;
  return Open()->geometry();
}

}  // namespace

class SavePosFormTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    fRoots = std::make_unique<TempRegistryRoots>();
    fScripted.Clear();
  }
  void cleanup() { fRoots.reset(); }

  void FirstStartOpensAsDesignedAndStoresAtClose() {
    auto form = Open();
    QCOMPARE(form->size(), kDesigned);
    form->setGeometry(QRect(QPoint(40, 60), kDesigned));
    form->close();
    QCOMPARE(StoredRect(), QRect(QPoint(40, 60), kDesigned));
    Registry registry(RegistryRoot::CurrentUser);
    QVERIFY(registry.OpenKeyReadOnly(Key()));
    QCOMPARE(registry.ReadBinary("Position")->size(), 16u);
    QCOMPARE(registry.ReadBool("Maximiert"), false);
    QVERIFY(!registry.ValueExists("Monitor"));  // one screen
  }

  void StoredRectangles_data() {
    QTest::addColumn<QByteArray>("position");
    QTest::addColumn<bool>("applied");
    const auto rect = [](int left, int top) {
      const auto bytes = EncodePosition(TWinRect::FromQRect(QRect(left, top, 400, 300)));
      return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
    };
    const int screenRight = QGuiApplication::primaryScreen()->geometry().right() + 1;
    QTest::newRow("inside") << rect(100, 120) << true;
    QTest::newRow("25 pixels left of the right edge") << rect(screenRight - 25, 120) << true;
    QTest::newRow("24 pixels left of the right edge") << rect(screenRight - 24, 120) << false;
    QTest::newRow("off the left edge") << rect(-380, 120) << false;
    QTest::newRow("title bar above the screen") << rect(100, 0) << false;
    QTest::newRow("below the screen") << rect(100, 5000) << false;
    QTest::newRow("12 bytes") << rect(100, 120).left(12) << false;
  }

  void StoredRectangles() {
    QFETCH(QByteArray, position);
    QFETCH(bool, applied);
    const QRect designed = DesignedGeometry();
    StorePosition(std::vector<std::uint8_t>(position.begin(), position.end()));
    auto form = Open();
    const auto stored = DecodePosition(std::vector<std::uint8_t>(position.begin(), position.end()));
    QCOMPARE(form->geometry(), applied ? stored->ToQRect() : designed);
  }

  void AMaximisedWindowKeepsItsNormalRectangle() {
    auto form = Open();
    form->setGeometry(50, 70, 350, 250);
    form->showMaximized();
    QTRY_VERIFY(form->isMaximized());
    form->close();
    QCOMPARE(StoredRect(), QRect(50, 70, 350, 250));
    auto again = Open();
    QVERIFY(again->isMaximized());
    again->showNormal();
    QTRY_COMPARE(again->geometry(), QRect(50, 70, 350, 250));
  }

  void ShiftAndCtrlAtCreationOpenAsDesigned() {
    const QRect designed = DesignedGeometry();
    StoreRect(QRect(100, 120, 400, 300));
    QWidget keyboard;
    QTest::keyPress(&keyboard, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    auto form = Open();
    QTest::keyRelease(&keyboard, Qt::Key_Control, Qt::NoModifier);
    QVERIFY(form->DefaultOpen());
    QCOMPARE(form->geometry(), designed);
    form->close();
    QCOMPARE(StoredRect(), designed);
  }

  void AFixedDialogTakesOnlyTheStoredPlace() {
    StoreRect(QRect(100, 120, 600, 500));
    std::unique_ptr<Sample> form(CreateFormInstance<Sample>(nullptr, QString("Testfenster")));
    form->setFixedSize(kDesigned);
    form->show();
    QCOMPARE(form->geometry(), QRect(QPoint(100, 120), kDesigned));
  }

  void AWindowWithoutCaptionIsKeptUnderItsObjectName() {
    std::unique_ptr<Sample> form(new Sample(nullptr, ""));
    form->setObjectName("TfmOhneTitel");
    form->FormCreated();
    form->show();
    form->close();
    QVERIFY(StoredRect(Key("TfmOhneTitel")));
  }

  void EnlargingKeepsItsPositionUnder144DPI() {
    const QRect at96(100, 120, 320, 200);
    StoreRect(at96);
    auto form = Open();
    QTest::keyClick(form->edLogin, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(form->ScaleDPI(), 144);
    QCOMPARE(form->ScaleDPIKey(), QString("-144DPI"));
    QCOMPARE(form->size(), QSize(480, 300));
    form->setGeometry(30, 40, 480, 300);
    form->close();
    QCOMPARE(StoredRect(), at96);
    QCOMPARE(StoredRect(Key() + "\\144DPI"), QRect(30, 40, 480, 300));

    // The next time Ctrl+Alt+Z takes the place kept for 144 dpi.
    auto again = Open();
    QCOMPARE(again->geometry(), at96);
    QTest::keyClick(again.get(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(again->geometry(), QRect(30, 40, 480, 300));
  }

  void TheDesignedSizeIsTheMinimum() {
    auto form = Open();
    QCOMPARE(form->minimumSize(), kDesigned);
    QCOMPARE(form->HeightValue(), kDesigned.height());
    form->resize(100, 100);
    QCOMPARE(form->size(), kDesigned);
  }

  void CtrlZInAnEditCentresTheWindow() {
    auto form = Open();
    form->move(0, 0);
    QApplication::setActiveWindow(form.get());
    form->edLogin->setFocus();
    QTest::keyClicks(form->edLogin, "huber");
    QTest::keyClick(form->edLogin, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form->edLogin->text(), QString("huber"));  // no undo
    const QRect screen = form->screen()->geometry();
    const QRect frame = form->frameGeometry();
    QCOMPARE(frame.topLeft(), QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));
  }

  void TheWindowKeepsItsOwnSettingsInItsKey() {
    auto first = Open();
    QCOMPARE(first->registryCalls, (std::vector<std::pair<bool, bool>>{{true, true}}));
    first->edLogin->setText("huber");
    first->close();
    QCOMPARE(first->registryCalls.back(), std::make_pair(false, false));
    auto second = Open();
    QCOMPARE(second->registryCalls, (std::vector<std::pair<bool, bool>>{{true, false}}));
    QCOMPARE(second->edLogin->text(), QString("huber"));
  }

  void AHandlerTakesTheSettingsOverAndLoadsAtOnce() {
    auto form = Open();
    QStringList calls;
    form->SetOnLoadSaveRegistry([&](bool load, Registry&, bool first) {
      calls.append(QString("%1/%2").arg(load).arg(first));
    });
    QCOMPARE(calls, QStringList{"1/1"});
    form->close();
    QCOMPARE(calls, (QStringList{"1/1", "0/0"}));
    QCOMPARE(form->registryCalls.size(), 1u);
  }

  void AFailingLoadIsShownAndTheWindowOpens() {
    std::unique_ptr<Sample> form(new Sample);
    form->failLoadWith = "Wert unlesbar";
    form->FormCreated();
    form->show();
    QVERIFY(form->isVisible());
    QCOMPARE(fScripted.Requests().size(), 1u);
    QCOMPARE(fScripted.Requests().at(0).text, QString("LoadSaveRegData->Testfenster\rWert unlesbar"));
  }

  void IgnoringThePositionStillKeepsOwnSettings() {
    StoreRect(QRect(100, 120, 400, 300));
    std::unique_ptr<Sample> form(new Sample);
    form->ignorePosition = true;
    form->FormCreated();
    form->show();
    QVERIFY(form->geometry() != QRect(100, 120, 400, 300));
    QVERIFY(form->minimumSize() != kDesigned);
    form->edLogin->setText("maier");
    form->move(10, 10);
    form->close();
    QCOMPARE(StoredRect(), QRect(100, 120, 400, 300));
    Registry registry(RegistryRoot::CurrentUser);
    QVERIFY(registry.OpenKeyReadOnly(Key()));
    QCOMPARE(registry.ReadString("Login"), std::optional<std::string>("maier"));
  }

 private:
  std::unique_ptr<TempRegistryRoots> fRoots;
  ScriptedMessageService fScripted;
  ScopedMessageService fInstalled{fScripted};
};

QTEST_MAIN(SavePosFormTest)
#include "save_pos_form_test.moc"
