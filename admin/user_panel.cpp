// The user side: the user list, showing a user, apply, new and delete, the
// new password and the pages' reactions.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "admin/dialog_service.h"
#include "rights/standard_users.h"
#include "admin/list_images.h"
#include "admin/main_form.h"
#include "admin/stored_fields.h"
#include "admin/right_tree.h"
#include "ui/messages.h"
#include "ui/modify_watch.h"
#include "ui/page_control.h"

namespace admin {

namespace {

constexpr int kRightsPage = 2;

std::string Field(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

void TMainForm::FillUserList() {
  const QSignalBlocker blocker(lvUser);
  lvUser->clear();
  for (const auto& user : fRechteDatei->UserList()) AddRow(lvUser, user->Bez, user->ID, UserImageIndex(user->ID));
}

void TMainForm::FillUserGroups(std::int32_t userID) {
  for (std::int32_t gid : fRechteDatei->AssgnList().GroupIDsFromUser(userID))
    if (const rights::TFIGroup* group = fRechteDatei->GroupList().ItemByID(gid)) AddRow(lvUSGroups, group->Bez, gid, 0);
}

void TMainForm::FillUserEquals(std::int32_t userID) {
  for (std::int32_t uid : fRechteDatei->AssgnList().UserIDsFromUser(userID))
    if (const rights::TFIUser* user = fRechteDatei->UserList().ItemByID(uid)) AddRow(lvUsEquals, user->Bez, uid, 1);
}

void TMainForm::UserListEntered() {
  if (GroupPending()) AskApplyGroup();
  if (UserPending()) AskApplyUser();
  pGroup->hide();
  const auto rows = lvUser->selectedItems();
  if (rows.isEmpty())
    pUser->hide();
  else
    SetAktUser(fRechteDatei->UserList().ItemByID(rows.first()->data(0, Qt::UserRole).toInt()));
}

void TMainForm::UserSelected() {
  const auto rows = lvUser->selectedItems();
  if (rows.isEmpty()) {
    pUser->hide();
    return;
  }
  SetAktUser(fRechteDatei->UserList().ItemByID(rows.first()->data(0, Qt::UserRole).toInt()));
}

// Shows the user, or an empty panel for a new user when none.
void TMainForm::SetAktUser(rights::TFIUser* user) {
  fNewPW.clear();
  pGroup->hide();
  pUser->show();
  pcUser->setCurrentIndex(0);
  fAktUser = user;
  lvUSGroups->clear();
  lvUsEquals->clear();
  ShowUserFields(user);
  EnableUserControls(user);
  const bool pages = user && user->ID != rights::AdministratorID;
  for (int page = 1; page <= 3; ++page) pcUser->setTabVisible(page, pages);
  if (!user) SetControl2Focus(edUsBez);
  mwUSPr->LoadValues();
  // A user shown anew starts without pending tree edits.
  tvUsRights->SetModifyed(false);
  tvUSAllgRights->SetModifyed(false);
  ResetUserWatch();
  lvUsMand->setCurrentItem(nullptr);
  lvUsMand->clearSelection();
}

void TMainForm::ShowUserFields(rights::TFIUser* user) {
  edUsBez->setText(user ? QString::fromStdString(user->Bez) : QString());
  edFunc->setText(user ? QString::fromStdString(user->Func) : QString());
  edLogin->setText(user ? QString::fromStdString(user->Login) : QString());
  cbLocked->setChecked(user && user->Locked);
  cbPWExpired->setChecked(!user || user->PWExpired);
  if (user) {
    FillUserGroups(user->ID);
    FillUserEquals(user->ID);
  }
}

void TMainForm::EnableUserControls(rights::TFIUser* user) {
  const bool standard = user && (user->ID == rights::AdministratorID || user->ID == rights::TemplateUserID);
  const bool editable = Admin() && !standard;
  for (QWidget* control : {static_cast<QWidget*>(edUsBez), static_cast<QWidget*>(edFunc),
                           static_cast<QWidget*>(edLogin), static_cast<QWidget*>(cbLocked),
                           static_cast<QWidget*>(cbPWExpired)})
    control->setEnabled(editable);
  ac("acDelUser")->setEnabled(editable);
  bbPWChg->setEnabled(Admin() && (!standard || user->ID == rights::AdministratorID));
}

void TMainForm::UserPageChanged(int index) {
  if (index != kRightsPage || !fUserRefresh || !fAktUser) return;
  fUserRefresh = false;
  if (!lvUsMand->currentItem()) return;  // the next client row selected loads the tree anyway
  if (fAktMand != 0)
    LoadTreeRights(tvUsRights, true, fAktMand, fAktUser->ID);
  else
    LoadAllgTreeRights(tvUSAllgRights, true, fAktUser->ID);
}

bool TMainForm::ApplyUser(bool reselect) {
  const bool templateUser = fAktUser && fAktUser->ID == rights::TemplateUserID;
  if (edLogin->text().isEmpty() && !templateUser) {
    ui::ShowInfoMessage(QStringLiteral("Geben Sie einen Anmeldenamen ein."));
    return false;
  }
  if (!FieldsStorable({{"Benutzername", edUsBez}, {"Funktion", edFunc}, {"Anmeldename", edLogin}}) ||
      !TextStorable("Passwort", fNewPW))
    return false;
  const bool isNew = fAktUser == nullptr;
  rights::TFIUser* user = StoreUserFields();
  if (!user) return false;
  const std::int32_t id = user->ID;
  StoreSideRights(true, id);
  fNewPW.clear();
  if (isNew) {
    FillUserList();
    if (fUseTemplate) fRechteDatei->AssRightList().CopyUsRights(2, id);
    ResetUserWatch();
    NewUser();
  }
  ResetUserWatch();
  fModifyed = true;
  if (reselect) {
    const auto rows = lvUser->findItems(QStringLiteral("*"), Qt::MatchWildcard);
    for (QTreeWidgetItem* row : rows)
      if (row->data(0, Qt::UserRole).toInt() == id) {
        lvUser->setCurrentItem(row);
        break;
      }
  }
  return true;
}

// The current user, or a new one appended to the list, with the panel's
// fields; none when the login of a new user is taken.
rights::TFIUser* TMainForm::StoreUserFields() {
  rights::TFIUser* user = fAktUser;
  if (!user) {
    if (fRechteDatei->UserList().GetIDbyLoginName(Field(edLogin)) >= 0) {
      ui::ShowInfoMessage(
          QStringLiteral("Dieser Anmeldename wird bereits verwendet.\rDer Benutzer scheint schon angelegt zu sein."));
      return nullptr;
    }
    const std::size_t index = fRechteDatei->UserList().AddItem(std::make_unique<rights::TFIUser>());
    user = &fRechteDatei->UserList()[index];
  }
  user->Bez = Field(edUsBez);
  user->Func = Field(edFunc);
  user->Login = Field(edLogin);
  user->PWExpired = cbPWExpired->isChecked();
  if (!fNewPW.isEmpty()) {
    user->Passwd = fNewPW.toStdString();
    cbPWExpired->setChecked(false);
  }
  user->Locked = cbLocked->isChecked();
  return user;
}

void TMainForm::AskApplyUser() {
  const QString question =
      QStringLiteral("Sie haben Rechte des aktuellen Benutzers geändert.\rSollen die Änderungen jetzt übernommen werden?");
  if (ui::ShowMessageDialog(question, ui::mbYes, ui::mtConfirmation, {ui::mbYes, ui::mbNo}) == ui::mrYes)
    ApplyUser(false);
  else
    ResetUserWatch();
}

void TMainForm::NewUser() {
  fUseTemplate = false;
  SetAktUser(nullptr);
}

void TMainForm::NewUserFromTemplate() {
  fUseTemplate = true;
  SetAktUser(nullptr);
}

void TMainForm::DelUser() {
  const auto rows = lvUser->selectedItems();
  if (rows.isEmpty()) return;
  const std::int32_t id = rows.first()->data(0, Qt::UserRole).toInt();
  // The standard users cannot be deleted, whatever enabled the action.
  if (!Admin() || id == rights::AdministratorID || id == rights::TemplateUserID) return;
  ClearPanels();
  fRechteDatei->DeleteUser(id);
  FillGroupTree();
  FillUserList();
  fModifyed = true;
}

void TMainForm::ChangePassword() {
  TLogonData data;
  Dialogs().AskNewPassword(data);
  fNewPW = data.ModalResult == 1 ? data.Passwort : QString();
  if (!fNewPW.isEmpty()) cbPWExpired->setChecked(false);
}

}  // namespace admin
