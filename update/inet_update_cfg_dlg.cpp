#include "update/inet_update_cfg_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/action_guard.h"
#include "ui/button.h"
#include "ui/check_buttons.h"
#include "ui/edits.h"
#include "ui/messages.h"
#include "ui/number_edit.h"
#include "update/auto_update_config.h"
#include "update/dialog_controls.h"
#include "update/ftp_config_file.h"
#include "update/hide_while.h"
#include "update/use_temp_dir.h"

namespace update {

namespace {

constexpr int kMaxDays = 999;

ui::TQVRadioButton* NewRadioButton(const QString& caption, QWidget* parent, const char* name) {
  auto* button = new ui::TQVRadioButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->SetBoldIfChecked(true);
  return button;
}

}  // namespace

QString LastCheckText(rights::TDateTime lastCheck) {
  if (lastCheck == 0) return {};
  const std::tm tm = rights::TmFromDateTime(lastCheck);
  return QStringLiteral("letzte Prüfung am %1.%2.%3 %4:%5")
      .arg(tm.tm_mday, 2, 10, QChar('0'))
      .arg(tm.tm_mon + 1, 2, 10, QChar('0'))
      .arg((tm.tm_year + 1900) % 100, 2, 10, QChar('0'))
      .arg(tm.tm_hour, 2, 10, QChar('0'))
      .arg(tm.tm_min, 2, 10, QChar('0'));
}

TfmInetUpdateCfgDlg::TfmInetUpdateCfgDlg(QWidget* parent) : ui::TSavePosForm(parent) {
  setObjectName(QStringLiteral("fmInetUpdateCfgDlg"));
  setWindowTitle(QStringLiteral("automatisches Update über das Internet"));
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  SetUpdateErrorHandler([](const std::string& message) { ui::ShowError(QString::fromStdString(message)); });

  auto* group = new QGroupBox(QStringLiteral("Internetupdate"), this);
  group->setObjectName(QStringLiteral("gbInternetupdate"));
  rbMan = NewRadioButton(QStringLiteral("manuell über das Menü"), group, "rbMan");
  rbAuto = NewRadioButton(QStringLiteral("automatisch alle "), group, "rbAuto");
  connect(rbAuto, &QRadioButton::toggled, this, [this] { ShowIntervalState(); });
  eZykl = NewWholeNumberEdit(group, "eZykl", kMaxDays);
  lTag = new ui::TQVLabel(QStringLiteral("Tage prüfen"), group);
  lTag->setObjectName(QStringLiteral("lTag"));
  lTag->setBuddy(eZykl);
  lLU = new QLabel(group);
  lLU->setObjectName(QStringLiteral("lLU"));
  cbTemp = NewCheckBox(QStringLiteral("Temp-Verzeichnis verwenden"), group, "cbTemp");
  cbTemp->setToolTip(QStringLiteral("Verwenden Sie diese Option, wenn Probleme\nbeim Internetupdate auftreten"));
  connect(cbTemp, &QCheckBox::clicked, this, [](bool checked) { UseTempDirSetting(false, checked); });
  cbNoAdmin = NewCheckBox(QStringLiteral("keine Admin-Rechteanhebung"), group, "cbNoAdmin");

  auto* interval = new QHBoxLayout;
  interval->setSpacing(4);
  interval->addWidget(rbAuto);
  interval->addWidget(eZykl);
  interval->addWidget(lTag);
  interval->addStretch();
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(rbMan);
  groupLayout->addLayout(interval);
  groupLayout->addWidget(lLU);
  groupLayout->addSpacing(6);
  groupLayout->addWidget(cbTemp);
  groupLayout->addWidget(cbNoAdmin);

  bbOK = new ui::TQVButton(ui::bkOK, QStringLiteral("OK"), this);
  bbOK->setObjectName(QStringLiteral("bbOK"));
  bbOK->setText(QStringLiteral("OK"));
  connect(bbOK, &QPushButton::clicked, this, ui::Guarded([this] { OkClicked(); }));
  bbProxy = new ui::TQVButton(ui::bkCustom, QStringLiteral("Proxy-Konfiguration"), this);
  bbProxy->setObjectName(QStringLiteral("bbProxy"));
  connect(bbProxy, &QPushButton::clicked, this, ui::Guarded([this] { ProxyConfigClicked(); }));
  bbHelp = new ui::TQVButton(ui::bkHelp, QStringLiteral("&Hilfe"), this);
  bbHelp->setObjectName(QStringLiteral("bbHelp"));
  bbHelp->setText(QStringLiteral("&Hilfe"));
  bbHelp->setEnabled(false);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(bbOK);
  buttons->addWidget(bbProxy);
  buttons->addWidget(bbHelp);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(group, 1);
  layout->addLayout(buttons);

  LoadSaveFtpSettings(true, FSettings);
  cbTemp->setChecked(UseTempDirSetting(true));
  rbMan->setChecked(true);
  ShowIntervalState();
}

void TfmInetUpdateCfgDlg::Init() {
  TAutoUpdateValues values;
  ReadWriteAutoUpdateConfig(FPrgKz, true, values);
  FLastCheck = values.LastCheck;
  rbMan->setChecked(values.Manual);
  rbAuto->setChecked(!values.Manual);
  eZykl->SetValue(std::min(values.Days, kMaxDays));
  cbNoAdmin->setChecked(!values.AsAdmin);
  cbTemp->setChecked(values.UseTemp);
  fBaseline = {values.Days, values.Manual, values.UseTemp, !values.AsAdmin};
  lLU->setText(LastCheckText(FLastCheck));
  ShowIntervalState();
}

void TfmInetUpdateCfgDlg::ShowIntervalState() { ui::SetLabelEnabled(lTag, rbAuto->isChecked()); }

int TfmInetUpdateCfgDlg::Days() const { return static_cast<int>(eZykl->Value()); }
bool TfmInetUpdateCfgDlg::ManualChosen() const { return rbMan->isChecked(); }
bool TfmInetUpdateCfgDlg::NoAdminChosen() const { return cbNoAdmin->isChecked(); }

TfmInetUpdateCfgDlg::TBaseline TfmInetUpdateCfgDlg::Shown() const {
  return {Days(), ManualChosen(), cbTemp->isChecked(), NoAdminChosen()};
}

void TfmInetUpdateCfgDlg::OkClicked() {
  const TBaseline shown = Shown();
  if (shown == fBaseline) return;
  TAutoUpdateValues values;
  values.Days = shown.Days;
  values.Manual = shown.Manual || shown.Days == 0;
  values.AsAdmin = !shown.NoAdmin;
  values.UseTemp = shown.UseTemp;
  values.LastCheck = 0;
  if (ReadWriteAutoUpdateConfig(FPrgKz, false, values)) fBaseline = shown;
}

void TfmInetUpdateCfgDlg::ProxyConfigClicked() {
  HideWhile(*this, [this] {
    ShowProxyConfig([this](TfmFTPConfigDlg& sender, TFtpConfigNotify action) { FTPConfig(sender, action); },
                    parentWidget());
  });
}

void TfmInetUpdateCfgDlg::FTPConfig(TfmFTPConfigDlg& sender, TFtpConfigNotify action) {
  switch (action) {
    case TFtpConfigNotify::ftpSetData:
      sender.SetSettings(FSettings);
      break;
    case TFtpConfigNotify::ftpSaveData:
      FSettings = sender.GetSettings();
      LoadSaveFtpSettings(false, FSettings);
      break;
    case TFtpConfigNotify::ftpCheckConnection:
      if (FConnectionChkEvent) FConnectionChkEvent(sender.GetSettings().Ftp);
      break;
  }
}

}  // namespace update
