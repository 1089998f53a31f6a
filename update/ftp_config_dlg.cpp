#include "update/ftp_config_dlg.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <memory>

#include "platform/files.h"
#include "rights/codepage.h"
#include "ui/action_guard.h"
#include "ui/button.h"
#include "ui/check_buttons.h"
#include "ui/combo_box.h"
#include "ui/combo_edit.h"
#include "ui/create_form.h"
#include "ui/edits.h"
#include "ui/messages.h"
#include "ui/number_edit.h"
#include "update/dialog_controls.h"
#include "update/hide_while.h"
#include "update/service_mode.h"
#include "update/update_endpoints.h"

namespace update {

namespace {

// Controls with tag 1 keep their state when the kind or type changes.
constexpr const char* kTag = "tag";
constexpr int kPortMax = 65535;
// The window ends this far below its lowest visible group.
constexpr int kBottomGap = 5;

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

// Shows a text from its start, as a long host name should be read.
void ShowText(QLineEdit* edit, const std::string& text) {
  edit->setText(Q(text));
  edit->setCursorPosition(0);
}

template <class Control>
Control* Tagged(Control* control, int tag) {
  control->setProperty(kTag, tag);
  return control;
}

// An enabled edit shows the window colour, a disabled one the button face.
void ShowEditState(QLineEdit* edit, bool enabled) {
  const QPalette standard = QApplication::palette(edit);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, standard.color(enabled ? QPalette::Base : QPalette::Button));
  edit->setPalette(palette);
}

void SetTagZeroControlsEnabled(QGroupBox* group, bool enabled) {
  for (QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control->property(kTag).toInt() != 0) continue;
    control->setEnabled(enabled);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) ShowEditState(edit, enabled);
  }
}

ui::TQVEdit* NewEdit(QWidget* parent, const QByteArray& name, bool password = false) {
  auto* edit = new ui::TQVEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  if (password) edit->setEchoMode(QLineEdit::Password);
  return edit;
}

// A label before its control in a grid; the label takes the control's tag.
QLabel* AddLabeled(QGridLayout* grid, const QString& caption, QWidget* control, int row, int column,
                   int span = 1) {
  auto* label = new ui::TQVLabel(caption, control->parentWidget());
  label->setObjectName(QStringLiteral("l") + control->objectName().mid(1));
  label->setBuddy(control);
  label->setProperty(kTag, control->property(kTag));
  grid->addWidget(label, row, column);
  grid->addWidget(control, row, column + 1, 1, span);
  return label;
}

// Server, port, user and password in two rows of a grid, named e<prefix>Server and so on.
TServerEdits AddServerRows(QGridLayout* grid, int row, QWidget* group, const QString& prefix,
                           const QString& serverCaption) {
  const auto name = [&prefix](const char* part) { return (QStringLiteral("e") + prefix + part).toLatin1(); };
  TServerEdits edits;
  edits.Server = NewEdit(group, name("Server"));
  edits.Port = NewWholeNumberEdit(group, name("Port"), kPortMax);
  edits.User = NewEdit(group, name("User"));
  edits.Password = NewEdit(group, name("Password"), true);
  // Host names are long: room for the usual ones without scrolling.
  edits.Server->setMinimumWidth(edits.Server->fontMetrics().averageCharWidth() * 30);
  AddLabeled(grid, serverCaption, edits.Server, row, 0);
  AddLabeled(grid, QStringLiteral("Port:"), edits.Port, row, 2);
  AddLabeled(grid, QStringLiteral("Benutzername:"), edits.User, row + 1, 0);
  AddLabeled(grid, QStringLiteral("Kennwort:"), edits.Password, row + 1, 2);
  return edits;
}

void ShowServer(const TServerEdits& edits, const std::string& server, std::int32_t port, const std::string& user,
                const std::string& password) {
  ShowText(edits.Server, server);
  edits.Port->SetValue(port);
  ShowText(edits.User, user);
  ShowText(edits.Password, password);
}

// Server, port, trimmed user and password into a connection's fields.
template <class Settings>
void ReadServer(const TServerEdits& edits, Settings& settings) {
  settings.Server = S(edits.Server->text());
  settings.Port = static_cast<std::int32_t>(edits.Port->Value());
  settings.UserName = S(edits.User->text().trimmed());
  settings.Password = S(edits.Password->text());
}

