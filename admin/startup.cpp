// The deferred start-up: the rights file (first run or sign-in), the client
// list, the catalog and the trees built from it.
#include <QAction>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>

#include "admin/dialog_service.h"
#include "rights/standard_users.h"
#include "admin/main_form.h"
#include "admin/right_tree.h"
#include "clients/client_file.h"
#include "rights/file_io.h"
#include "ui/messages.h"
#include "ui/modify_watch.h"

namespace admin {

namespace {

// Client numbers the rights file can store; 0 holds the general client rights,
// 255 means any client and is never stored.
constexpr int kMaxMandant = 254;

}  // namespace

void TMainForm::StartUp() {
  wcUSPr = std::make_unique<TWatchControl>();
  mwUser->AddToNegativeList({pUsProjects});
  mwUser->AddControls({wcUSPr.get()});
  wcGRPr = std::make_unique<TWatchControl>();
  mwGroup->AddToNegativeList({pGrProjects});
  mwGroup->AddControls({wcGRPr.get()});
  if (!OpenRightsFile()) {
    close();
    return;
  }
  ReadClientList();
  FillMandList(lvGrMand);
  FillMandList(lvUsMand);
  LoadCatalog();
  FillUserList();
  FillGroupTree();
  mwUser->AddControls({bbPWChg});
  mwProjects->LoadValues();
}

// Reads the rights file; on first run creates it with the standard users at
// once, otherwise signs in. False when the window must close.
bool TMainForm::OpenRightsFile() {
  const std::string fileName = RightsFileName().toStdString();
  QString admPW;
  if (!std::filesystem::exists(rights::PathFromUtf8(fileName))) {
    admPW = Dialogs().AskAdmPW();
    if (admPW.isEmpty()) return false;
  }
  auto file = std::make_unique<rights::TRechteDatei>(fileName);
  try {
    file->Read(true);
    if (!admPW.isEmpty()) {
      file->CreateStdUsers(admPW.toStdString());
      file->Write();
    }
  } catch (const std::exception& error) {
    ui::ShowError(QString::fromUtf8(error.what()));
    return false;
  }
  fRechteDatei = std::move(file);
  ac("acRightsActive")->setChecked(fRechteDatei->RightsActive());
  if (!admPW.isEmpty()) {
    fLoggedOnUserID = rights::AdministratorID;
    return true;
  }
  return SignIn();
}

bool TMainForm::SignIn() {
  fLoggedOnUserID = -1;
  TLogonData data;
  Dialogs().ShowLogonDlg(true, true, data,
                         [this](const TLogonData& attempt, bool& success, bool& brk) { LogonCheck(attempt, success, brk); });
  if (data.ELPass) fLoggedOnUserID = rights::AdministratorID;
  return fLoggedOnUserID != -1;
}

void TMainForm::LogonCheck(const TLogonData& data, bool& success, bool& brk) {
  (void)brk;  // the dialog's own limit of attempts applies
  success = false;
  if (!data.Name.trimmed().isEmpty()) {
    fLoggedOnUserID = fRechteDatei->UserLogin(data.Name.toStdString(), data.Passwort.toStdString());
    success = fLoggedOnUserID >= 0;
  }
  if (!success)
    ui::ShowErrorMessage(
        QStringLiteral("Die Anmeldung ist fehlgeschlagen.\rÜberprüfen Sie Benutzernamen und Passwort."));
}

void TMainForm::ReadClientList() {
  clients::TQVClientFile clientFile(clients::kAllClientProjects);
  clientFile.Load();
  clientFile.SortOnNr();
  fMandList.clear();
  for (std::size_t i = 0; i < clientFile.GetCount(); ++i) {
    const clients::TQVClientFileItem& item = clientFile.GetItem(i);
    fMandList.push_back({item.ClientNr(), QString::fromStdString(item.ClientName()).trimmed()});
  }
}

// The row "--" for the general client rights, then one row per client. The
// number comes from the client itself, so clients above 99 keep their own; a
// client outside 0..254 cannot hold rights and is shown disabled.
void TMainForm::FillMandList(QTreeWidget* view) {
  view->clear();
  auto* general = new QTreeWidgetItem(view, {QStringLiteral("--"), QStringLiteral("Mandantenrechte")});
  general->setData(0, Qt::UserRole, 0);
  for (const TMandEntry& entry : fMandList) {
    auto* row = new QTreeWidgetItem(view, {QStringLiteral("%1").arg(entry.Nr, 2, 10, QLatin1Char('0')), entry.Name});
    row->setData(0, Qt::UserRole, entry.Nr);
    if (entry.Nr > kMaxMandant) {
      row->setFlags(row->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
      const QString hint = QStringLiteral("Dieser Mandant hat keine gültige Nummer (0 bis 254) "
                                          "und kann keine Rechte erhalten.");
      row->setToolTip(0, hint);
      row->setToolTip(1, hint);
    }
  }
}

void TMainForm::LoadCatalog() {
  fRightList = std::make_unique<rights::TRightList>(
      rights::TRightList::Load(clients::SettingsDir() + "QV_AppRights.csv"));
  FillAllgRights(tvGrAllgRights);
  FillAllgRights(tvUSAllgRights);
  tvGrRights->Load(*fRightList);
  tvUsRights->Load(*fRightList);
}

}  // namespace admin
