// The two update settings dialogs: enabling rules, the server display, the
// folder check, service mode, and what reaches the settings files.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <fstream>
#include <memory>

#include "admin/modal_driver.h"
#include "support/temp_dir.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/number_edit.h"
#include "ui/scripted_message_service.h"
#include "update/auto_update_config.h"
#include "update/ftp_config_dlg.h"
#include "update/ftp_config_file.h"
#include "update/inet_update_cfg_dlg.h"
#include "update/service_mode.h"
#include "update/use_temp_dir.h"
#include "update/update_fixture.h"

using update::TfmFTPConfigDlg;
using update::TfmInetUpdateCfgDlg;
using update::TFtpConfigNotify;
using update::THttpFtpProxySettings;

namespace {

template <class Control = QWidget>
Control* Find(const QWidget& dialog, const char* name) {
  auto* control = dialog.findChild<Control*>(QString::fromLatin1(name));
  if (!control) qFatal("control %s not found", name);
  return control;
}

// The proxy controls the kind switches, and those it leaves alone.
const char* const kProxyControls[] = {"eProxyServer", "lProxyServer", "eProxyPort", "lProxyPort",
                                      "eProxyUser",   "lProxyUser",   "eProxyPassword", "lProxyPassword"};

// A proxy dialog filled by its owner at the first idle update, as the settings dialog fills it.
struct FilledProxyDialog {
  explicit FilledProxyDialog(const THttpFtpProxySettings& settings = {}) {
    dialog.SetOnNotify([this, settings](TfmFTPConfigDlg& sender, TFtpConfigNotify action) {
      actions.push_back(action);
      if (action == TFtpConfigNotify::ftpSetData) sender.SetSettings(settings);
    });
    dialog.updateActions();
  }
  ui::TQVComboBox* Kind() { return Find<ui::TQVComboBox>(dialog, "cbFtpProxy"); }
  // As the user picks an entry: the list changes and reports the choice.
  void ChooseKind(int index) {
    Kind()->setCurrentIndex(index);
    emit Kind()->activated(index);
    dialog.updateActions();
  }

  TfmFTPConfigDlg dialog;
  std::vector<TFtpConfigNotify> actions;
};

THttpFtpProxySettings SocksSettings() {
  THttpFtpProxySettings settings;
  update::SetProxyKindNumber(settings.Ftp.ProxySettings, update::kProxyKindSocks4A);
  settings.Ftp.ProxySettings.Server = "socks.local";
  settings.Ftp.ProxySettings.Port = 1080;
  settings.Ftp.ProxySettings.UserName = "hans";
  settings.Ftp.ProxySettings.Password = "geheim";
  settings.Ftp.ProxySettings.Authentication = true;
  settings.Ftp.Passiv = false;
  settings.Ftp.LocalDir = "/mnt/spiegel";
  settings.Http = {1, update::TSocksType::stNoSocks, "web.local", 3128, true, "webuser", "webpw"};
  settings.FtpMirror.Server = "mirror.local";
  settings.FtpMirror.Port = 2121;
  settings.FtpMirror.UserName = "anonymous";
  settings.FtpMirror.Passiv = false;
  return settings;
}

}  // namespace

class UpdateDialogsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<UpdateSuite> suite;
  ui::ScriptedMessageService messages;
  std::unique_ptr<ui::ScopedMessageService> scope;

 private slots:
  void init() {
    suite = std::make_unique<UpdateSuite>();
    update::SetServiceModeForTesting(false);
    messages.Clear();
    scope = std::make_unique<ui::ScopedMessageService>(messages);
  }
  void cleanup() {
    scope.reset();
    suite.reset();
  }

  void kindEnablesTheProxyControls_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(update::ProxyKinds().size()); ++i)
      QTest::newRow(update::ProxyKinds()[i].Caption) << i;
  }
  void kindEnablesTheProxyControls() {
    QFETCH(int, index);
    FilledProxyDialog filled;
    filled.ChooseKind(index);
    for (const char* name : kProxyControls) QCOMPARE(Find(filled.dialog, name)->isEnabled(), index > 0);
    // Tag 1: the kind leaves them as they are.
    for (const char* name : {"cbFtpProxy", "cbPassiv", "eLP"}) QVERIFY(Find(filled.dialog, name)->isEnabled());
    QVERIFY(!Find(filled.dialog, "eFTP")->isEnabled());
    const QColor base = Find(filled.dialog, "eProxyServer")->palette().color(QPalette::Base);
    QCOMPARE(base, QApplication::palette().color(index > 0 ? QPalette::Base : QPalette::Button));
  }

  void passiveModeFollowsTheUsersChoiceOnly() {
    FilledProxyDialog filled;
    auto* passiv = Find<QCheckBox>(filled.dialog, "cbPassiv");
    QVERIFY(passiv->isChecked());  // the initial settings are passive
    filled.ChooseKind(filled.Kind()->findData(update::kProxyKindSocks5));
    QVERIFY(passiv->isChecked());
    filled.ChooseKind(1);
    QVERIFY(!passiv->isChecked());
    filled.ChooseKind(filled.Kind()->findData(update::kProxyKindSocks4));
    QVERIFY(passiv->isChecked());
    // The program choosing a SOCKS entry keeps the stored mode.
    filled.dialog.SetSettings(SocksSettings());
    QVERIFY(!passiv->isChecked());
  }

  void httpTypeEnablesTheHttpControls() {
    FilledProxyDialog filled;
    auto* type = Find<ui::TQVComboBox>(filled.dialog, "cbHttp");
    QCOMPARE(type->count(), 2);
    for (int index : {1, 0}) {
      type->setCurrentIndex(index);
      for (const char* name : {"eHttpServer", "eHttpPort", "eHttpUser", "eHttpPassword", "lHttpServer"})
        QCOMPARE(Find(filled.dialog, name)->isEnabled(), index == 1);
      QVERIFY(type->isEnabled());
    }
  }

  void proxyCheckNeedsAHostOrAnEditedServer() {
    FilledProxyDialog filled;
    auto* check = Find(filled.dialog, "bbCheck");
    QVERIFY(!check->isEnabled());  // no proxy, server not editable
    filled.ChooseKind(2);
    QVERIFY(!check->isEnabled());  // a proxy without host
    Find<QLineEdit>(filled.dialog, "eProxyServer")->setText(QStringLiteral("proxy.local"));
    filled.dialog.updateActions();
    QVERIFY(check->isEnabled());
    filled.ChooseKind(0);
    QVERIFY(!check->isEnabled());
  }

  void serviceModeUnlocksServerAndMirror() {
    {
      FilledProxyDialog filled;
      QVERIFY(Find(filled.dialog, "cbErweitert")->isHidden());
      QVERIFY(Find(filled.dialog, "lFTP")->actions().isEmpty());
    }
    update::SetServiceModeForTesting(true);
    FilledProxyDialog filled;
    filled.dialog.show();
    QVERIFY(!Find(filled.dialog, "cbErweitert")->isHidden());
    auto* mirror = Find(filled.dialog, "gbMirror");
    QVERIFY(mirror->isHidden());
    const int height = filled.dialog.height();
    Find<QCheckBox>(filled.dialog, "cbErweitert")->setChecked(true);
    QVERIFY(!mirror->isHidden());
    QVERIFY(filled.dialog.height() > height);
    Find<QCheckBox>(filled.dialog, "cbErweitert")->setChecked(false);
    QCOMPARE(filled.dialog.height(), height);

    // "FTP-Server bearbeiten": the server becomes editable, and with kind 0 checkable.
    auto* server = Find<QLineEdit>(filled.dialog, "eFTP");
    QCOMPARE(server->text(), QStringLiteral("Standard"));
    Find(filled.dialog, "lFTP")->actions().first()->trigger();
    QVERIFY(server->isEnabled() && !server->isReadOnly());
    QCOMPARE(server->text(), QString());
    QCOMPARE(filled.dialog.GetSettings().Ftp.Server, std::string(UpdateSuite::kDefaultHost));
    server->setText(QStringLiteral("ftp.eigener.test"));
    filled.dialog.updateActions();
    QVERIFY(Find(filled.dialog, "bbCheck")->isEnabled());
    QCOMPARE(filled.dialog.GetSettings().Ftp.Server, std::string("ftp.eigener.test"));
  }

  void serverDisplay_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QString() << QStringLiteral("Standard");
    QTest::newRow("default host, other case") << QStringLiteral("Updates.EXAMPLE.test") << QStringLiteral("Standard");
    QTest::newRow("own server") << QStringLiteral("ftp.eigener.test") << QStringLiteral("ftp.eigener.test");
  }
  void serverDisplay() {
    QFETCH(QString, server);
    QFETCH(QString, shown);
    THttpFtpProxySettings settings;
    settings.Ftp.Server = server.toStdString();
    FilledProxyDialog filled(settings);
    auto* edit = Find<QLineEdit>(filled.dialog, "eFTP");
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->toolTip(), shown);
    const std::string expected = shown == QStringLiteral("Standard") ? UpdateSuite::kDefaultHost : server.toStdString();
    QCOMPARE(filled.dialog.GetSettings().Ftp.Server, expected);
  }

  void settingsRoundTripThroughTheControls() {
    const THttpFtpProxySettings settings = SocksSettings();
    FilledProxyDialog filled(settings);
    QCOMPARE(filled.Kind()->currentText(), QStringLiteral("Socks 4A Proxy"));
    THttpFtpProxySettings expected = settings;
    expected.Ftp.Server = UpdateSuite::kDefaultHost;
    QVERIFY(filled.dialog.GetSettings() == expected);

    // A kind number the list does not hold selects "kein Proxy-Server".
    THttpFtpProxySettings unknown;
    unknown.Ftp.ProxySettings.UseProxy = 99;
    filled.dialog.SetSettings(unknown);
    QCOMPARE(filled.Kind()->currentIndex(), 0);
  }

  void okIsRefusedForAMissingFolder() {
    TempDir folder;
    const QString existing = QString::fromStdString(folder.Path().string());
    const QString missing = QString::fromStdString(folder.File("fehlt"));
    FilledProxyDialog filled;
    Find<QLineEdit>(filled.dialog, "eLP")->setText(missing);
    WhenShown<TfmFTPConfigDlg>([existing](TfmFTPConfigDlg& dialog) {
      Find<QPushButton>(dialog, "bbOK")->click();
      QVERIFY(dialog.isVisible());
      Find<QLineEdit>(dialog, "eLP")->setText(existing);
      Find<QPushButton>(dialog, "bbOK")->click();
    });
    QCOMPARE(filled.dialog.exec(), int(ui::mrOk));
    QCOMPARE(messages.Requests().size(), size_t(1));
    QCOMPARE(messages.Requests()[0].text, QStringLiteral("Das Verzeichnis ist ungültig!\r'") + missing + "'");
    // The refused OK stored nothing; the accepted one did.
    QCOMPARE(filled.actions,
             (std::vector<TFtpConfigNotify>{TFtpConfigNotify::ftpSetData, TFtpConfigNotify::ftpSaveData}));
  }

  void proxyConfigStoresThroughTheSettingsDialog() {
    TfmInetUpdateCfgDlg settingsDialog;
    std::vector<TFtpConfigNotify> seen;
    WhenShown<TfmFTPConfigDlg>([](TfmFTPConfigDlg& dialog) {
      dialog.updateActions();  // the first idle update fills it
      auto* kind = Find<ui::TQVComboBox>(dialog, "cbFtpProxy");
      kind->setCurrentIndex(kind->findData(update::kProxyKindSocks5));
      Find<QLineEdit>(dialog, "eProxyServer")->setText(QStringLiteral("socks.local"));
      Find<QPushButton>(dialog, "bbOK")->click();
    });
    update::ShowProxyConfig([&](TfmFTPConfigDlg& sender, TFtpConfigNotify action) {
      seen.push_back(action);
      settingsDialog.FTPConfig(sender, action);
    });
    QCOMPARE(seen, (std::vector<TFtpConfigNotify>{TFtpConfigNotify::ftpSetData, TFtpConfigNotify::ftpSaveData}));
    QCOMPARE(settingsDialog.Settings().Ftp.ProxySettings.Socks, update::TSocksType::stSocks5);
    THttpFtpProxySettings stored;
    QVERIFY(update::LoadSaveFtpSettings(true, stored));
    QCOMPARE(stored.Ftp.ProxySettings.Server, std::string("socks.local"));
    QCOMPARE(stored.Ftp.ProxySettings.Socks, update::TSocksType::stSocks5);
    QCOMPARE(stored.Ftp.Server, std::string());  // the default host is not stored
  }

  void aFailedSaveIsShownAndKeepsTheDialogOpen() {
    TfmInetUpdateCfgDlg settingsDialog;
    // A plain file where the settings folder should be: FTPCFG.INI cannot be written.
    const std::string folder = clients::SettingsDir();
    std::filesystem::remove_all(folder);
    std::ofstream(folder.substr(0, folder.size() - 1)) << "kein Ordner";
    bool stillOpen = false;
    WhenShown<TfmFTPConfigDlg>([&stillOpen](TfmFTPConfigDlg& dialog) {
      dialog.updateActions();
      Find<QPushButton>(dialog, "bbOK")->click();
      stillOpen = dialog.isVisible();
      Find<QPushButton>(dialog, "bbCancel")->click();
    });
    update::ShowProxyConfig(
        [&](TfmFTPConfigDlg& sender, TFtpConfigNotify action) { settingsDialog.FTPConfig(sender, action); });
    QVERIFY(stillOpen);
    QCOMPARE(messages.Requests().size(), size_t(1));
    QCOMPARE(messages.Requests()[0].type, ui::mtError);
    QVERIFY(messages.Requests()[0].text.contains(QStringLiteral("FTPCFG.INI")));
  }

  void proxyCheckHidesTheDialogAndKeepsItOpen() {
    TfmInetUpdateCfgDlg settingsDialog;
    std::vector<update::TFtpSettings> checked;
    settingsDialog.SetConnectionChkEvent([&](const update::TFtpSettings& ftp) { checked.push_back(ftp); });
    WhenShown<TfmFTPConfigDlg>([](TfmFTPConfigDlg& dialog) {
      dialog.updateActions();
      Find<ui::TQVComboBox>(dialog, "cbFtpProxy")->setCurrentIndex(1);
      Find<QLineEdit>(dialog, "eProxyServer")->setText(QStringLiteral("proxy.local"));
      dialog.updateActions();
      Find<QPushButton>(dialog, "bbCheck")->click();
      QVERIFY(dialog.isVisible());
      // The modal loop goes on after the check: OK arrives from it.
      QTimer::singleShot(0, &dialog, [&dialog] { Find<QPushButton>(dialog, "bbOK")->click(); });
    });
    bool hiddenDuringCheck = false;
    std::vector<TFtpConfigNotify> seen;
    update::ShowProxyConfig([&](TfmFTPConfigDlg& sender, TFtpConfigNotify action) {
      seen.push_back(action);
      if (action == TFtpConfigNotify::ftpCheckConnection) {
        hiddenDuringCheck = !sender.isVisible();
        // Nothing is stored by the check.
        QVERIFY(!platform::FileExists(update::FtpConfigFileName()));
      }
      settingsDialog.FTPConfig(sender, action);
    });
    QVERIFY(hiddenDuringCheck);
    QCOMPARE(seen, (std::vector<TFtpConfigNotify>{TFtpConfigNotify::ftpSetData, TFtpConfigNotify::ftpCheckConnection,
                                                  TFtpConfigNotify::ftpSaveData}));
    QCOMPARE(checked.size(), size_t(1));
    QCOMPARE(checked[0].ProxySettings.Server, std::string("proxy.local"));  // the unsaved values
  }

  void withoutConfigFileTheSettingsDialogShowsManualMode() {
    update::UseTempDirSetting(false, true);
    TfmInetUpdateCfgDlg dialog;
    dialog.SetPrgKz("KW");
    dialog.Init();
    QVERIFY(Find<QRadioButton>(dialog, "rbMan")->isChecked());
    QVERIFY(!Find<QRadioButton>(dialog, "rbAuto")->isChecked());
    QCOMPARE(Find<ui::TQVCurrEdit>(dialog, "eZykl")->Value(), 0.0);
    QVERIFY(!Find(dialog, "eZykl")->isEnabled());
    QVERIFY(!Find(dialog, "lTag")->isEnabled());
    QVERIFY(!Find<QCheckBox>(dialog, "cbNoAdmin")->isChecked());
    QVERIFY(!Find<QCheckBox>(dialog, "cbTemp")->isChecked());
    QCOMPARE(Find<QLabel>(dialog, "lLU")->text(), QString());
    QVERIFY(!Find(dialog, "bbHelp")->isEnabled());

    // OK without a change creates no file.
    Find<QPushButton>(dialog, "bbOK")->click();
    QVERIFY(!platform::FileExists(update::AutoUpdateConfigFileName("KW")));
  }

  void settingsDialogShowsAndStoresTheInterval() {
    std::ofstream(update::AutoUpdateConfigFileName("KW"), std::ios::binary)
        << "Tage=1500\r\nManuell=N\r\nals Admin=N\r\nLetzte Pr\xFC" "fung=03.02.2025 09:41:07\r\n";
    TfmInetUpdateCfgDlg dialog;
    dialog.SetPrgKz("KW");
    dialog.Init();
    QVERIFY(Find<QRadioButton>(dialog, "rbAuto")->isChecked());
    QCOMPARE(Find<ui::TQVCurrEdit>(dialog, "eZykl")->Value(), 999.0);
    QVERIFY(Find(dialog, "eZykl")->isEnabled());
    QVERIFY(Find<QCheckBox>(dialog, "cbNoAdmin")->isChecked());
    QCOMPARE(Find<QLabel>(dialog, "lLU")->text(), QStringLiteral("letzte Prüfung am 03.02.25 09:41"));

    Find<QRadioButton>(dialog, "rbMan")->setChecked(true);
    QVERIFY(!Find(dialog, "eZykl")->isEnabled());
    Find<QRadioButton>(dialog, "rbAuto")->setChecked(true);
    Find<ui::TQVCurrEdit>(dialog, "eZykl")->SetValue(0);
    Find<QPushButton>(dialog, "bbOK")->click();
    update::TAutoUpdateValues stored;
    update::ReadWriteAutoUpdateConfig("KW", true, stored);
    QVERIFY(stored.Manual);  // 0 days are no automatic check
    QCOMPARE(stored.Days, 0);
  }

  void okWithoutChangeLeavesTheFileAlone() {
    const std::string fileName = update::AutoUpdateConfigFileName("KW");
    std::ofstream(fileName, std::ios::binary) << "Tage=7\r\nManuell=N\r\nals Admin=J\r\n";
    const auto aged = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(fileName, aged);
    TfmInetUpdateCfgDlg dialog;
    dialog.SetPrgKz("KW");
    dialog.Init();
    Find<QPushButton>(dialog, "bbOK")->click();
    QVERIFY(std::filesystem::last_write_time(fileName) == aged);
  }

  void tempFolderBoxWritesAtOnce() {
    TfmInetUpdateCfgDlg dialog;
    auto* temp = Find<QCheckBox>(dialog, "cbTemp");
    QVERIFY(!temp->isChecked());
    QCOMPARE(temp->toolTip(), QStringLiteral("Verwenden Sie diese Option, wenn Probleme\nbeim Internetupdate auftreten"));
    temp->click();
    QVERIFY(update::UseTempDirSetting(true));
  }
};

QTEST_MAIN(UpdateDialogsTest)
#include "update_dialogs_test.moc"