QGroupBox* NewGroup(const QString& caption, QWidget* parent, const char* name) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(QString::fromLatin1(name));
  return group;
}

}  // namespace

TfmFTPConfigDlg::TfmFTPConfigDlg(QWidget* parent) : ui::TSavePosForm(parent) {
  setObjectName(QStringLiteral("fmFTPConfigDlg"));
  setWindowTitle(QStringLiteral("Proxy-Konfiguration"));
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

  auto* groups = new QVBoxLayout;
  groups->addWidget(BuildFtpGroup());
  groups->addWidget(BuildHttpGroup());
  groups->addWidget(BuildMirrorGroup());
  groups->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, kBottomGap);
  layout->addLayout(groups, 1);
  layout->addLayout(BuildButtons());

  ApplyKind();
  ApplyHttpType();
}

QGroupBox* TfmFTPConfigDlg::BuildFtpGroup() {
  gbFtp = NewGroup(QStringLiteral(" Einstellungen FTP "), this, "gbFtp");
  auto* grid = new QGridLayout(gbFtp);

  eFTP = Tagged(NewEdit(gbFtp, "eFTP"), 1);
  eFTP->setReadOnly(true);
  eFTP->setEnabled(false);
  ShowEditState(eFTP, false);
  lFTP = AddLabeled(grid, QStringLiteral("FTP-Server:"), eFTP, 0, 0, 3);
  if (IsServiceMode()) {
    acEditFtpServer = new QAction(QStringLiteral("FTP-Server bearbeiten"), lFTP);
    acEditFtpServer->setObjectName(QStringLiteral("acEditFtpServer"));
    connect(acEditFtpServer, &QAction::triggered, this, ui::Guarded([this] { EditFtpServer(); }));
    lFTP->addAction(acEditFtpServer);
    lFTP->setContextMenuPolicy(Qt::ActionsContextMenu);
  }

  cbFtpProxy = Tagged(new ui::TQVComboBox(gbFtp), 1);
  cbFtpProxy->setObjectName(QStringLiteral("cbFtpProxy"));
  cbFtpProxy->setMaxVisibleItems(15);
  for (const TProxyKind& kind : ProxyKinds()) cbFtpProxy->addItem(QString::fromUtf8(kind.Caption), kind.Number);
  AddLabeled(grid, QStringLiteral("Typ:"), cbFtpProxy, 1, 0, 3);
  connect(cbFtpProxy, &QComboBox::currentIndexChanged, this, [this] { ApplyKind(); });
  connect(cbFtpProxy, &QComboBox::activated, this, [this] { KindChosenByUser(); });

  eProxy = AddServerRows(grid, 2, gbFtp, QStringLiteral("Proxy"), QStringLiteral("Proxyserver:"));

  cbPassiv = Tagged(NewCheckBox(QStringLiteral("Passiver Modus"), gbFtp, "cbPassiv"), 1);
  grid->addWidget(cbPassiv, 4, 1);

  eLP = Tagged(new ui::TQVBrowseEdit(gbFtp), 1);
  eLP->setObjectName(QStringLiteral("eLP"));
  eLP->SetDialogTitle(QStringLiteral("Verzeichnis für Update über lokalen FTP-Spiegel"));
  auto* lLP = Tagged(new ui::TQVLabel(QStringLiteral("Verzeichnis für Update über lokalen FTP-Spiegel"), gbFtp), 1);
  lLP->setObjectName(QStringLiteral("lLP"));
  lLP->setBuddy(eLP);
  grid->addWidget(lLP, 5, 0, 1, 4);
  grid->addWidget(eLP, 6, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  return gbFtp;
}

QGroupBox* TfmFTPConfigDlg::BuildHttpGroup() {
  gbHttp = NewGroup(QStringLiteral(" Einstellungen HTTP "), this, "gbHttp");
  auto* grid = new QGridLayout(gbHttp);
  cbHttp = Tagged(new ui::TQVComboBox(gbHttp), 1);
  cbHttp->setObjectName(QStringLiteral("cbHttp"));
  cbHttp->addItems({QStringLiteral("kein Proxy-Server"), QStringLiteral("Proxy-Server verwenden")});
  AddLabeled(grid, QStringLiteral("Typ:"), cbHttp, 0, 0, 3);
  connect(cbHttp, &QComboBox::currentIndexChanged, this, [this] { ApplyHttpType(); });

  eHttp = AddServerRows(grid, 1, gbHttp, QStringLiteral("Http"), QStringLiteral("Server:"));
  grid->setColumnStretch(1, 1);
  return gbHttp;
}

QGroupBox* TfmFTPConfigDlg::BuildMirrorGroup() {
  gbMirror = NewGroup(QStringLiteral(" Einstellungen FTP Update Mirror"), this, "gbMirror");
  auto* grid = new QGridLayout(gbMirror);
  eMirror = AddServerRows(grid, 0, gbMirror, QStringLiteral("Mirror"), QStringLiteral("Server:"));
  cbMirrorPassiv = NewCheckBox(QStringLiteral("Passiver Modus"), gbMirror, "cbMirrorPassiv");
  grid->addWidget(cbMirrorPassiv, 2, 1);
  grid->setColumnStretch(1, 1);
  gbMirror->hide();
  return gbMirror;
}

QLayout* TfmFTPConfigDlg::BuildButtons() {
  bbOK = new ui::TQVButton(ui::bkOK, QStringLiteral("OK"), this);
  bbOK->setObjectName(QStringLiteral("bbOK"));
  bbOK->setText(QStringLiteral("OK"));
  // OkClicked closes the window itself once the folder is checked and the settings are stored.
  bbOK->SetModalResult(ui::mrNone);
  bbOK->setDefault(true);
  connect(bbOK, &QPushButton::clicked, this, ui::Guarded([this] { OkClicked(); }));
  bbCancel = new ui::TQVButton(ui::bkCancel, QStringLiteral("&Abbrechen"), this);
  bbCancel->setObjectName(QStringLiteral("bbCancel"));
  bbCancel->setText(QStringLiteral("&Abbrechen"));
  bbCheck = new ui::TQVButton(ui::bkCustom, QStringLiteral("FTP-Proxycheck"), this);
  bbCheck->setObjectName(QStringLiteral("bbCheck"));
  connect(bbCheck, &QPushButton::clicked, this, ui::Guarded([this] { CheckClicked(); }));

  cbErweitert = NewCheckBox(QStringLiteral("Erweitert"), this, "cbErweitert");
  cbErweitert->setVisible(IsServiceMode());
  connect(cbErweitert, &QCheckBox::toggled, this, [this](bool checked) { ShowExtended(checked); });
  // Kept from the design, never shown.
  auto* lAutoConnect = new QLabel(QStringLiteral("automatisch\nverbinden"), this);
  lAutoConnect->setObjectName(QStringLiteral("lAutoConnect"));
  lAutoConnect->hide();
  auto* cbAutoConnect = NewCheckBox(QString(), this, "cbAutoConnect");
  cbAutoConnect->hide();

  auto* buttons = new QVBoxLayout;
  for (QWidget* button : {static_cast<QWidget*>(bbOK), static_cast<QWidget*>(bbCancel),
                          static_cast<QWidget*>(bbCheck)})
    buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(cbErweitert);
  buttons->addWidget(lAutoConnect);
  buttons->addWidget(cbAutoConnect);
  return buttons;
}

void TfmFTPConfigDlg::FirstIdleAction() {
  ShowFtpServer({});
  Notify(TFtpConfigNotify::ftpSetData);
  ApplyKind();
}

void TfmFTPConfigDlg::ActionUpdate() {
  const bool proxyChosen = cbFtpProxy->currentIndex() > 0;
  bbCheck->setEnabled((proxyChosen && !eProxy.Server->text().isEmpty()) ||
                      (eFTP->isEnabled() && !proxyChosen && !eFTP->text().isEmpty()));
}

int TfmFTPConfigDlg::ChosenKind() const { return cbFtpProxy->currentData().toInt(); }

void TfmFTPConfigDlg::ApplyKind() { SetTagZeroControlsEnabled(gbFtp, cbFtpProxy->currentIndex() > 0); }

void TfmFTPConfigDlg::KindChosenByUser() {
  // SOCKS proxies pass the data connection only in passive mode.
  if (cbPassiv->isEnabled()) cbPassiv->setChecked(SocksOfKindNumber(ChosenKind()) != TSocksType::stNoSocks);
}

void TfmFTPConfigDlg::ApplyHttpType() { SetTagZeroControlsEnabled(gbHttp, cbHttp->currentIndex() == 1); }

void TfmFTPConfigDlg::ShowExtended(bool visible) {
  gbMirror->setVisible(visible);
  layout()->activate();
  resize(width(), layout()->sizeHint().height());
}

void TfmFTPConfigDlg::ShowFtpServer(const std::string& server) {
  fFtpServer = rights::SameTextIgnoringCase(server, DefaultUpdateHost()) ? std::string() : server;
  const QString shown = fFtpServer.empty() ? QStringLiteral("Standard") : Q(fFtpServer);
  eFTP->setText(shown);
  eFTP->setToolTip(shown);
}

std::string TfmFTPConfigDlg::FtpServer() const {
  std::string server = fFtpServer;
  if (eFTP->isEnabled() && !eFTP->isReadOnly() && eFTP->text() != eFTP->toolTip()) server = S(eFTP->text());
  return server.empty() ? DefaultUpdateHost() : server;
}

void TfmFTPConfigDlg::EditFtpServer() {
  eFTP->setReadOnly(false);
  eFTP->setEnabled(true);
  ShowEditState(eFTP, true);
  eFTP->setText(Q(fFtpServer));
  eFTP->setFocus();
}

void TfmFTPConfigDlg::SetSettings(const THttpFtpProxySettings& settings) {
  fSettings = settings;
  const TFtpSettings& ftp = settings.Ftp;
  const TProxySettings& proxy = ftp.ProxySettings;
  ShowFtpServer(ftp.Server);
  const int kind = cbFtpProxy->findData(ProxyKindNumber(proxy));
  cbFtpProxy->setCurrentIndex(kind < 0 ? 0 : kind);
  ShowServer(eProxy, proxy.Server, proxy.Port, proxy.UserName, proxy.Password);
  ShowText(eLP, ftp.LocalDir);
  cbPassiv->setChecked(ftp.Passiv);

  const TProxySettings& http = settings.Http;
  cbHttp->setCurrentIndex(http.UseProxy != 0 ? 1 : 0);
  ShowServer(eHttp, http.Server, http.Port, http.UserName, http.Password);

  const TFtpSettings& mirror = settings.FtpMirror;
  ShowServer(eMirror, mirror.Server, mirror.Port, mirror.UserName, mirror.Password);
  cbMirrorPassiv->setChecked(mirror.Passiv);
}

THttpFtpProxySettings TfmFTPConfigDlg::GetSettings() const {
  THttpFtpProxySettings settings;
  TFtpSettings& ftp = settings.Ftp;
  ftp.Server = FtpServer();
  SetProxyKindNumber(ftp.ProxySettings, ChosenKind());
  ftp.Passiv = cbPassiv->isChecked();
  ReadServer(eProxy, ftp.ProxySettings);
  ftp.ProxySettings.Authentication = !ftp.ProxySettings.UserName.empty();
  ftp.LocalDir = S(eLP->text());

  settings.Http.UseProxy = cbHttp->currentIndex() > 0 ? 1 : 0;
  ReadServer(eHttp, settings.Http);
  settings.Http.Authentication = !settings.Http.UserName.empty();

  ReadServer(eMirror, settings.FtpMirror);
  settings.FtpMirror.Passiv = cbMirrorPassiv->isChecked();
  return settings;
}

void TfmFTPConfigDlg::OkClicked() {
  // Checked before anything is stored: a refused OK must not have saved the folder.
  if (!LocalFolderValid()) return;
  Notify(TFtpConfigNotify::ftpSaveData);
  done(ui::mrOk);
}

bool TfmFTPConfigDlg::LocalFolderValid() {
  const QString folder = eLP->text();
  if (eLP->isHidden() || !eLP->isEnabled() || folder.isEmpty() || platform::FolderExists(S(folder))) return true;
  ui::ShowErrorMessage(QStringLiteral("Das Verzeichnis ist ungültig!\r'") + folder + QStringLiteral("'"));
  eLP->setFocus();
  return false;
}

void TfmFTPConfigDlg::CheckClicked() {
  HideWhile(*this, [this] { Notify(TFtpConfigNotify::ftpCheckConnection); });
}

void TfmFTPConfigDlg::Notify(TFtpConfigNotify action) {
  if (fOnNotify) fOnNotify(*this, action);
}

void ShowProxyConfig(const TOnFTPConfigNotify& notify, QWidget* owner) {
  std::unique_ptr<TfmFTPConfigDlg> dialog(ui::CreateFormInstance<TfmFTPConfigDlg>(owner));
  dialog->SetOnNotify(notify);
  if (notify) dialog->exec();
}

}  // namespace update
