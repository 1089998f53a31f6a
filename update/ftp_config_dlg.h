#pragma once
// TfmFTPConfigDlg ("Proxy-Konfiguration"): the FTP proxy, the local mirror
// folder, the HTTP proxy and (in service mode) the FTP update mirror. The
// dialog holds no settings of its own: its owner fills it (ftpSetData) at the
// first idle update, stores what it gives back (ftpSaveData) on OK, and tests
// the connection (ftpCheckConnection) on "FTP-Proxycheck".
#include <functional>
#include <string>

#include "ui/save_pos_form.h"
#include "update/ftp_settings.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace ui {
class TQVBrowseEdit;
class TQVButton;
class TQVCheckBox;
class TQVComboBox;
class TQVCurrEdit;
class TQVEdit;
}  // namespace ui

namespace update {

class TfmFTPConfigDlg;
using TOnFTPConfigNotify = std::function<void(TfmFTPConfigDlg& sender, TFtpConfigNotify action)>;

// Host, port, user and password of one connection (FTP proxy, HTTP proxy, mirror).
struct TServerEdits {
  ui::TQVEdit* Server = nullptr;
  ui::TQVCurrEdit* Port = nullptr;
  ui::TQVEdit* User = nullptr;
  ui::TQVEdit* Password = nullptr;
};

class TfmFTPConfigDlg : public ui::TSavePosForm {
  Q_OBJECT
 public:
  explicit TfmFTPConfigDlg(QWidget* parent = nullptr);

  void SetSettings(const THttpFtpProxySettings& settings);
  // The settings the controls show; the Http part included.
  THttpFtpProxySettings GetSettings() const;
  void SetOnNotify(TOnFTPConfigNotify handler) { fOnNotify = std::move(handler); }

 protected:
  void FirstIdleAction() override;
  void ActionUpdate() override;

 private:
  QGroupBox* BuildFtpGroup();
  QGroupBox* BuildHttpGroup();
  QGroupBox* BuildMirrorGroup();
  QLayout* BuildButtons();

  void ApplyKind();
  void KindChosenByUser();
  void ApplyHttpType();
  void ShowExtended(bool visible);
  void ShowFtpServer(const std::string& server);
  std::string FtpServer() const;
  void EditFtpServer();
  int ChosenKind() const;
  void OkClicked();
  bool LocalFolderValid();
  void CheckClicked();
  void Notify(TFtpConfigNotify action);

  THttpFtpProxySettings fSettings;
  TOnFTPConfigNotify fOnNotify;
  std::string fFtpServer;

  QGroupBox* gbFtp = nullptr;
  QGroupBox* gbHttp = nullptr;
  QGroupBox* gbMirror = nullptr;
  QLabel* lFTP = nullptr;
  ui::TQVEdit* eFTP = nullptr;
  QAction* acEditFtpServer = nullptr;
  ui::TQVComboBox* cbFtpProxy = nullptr;
  TServerEdits eProxy;
  ui::TQVCheckBox* cbPassiv = nullptr;
  ui::TQVBrowseEdit* eLP = nullptr;
  ui::TQVComboBox* cbHttp = nullptr;
  TServerEdits eHttp;
  TServerEdits eMirror;
  ui::TQVCheckBox* cbMirrorPassiv = nullptr;
  ui::TQVButton* bbOK = nullptr;
  ui::TQVButton* bbCancel = nullptr;
  ui::TQVButton* bbCheck = nullptr;
  ui::TQVCheckBox* cbErweitert = nullptr;
};

// Creates the dialog, gives it the handler and shows it modally (only when a
// handler is given), then releases it.
void ShowProxyConfig(const TOnFTPConfigNotify& notify, QWidget* owner = nullptr);

}  // namespace update
