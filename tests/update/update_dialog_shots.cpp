// Renders the two update settings dialogs into PNGs for the documentation:
// update_dialog_shots OUTDIR. Works in a temporary suite (folders, registry).
#include <QApplication>
#include <QCheckBox>
#include <QDir>

#include <fstream>

#include "update/auto_update_config.h"
#include "update/ftp_config_dlg.h"
#include "update/inet_update_cfg_dlg.h"
#include "update/service_mode.h"
#include "update/update_fixture.h"

namespace {

bool Grab(ui::TQVForm& dialog, const QString& file) {
  dialog.show();
  QApplication::processEvents();
  dialog.updateActions();
  QApplication::processEvents();
  return dialog.grab().save(file);
}

update::THttpFtpProxySettings SampleSettings() {
  update::THttpFtpProxySettings settings;
  update::SetProxyKindNumber(settings.Ftp.ProxySettings, update::kProxyKindSocks5);
  settings.Ftp.ProxySettings.Server = "proxy.hof-meier.local";
  settings.Ftp.ProxySettings.Port = 1080;
  settings.Ftp.ProxySettings.UserName = "meier";
  settings.Ftp.ProxySettings.Password = "geheim";
  settings.Ftp.Passiv = true;
  settings.FtpMirror.Server = "spiegel.hof-meier.local";
  settings.FtpMirror.Port = 21;
  settings.FtpMirror.UserName = "anonymous";
  return settings;
}

bool GrabProxyDialog(bool extended, const QString& file) {
  update::SetServiceModeForTesting(extended);
  update::TfmFTPConfigDlg dialog;
  dialog.SetOnNotify([](update::TfmFTPConfigDlg& sender, update::TFtpConfigNotify action) {
    if (action == update::TFtpConfigNotify::ftpSetData) sender.SetSettings(SampleSettings());
  });
  dialog.show();
  QApplication::processEvents();
  dialog.updateActions();
  if (extended) dialog.findChild<QCheckBox*>(QStringLiteral("cbErweitert"))->setChecked(true);
  return Grab(dialog, file);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  const QDir out(QString::fromLocal8Bit(argv[1]));
  UpdateSuite suite;
  bool ok = true;

  update::TAutoUpdateValues values{14, false, true, false, 0};
  update::ReadWriteAutoUpdateConfig("KW", false, values);
  values.LastCheck = update::ParseCheckTime("03.02.2025 09:41:00");
  update::ReadWriteAutoUpdateConfig("KW", false, values);
  update::TfmInetUpdateCfgDlg settings;
  settings.SetPrgKz("KW");
  settings.Init();
  ok &= Grab(settings, out.filePath(QStringLiteral("update-einstellungen.png")));

  ok &= GrabProxyDialog(false, out.filePath(QStringLiteral("proxy-konfiguration.png")));
  ok &= GrabProxyDialog(true, out.filePath(QStringLiteral("proxy-konfiguration-erweitert.png")));
  return ok ? 0 : 1;
}
