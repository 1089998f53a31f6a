// The group side: the group tree, showing a group, apply, new and delete.
#include <QAction>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "admin/list_images.h"
#include "admin/main_form.h"
#include "admin/stored_fields.h"
#include "admin/right_tree.h"
#include "ui/messages.h"
#include "ui/modify_watch.h"
#include "ui/page_control.h"

namespace admin {

namespace {

bool IsGroupNode(const QTreeWidgetItem* node) { return node && node->parent() && !node->parent()->parent(); }

}  // namespace

void TMainForm::FillGroupTree() {
  const QSignalBlocker blocker(trGroups);
  trGroups->clear();
  auto* root = new QTreeWidgetItem(trGroups, {QStringLiteral("Gruppen")});
  root->setIcon(0, ListImage(0));
  for (const auto& group : fRechteDatei->GroupList()) {
    auto* node = new QTreeWidgetItem(root, {QString::fromStdString(group->Bez)});
    node->setData(0, Qt::UserRole, group->ID);
    node->setIcon(0, ListImage(0));
    for (std::int32_t uid : fRechteDatei->AssgnList().UserIDsFromGroup(group->ID)) {
      auto* member = new QTreeWidgetItem(node, {UserBez(uid)});
      member->setIcon(0, ListImage(UserImageIndex(uid)));
    }
  }
  root->setExpanded(true);
}

void TMainForm::FillGroupUsers(std::int32_t groupID) {
  for (std::int32_t uid : fRechteDatei->AssgnList().UserIDsFromGroup(groupID))
    AddRow(lvGrUsers, UserBez(uid).toStdString(), uid, UserImageIndex(uid));
}

void TMainForm::GroupTreeEntered() {
  if (GroupPending()) AskApplyGroup();
  if (UserPending()) AskApplyUser();
  pUser->hide();
  GroupNodeSelected();
}

void TMainForm::GroupNodeSelected() {
  QTreeWidgetItem* node = trGroups->currentItem();
  if (!node) return;
  if (!IsGroupNode(node)) {
    pGroup->hide();
    return;
  }
  SetAktGroup(fRechteDatei->GroupList().ItemByID(node->data(0, Qt::UserRole).toInt()));
}

void TMainForm::SetAktGroup(rights::TFIGroup* group) {
  fAktGroup = group;
  pUser->hide();
  pGroup->show();
  pcGroups->setCurrentIndex(0);
  lvGrUsers->clear();
  edGrBez->setText(group ? QString::fromStdString(group->Bez) : QString());
  if (group) FillGroupUsers(group->ID);
  pcGroups->setTabVisible(1, group != nullptr);
  edGrBez->setEnabled(Admin());
  SetControl2Focus(edGrBez);
  mwGrPr->LoadValues();
  tvGrRights->SetModifyed(false);
  tvGrAllgRights->SetModifyed(false);
  ResetGroupWatch();
  lvGrMand->setCurrentItem(nullptr);
  lvGrMand->clearSelection();
}

void TMainForm::ApplyGroup() {
  if (!FieldsStorable({{"Bezeichnung", edGrBez}})) return;
  rights::TFIGroup* group = fAktGroup;
  if (!group) {
    const std::size_t index = fRechteDatei->GroupList().AddItem(std::make_unique<rights::TFIGroup>());
    group = &fRechteDatei->GroupList()[index];
  }
  group->Bez = edGrBez->text().toStdString();
  const std::int32_t id = group->ID;
  StoreSideRights(false, id);
  tvGrAllgRights->SetModifyed(false);
  tvGrRights->SetModifyed(false);
  ResetGroupWatch();
  FillGroupTree();
  if (fAktUser && fRechteDatei->AssgnList().UserInGroup(fAktUser->ID, id)) fUserRefresh = true;
  SelectGroupNode(id);
  fModifyed = true;
}

// Selects the group's node, which shows the group.
void TMainForm::SelectGroupNode(std::int32_t groupID) {
  QTreeWidgetItem* root = trGroups->topLevelItem(0);
  for (int i = 0; root && i < root->childCount(); ++i)
    if (root->child(i)->data(0, Qt::UserRole).toInt() == groupID) {
      trGroups->setCurrentItem(root->child(i));
      return;
    }
}

void TMainForm::AskApplyGroup() {
  const QString question =
      QStringLiteral("Sie haben Rechte der aktuellen Gruppe geändert.\rSollen die Änderungen jetzt übernommen werden?");
  if (ui::ShowMessageDialog(question, ui::mbYes, ui::mtConfirmation, {ui::mbYes, ui::mbNo}) == ui::mrYes)
    ApplyGroup();
  else
    ResetGroupWatch();
}

void TMainForm::NewGroup() {
  pUser->hide();
  SetAktGroup(nullptr);
}

void TMainForm::DelGroup() {
  QTreeWidgetItem* node = trGroups->currentItem();
  if (!IsGroupNode(node)) return;
  const std::int32_t id = node->data(0, Qt::UserRole).toInt();
  ClearPanels();
  fRechteDatei->DeleteGroup(id);
  FillGroupTree();
  FillUserList();
  fModifyed = true;
}

}  // namespace admin
