#pragma once
// TfmInetUpdateCfgDlg ("automatisches Update über das Internet"): how often a
// program checks for updates, the temporary folder, elevation, and the way
// into the proxy dialog. It owns the in-memory FTP settings the update uses.
#include <string>

#include "rights/date_time.h"
#include "ui/save_pos_form.h"
#include "update/ftp_config_dlg.h"
#include "update/ftp_settings.h"

class QLabel;

namespace ui {
class TQVButton;
class TQVCheckBox;
class TQVCurrEdit;
class TQVRadioButton;
}  // namespace ui

namespace update {

class TfmInetUpdateCfgDlg : public ui::TSavePosForm {
  Q_OBJECT
 public:
  // Reads FTPCFG.INI and "Use TempDir".
  explicit TfmInetUpdateCfgDlg(QWidget* parent = nullptr);

  // The program's two-letter code ("KW"), set before Init.
  void SetPrgKz(const std::string& code) { FPrgKz = code; }
  const std::string& PrgKz() const { return FPrgKz; }
  // Shows the program's <code>AUTOUPD.CFG and keeps it as the baseline of OK.
  void Init();
  // The proxy dialog's notify handler.
  void FTPConfig(TfmFTPConfigDlg& sender, TFtpConfigNotify action);

  const THttpFtpProxySettings& Settings() const { return FSettings; }
  void SetConnectionChkEvent(TConnectionChkEvent handler) { FConnectionChkEvent = std::move(handler); }
  rights::TDateTime LastCheck() const { return FLastCheck; }
  // What the controls show, for the update window.
  int Days() const;
  bool ManualChosen() const;
  bool NoAdminChosen() const;

 private:
  struct TBaseline {
    int Days = 0;
    bool Manual = true;
    bool UseTemp = false;
    bool NoAdmin = false;
    bool operator==(const TBaseline&) const = default;
  };

  TBaseline Shown() const;
  void ShowIntervalState();
  void OkClicked();
  void ProxyConfigClicked();

  THttpFtpProxySettings FSettings;
  TConnectionChkEvent FConnectionChkEvent;
  std::string FPrgKz;
  rights::TDateTime FLastCheck = 0;
  TBaseline fBaseline;

  ui::TQVRadioButton* rbMan = nullptr;
  ui::TQVRadioButton* rbAuto = nullptr;
  ui::TQVCurrEdit* eZykl = nullptr;
  QLabel* lTag = nullptr;
  QLabel* lLU = nullptr;
  ui::TQVCheckBox* cbTemp = nullptr;
  ui::TQVCheckBox* cbNoAdmin = nullptr;
  ui::TQVButton* bbOK = nullptr;
  ui::TQVButton* bbProxy = nullptr;
  ui::TQVButton* bbHelp = nullptr;
};

// "letzte Prüfung am dd.mm.yy hh:nn", or empty for a time of 0.
QString LastCheckText(rights::TDateTime lastCheck);

}  // namespace update
