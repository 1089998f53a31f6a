// Memberships and equivalences: picked through the selection dialog, removed
// after a question; both are stored in the lists at once.
#include <QTreeWidget>

#include "admin/dialog_service.h"
#include "admin/list_images.h"
#include "admin/main_form.h"
#include "ui/messages.h"

namespace admin {

QTreeWidgetItem* TMainForm::AddRow(QTreeWidget* list, const std::string& caption, std::int32_t id, int image) {
  auto* row = new QTreeWidgetItem(list, {QString::fromStdString(caption)});
  row->setData(0, Qt::UserRole, id);
  row->setIcon(0, ListImage(image));
  return row;
}

QString TMainForm::UserBez(std::int32_t id) const {
  const rights::TFIUser* user = fRechteDatei->UserList().ItemByID(id);
  return user ? QString::fromStdString(user->Bez) : QString();
}

// Lets the administrator pick users or groups not yet in the list, stores each
// and adds its row; answers how many were picked.
std::size_t TMainForm::AddPicked(bool users, QTreeWidget* list, std::int32_t toUser,
                                 const std::function<void(std::int32_t id)>& store) {
  const auto picked = Dialogs().SelectUsGr(users, *fRechteDatei, list, toUser);
  for (const auto& record : picked) {
    store(record->ID);
    AddRow(list, record->Bez, record->ID, users ? UserImageIndex(record->ID) : 0);
  }
  if (!picked.empty()) fModifyed = true;
  return picked.size();
}

// Asks (default No), then removes every selected row; answers whether it did.
bool TMainForm::DelSelected(QTreeWidget* list, const QString& question,
                            const std::function<void(std::int32_t id)>& remove) {
  if (list->selectedItems().isEmpty()) return false;
  if (ui::ShowMessageDialog(question, ui::mbNo, ui::mtConfirmation, {ui::mbYes, ui::mbNo}) != ui::mrYes) return false;
  for (std::int32_t id : SelectedIDs(list)) remove(id);
  qDeleteAll(list->selectedItems());
  fModifyed = true;
  return true;
}

void TMainForm::AddUserToGroups() {
  if (!fAktUser) return;
  const std::int32_t uid = fAktUser->ID;
  if (AddPicked(false, lvUSGroups, 0, [&](std::int32_t gid) { fRechteDatei->AssgnList().AddUs2Grp(uid, gid); }) > 0)
    FillGroupTree();
}

void TMainForm::DelUserFromGroups() {
  if (!fAktUser) return;
  const std::int32_t uid = fAktUser->ID;
  const QString question = QStringLiteral("Soll der Benutzer %1 jetzt aus den gewählten Gruppen gelöscht werden?")
                               .arg(QString::fromStdString(fAktUser->Bez));
  if (DelSelected(lvUSGroups, question,
                  [&](std::int32_t gid) { fRechteDatei->AssgnList().DeleteUsFromGrp(uid, gid); }))
    FillGroupTree();
}

void TMainForm::AddEquivalences() {
  if (!fAktUser) return;
  const std::int32_t uid = fAktUser->ID;
  AddPicked(true, lvUsEquals, uid, [&](std::int32_t other) { fRechteDatei->AssgnList().AddUsEqui(uid, other); });
}

void TMainForm::DelEquivalences() {
  if (!fAktUser) return;
  const std::int32_t uid = fAktUser->ID;
  const QString question = QStringLiteral("Sollen die gewählten Äquivalenzen für Benutzer %1 jetzt gelöscht werden?")
                               .arg(QString::fromStdString(fAktUser->Bez));
  DelSelected(lvUsEquals, question, [&](std::int32_t other) { fRechteDatei->AssgnList().DeleteUsEqui(uid, other); });
}

void TMainForm::AddGroupUsers() {
  if (!fAktGroup) return;
  const std::int32_t gid = fAktGroup->ID;
  if (AddPicked(true, lvGrUsers, 0, [&](std::int32_t uid) { fRechteDatei->AssgnList().AddUs2Grp(uid, gid); }) > 0)
    FillGroupTree();
}

void TMainForm::DelGroupUsers() {
  if (!fAktGroup) return;
  const std::int32_t gid = fAktGroup->ID;
  const QString question = QStringLiteral("Sollen die gewählten Benutzer jetzt aus der Gruppe %1 gelöscht werden?")
                               .arg(QString::fromStdString(fAktGroup->Bez));
  if (DelSelected(lvGrUsers, question,
                  [&](std::int32_t uid) { fRechteDatei->AssgnList().DeleteUsFromGrp(uid, gid); }))
    FillGroupTree();
}

}  // namespace admin
