// What both panels share: the client rows, the rights trees per client and
// the general client rights, the module check boxes and their trackers.
#include <QTreeWidget>
#include <algorithm>

#include "admin/main_form.h"
#include "admin/module_boxes.h"
#include "admin/right_tree.h"
#include "admin/right_tree_images.h"
#include "ui/modify_watch.h"

namespace admin {

namespace {

constexpr rights::TRRange kAllgRange = rights::MakeRange(101, 107);

struct TAllgRight {
  std::int32_t id;
  const char* caption;
};

const TAllgRight kAllgRights[] = {
    {101, "Mandant anlegen"},  {102, "Mandant bearbeiten"},    {103, "Mandant löschen"},
    {104, "Update LedgerPro"}, {105, "Update Billing"},        {106, "Update Asset register"},
    {107, "Update Farmline"},
};

bool Contains(const rights::IntList& list, std::int32_t id) { return std::find(list.begin(), list.end(), id) != list.end(); }

TRightNode* NewNode(const QString& caption, int image) {
  auto* node = new TRightNode;
  node->setText(0, caption);
  node->setIcon(0, RightTreeImage(image));
  return node;
}

// Marks the rights this user receives through groups and equivalences.
void MarkGranted(const std::vector<TRightNode*>& nodes, const rights::IntList& granted) {
  if (granted.empty()) return;
  for (TRightNode* node : nodes)
    if (node->State.Right && Contains(granted, node->State.ID)) node->State.Granted = true;
}

}  // namespace

TPanelSide TMainForm::Side(bool user) const {
  if (user)
    return {true, lvUsMand, pUsMandRI, pUSAllgMandRI, pUsProjects, tvUsRights, tvUSAllgRights, mwUSPr, mwUser,
            wcUSPr.get()};
  return {false, lvGrMand, pGRMandRI, pGRAllgMandRI, pGrProjects, tvGrRights, tvGrAllgRights, mwGrPr, mwGroup,
          wcGRPr.get()};
}

std::int32_t TMainForm::SideID(bool user) const {
  if (user) return fAktUser ? fAktUser->ID : 0;
  return fAktGroup ? fAktGroup->ID : 0;
}

void TMainForm::FillAllgRights(TRightTree* tree) {
  if (!tree) return;
  tree->BeginUpdate();
  tree->clear();
  TRightNode* root = NewNode(QStringLiteral("allgemeine Mandantenrechte"), 0);
  root->State.State = tsGrNone;
  tree->addTopLevelItem(root);
  for (const TAllgRight& entry : kAllgRights) {
    TRightNode* node = NewNode(QString::fromUtf8(entry.caption), 9);
    node->State.Right = true;
    node->State.ID = entry.id;
    root->addChild(node);
  }
  root->setExpanded(true);
  tree->EndUpdate();
}

void TMainForm::LoadTreeRights(TRightTree* tree, bool user, std::uint8_t mandant, std::int32_t id) {
  if (!tree) return;
  tree->BeginUpdate();
  tree->Reset();
  if (user) {
    rights::IntList granted;
    fRechteDatei->GetGrantedRightsList(id, granted, mandant);
    MarkGranted(tree->Nodes(), granted);
  }
  // A right already ticked by its master-data sibling must not be switched back.
  for (std::int32_t rightID : fRechteDatei->AssRightList().RightIDsFromUsGr(user, id, mandant))
    tree->ChgRight(rightID, true);
  tree->EndUpdate();
  tree->UpdateTreeImages();
  tree->SetModifyed(false);
}

void TMainForm::LoadAllgTreeRights(TRightTree* tree, bool user, std::int32_t id) {
  tree->BeginUpdate();
  tree->Reset();
  if (user) {
    rights::IntList granted;
    fRechteDatei->GetGrantedRightsList(id, granted, 0);
    auto nodes = tree->Nodes();
    if (!nodes.empty()) nodes.erase(nodes.begin());
    MarkGranted(nodes, granted);
  }
  for (std::int32_t rightID : fRechteDatei->AssRightList().SpecRightIDsFromUsGr(kAllgRange, user, id))
    tree->ChgRight(rightID, true);
  tree->EndUpdate();
  tree->UpdateTreeImages();
  tree->SetModifyed(false);
}

std::unique_ptr<rights::TUpdList> TMainForm::AllgUpdateList(const TRightTree* tree) const {
  auto list = std::make_unique<rights::TUpdList>();
  const auto nodes = tree->Nodes();
  for (std::size_t i = 1; i < nodes.size(); ++i)
    list->Add(nodes[i]->State.ID, nodes[i]->State.State == tsChecked, rights::EmptyModulesStr());
  return list;
}

// Leaving a client row settles pending edits while AktMand still names the
// client left; selecting one shows the stored rights of that client.
void TMainForm::MandSelected(bool user, QTreeWidgetItem* current, QTreeWidgetItem* previous) {
  const TPanelSide side = Side(user);
  if (previous) {
    side.MandRI->hide();
    side.AllgMandRI->hide();
    if (user && UserPending()) AskApplyUser();
    if (!user && GroupPending()) AskApplyGroup();
  }
  if (current && SideID(user) != 0) {
    fAktMand = static_cast<std::uint8_t>(current->data(0, Qt::UserRole).toInt() & 0xFF);
    if (fAktMand != 0)
      ShowMandRights(side);
    else
      ShowAllgRights(side);
    user ? ResetUserWatch() : ResetGroupWatch();
  }
  // "Rechte anzeigen/drucken" stays disabled until the user rights report exists.
}

void TMainForm::ShowMandRights(const TPanelSide& side) {
  side.AllgMandRI->hide();
  side.MandRI->show();
  side.Tree->BeginUpdate();
  const rights::TModulesStr modules =
      fRechteDatei->AssRightList().ModulesFromUsGr(side.User, SideID(side.User), fAktMand);
  if (modules != side.Tree->AssgnFilter()) {
    TickPanelModules(side.Projects, modules);
    side.ProjectsWatch->LoadValues();
    side.Tree->SetAssgnFilter(modules);
  }
  side.Tree->EndUpdate();
  LoadTreeRights(side.Tree, side.User, fAktMand, SideID(side.User));
}

void TMainForm::ShowAllgRights(const TPanelSide& side) {
  side.MandRI->hide();
  side.AllgMandRI->show();
  LoadAllgTreeRights(side.AllgTree, side.User, SideID(side.User));
}

// Stores the modules and rights the panel shows for AktMand; only while one
// of the panel's client rows is selected, so a tree or module boxes left from
// another user, group or client never overwrite this one's rights.
bool TMainForm::StoreSideRights(bool user, std::int32_t id) {
  const TPanelSide side = Side(user);
  if (!side.MandList->currentItem()) return false;
  rights::TAssgnRightList& list = fRechteDatei->AssRightList();
  list.UpdateUsGrModules(user, id, fAktMand, GetPanelModules(side.Projects));
  if (fAktMand != 0) {
    const auto update = side.Tree->GetUpdateList();
    list.UpdateRights(user, id, fAktMand, update.get());
    side.Tree->SetModifyed(false);
  } else {
    const auto update = AllgUpdateList(side.AllgTree);
    list.UpdateSpecRights(kAllgRange, user, id, 0, update.get());
    side.AllgTree->SetModifyed(false);
  }
  return true;
}

void TMainForm::ProjectsChanged(bool isUser, bool askFirst) {
  const TPanelSide side = Side(isUser);
  if (askFirst && isUser && UserPending()) AskApplyUser();
  if (askFirst && !isUser && GroupPending()) AskApplyGroup();
  side.Tree->BeginUpdate();
  side.Tree->SetAssgnFilter(GetPanelModules(side.Projects));
  side.Tree->EndUpdate();
  LoadTreeRights(side.Tree, isUser, fAktMand, SideID(isUser));
  side.PanelWatch->LoadValues();
  side.Marker->SetModified(true);
  side.ProjectsWatch->LoadValues();
}

void TMainForm::ResetUserWatch() {
  wcUSPr->Reset();
  mwUser->LoadValues();
}

void TMainForm::ResetGroupWatch() {
  wcGRPr->Reset();
  mwGroup->LoadValues();
}

void TMainForm::ReselectRow(QTreeWidget* view) {
  QTreeWidgetItem* row = view->currentItem();
  if (!row) return;
  view->setCurrentItem(nullptr);
  view->setCurrentItem(row);
}

void TMainForm::ViewFilterChanged() {
  if (UserPending()) AskApplyUser();
  if (GroupPending()) AskApplyGroup();
  const rights::TModulesStr filter = GetPanelModules(pProjects);
  tvUsRights->SetViewFilter(filter);
  tvGrRights->SetViewFilter(filter);
  mwProjects->LoadValues();
  EnablePanelModules(pGrProjects, filter);
  EnablePanelModules(pUsProjects, filter);
  if (!pUser->isHidden() && fAktUser) ReselectRow(lvUsMand);
  if (!pGroup->isHidden() && fAktGroup) ReselectRow(lvGrMand);
}

}  // namespace admin
