#include "right_tree.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolTip>

#include "admin/right_tree_images.h"
#include "rights/catalog_entries.h"

namespace admin {

namespace {

constexpr int kRootImage = 0;
constexpr int kIndent = 25;

// Popup action tags.
constexpr int kTagCheckAll = 11;
constexpr int kTagCheckNothing = 12;
constexpr int kTagsExpand[] = {21, 22};
constexpr int kTagsCollapse[] = {23, 24};

TRightNode* ChildOf(QTreeWidgetItem* node, int index) { return TRightTree::NodeOf(node->child(index)); }

TRightNode* ParentOf(QTreeWidgetItem* node) {
  return node->parent() != nullptr ? TRightTree::NodeOf(node->parent()) : nullptr;
}

// How much of a group is held. A child group counts as held when all of it
// is; a partly held child group makes the group partly held, so the click
// path and the full recount agree.
TGrState HeldState(QTreeWidgetItem* node) {
  const int count = node->childCount();
  int held = 0;
  bool partly = false;
  for (int i = 0; i < count; ++i) {
    const TStateObj& child = ChildOf(node, i)->State;
    if (node->child(i)->childCount() > 0) {
      if (child.GrState == gesAll) ++held;
      partly = partly || child.GrState == gesSome;
    } else if (child.Granted || child.State == tsChecked) {
      ++held;
    }
  }
  if (held == 0 && !partly) return gesNone;
  return held == count ? gesAll : gesSome;
}

QString TooltipOf(const rights::TCustomRight& entry) {
  return QString::fromStdString(entry.Description).replace("\r\n", "\n");
}

}  // namespace

TRightTree::TRightTree(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setIndentation(kIndent);
  setIconSize(QSize(RightTreeImageSize, RightTreeImageSize));
  setUniformRowHeights(true);
  connect(this, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { Change(current != nullptr ? NodeOf(current) : nullptr); });
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { EnableExpandActions(NodeOf(item)); });
  connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { EnableExpandActions(NodeOf(item)); });
}

TRightTree::~TRightTree() = default;

void TRightTree::Load(const rights::TRightList& list) {
  fRightList = std::make_unique<rights::TRightList>();
  fRightList->Assign(list);
  ReLoad();
}

bool TRightTree::RightVisible(const rights::TCustomRight& entry) const {
  for (int i = 0; i < rights::ModuleCount; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const char letter = at < entry.Modul.size() ? entry.Modul[at] : ' ';
    if (letter != ' ' && at < fViewFilter.size() && fViewFilter[at] == letter && at < fAsgnFilter.size() &&
        fAsgnFilter[at] == letter)
      return true;
  }
  return false;
}

std::vector<TRightNode*> TRightTree::Nodes() const {
  std::vector<TRightNode*> nodes;
  for (QTreeWidgetItemIterator it(const_cast<TRightTree*>(this)); *it != nullptr; ++it) nodes.push_back(NodeOf(*it));
  return nodes;
}

TRightNode* TRightTree::Root() const {
  return topLevelItemCount() > 0 ? NodeOf(topLevelItem(0)) : nullptr;
}

TRightNode* TRightTree::FindNodeByID(std::int32_t id) const {
  for (TRightNode* node : Nodes())
    if (node->State.ID == id) return node;
  return nullptr;
}

void TRightTree::ReLoad() {
  setUpdatesEnabled(false);
  clear();
  auto* root = new TRightNode();
  root->setText(0, QStringLiteral("alle Rechte"));
  root->State.State = tsGrNone;
  root->setIcon(0, RightTreeImage(kRootImage));
  addTopLevelItem(root);
  if (fRightList) {
    for (const auto& entry : *fRightList) {
      if (!RightVisible(*entry)) continue;
      // A group that is not shown hides its members: they find no parent.
      TRightNode* parent = entry->GroupID == 0 ? root : FindNodeByID(entry->GroupID);
      if (parent == nullptr) continue;
      auto* node = new TRightNode();
      node->State.Assign(*entry);
      node->setText(0, QString::fromStdString(entry->Name));
      node->setToolTip(0, TooltipOf(*entry));
      parent->addChild(node);
    }
  }
  expandAll();
  setCurrentItem(root);
  scrollToItem(root);
  setUpdatesEnabled(true);
  Reset();
  SetModifyed(false);
}

void TRightTree::Reset() {
  for (TRightNode* node : Nodes()) {
    TStateObj& s = node->State;
    if (s.Right) {
      s.State = tsNone;
      s.Granted = false;
    } else {
      s.State = tsGrNone;
      s.GrState = gesNone;
    }
  }
}

void TRightTree::BeginUpdate() {
  fUpdState = true;
  setUpdatesEnabled(false);
}

void TRightTree::EndUpdate() {
  fUpdState = false;
  setUpdatesEnabled(true);
}

void TRightTree::SetNodeImage(TRightNode* node) { node->setIcon(0, RightTreeImage(NodeImageIndex(node->State))); }

void TRightTree::SetNodeState(TRightNode* node, TTreeState state) {
  node->State.State = state;
  if (!fUpdState) SetNodeImage(node);
}

void TRightTree::SwitchNodeState(TRightNode* node, bool stdDlgActn) {
  if (node == nullptr) return;
  ToggleNode(node, stdDlgActn);
  Change(node);
  emit NodeSwitched(node);
}

void TRightTree::ToggleNode(TRightNode* node, bool stdDlgActn) {
  TStateObj& s = node->State;
  if (s.Right) {
    SetNodeState(node, s.State == tsNone ? tsChecked : tsNone);
    if (stdDlgActn && s.StdDlg) PropagateStdDlg(node);
    UpdateParentNodes(ParentOf(node));
    return;
  }
  const bool wasPartly = s.State == tsGrChkPart;
  s.State = s.State == tsGrNone ? tsGrChecked : tsGrNone;
  const int count = node->childCount();
  if (count == 0) return;
  // Ticking runs forward and unticking backward, so the master-data coupling
  // only meets siblings already switched.
  const bool forward = s.State == tsGrChecked;
  for (int k = 0; k < count; ++k) {
    TRightNode* child = ChildOf(node, forward ? k : count - 1 - k);
    if (child->State.Right && wasPartly) continue;
    ToggleNode(child, stdDlgActn);
  }
  s.GrState = HeldState(node);
  if (!fUpdState) SetNodeImage(node);
}

void TRightTree::PropagateStdDlg(TRightNode* node) {
  QTreeWidgetItem* parent = node->parent();
  if (parent == nullptr) return;
  const int count = parent->childCount();
  if (node->State.State == tsChecked) {
    // A sub-right includes the ones before it.
    for (int i = 0; i < count && ChildOf(parent, i)->State.ID < node->State.ID; ++i)
      SetNodeState(ChildOf(parent, i), tsChecked);
  } else {
    const std::int32_t limit = ChildOf(parent, 0)->State.ID + 5;
    for (int i = parent->indexOfChild(node) + 1; i < count && ChildOf(parent, i)->State.ID < limit; ++i)
      SetNodeState(ChildOf(parent, i), tsNone);
  }
}

void TRightTree::UpdateParentNodes(TRightNode* node) {
  for (; node != nullptr; node = ParentOf(node)) {
    const int count = node->childCount();
    int ticked = 0;
    bool partly = false;
    for (int i = 0; i < count; ++i) {
      const TTreeState state = ChildOf(node, i)->State.State;
      if (state == tsChecked || state == tsGrChecked || state == tsGrChkPart) ++ticked;
      partly = partly || state == tsGrChkPart;
    }
    TStateObj& s = node->State;
    s.State = ticked == 0 ? tsGrNone : (ticked != count || partly) ? tsGrChkPart : tsGrChecked;
    s.GrState = HeldState(node);
    if (!fUpdState) SetNodeImage(node);
  }
}

void TRightTree::CalcGrState(TRightNode* node) {
  if (node->childCount() == 0) return;
  for (int i = 0; i < node->childCount(); ++i)
    if (node->child(i)->childCount() > 0) CalcGrState(ChildOf(node, i));
  node->State.GrState = HeldState(node);
}

void TRightTree::UpdateTreeImages() {
  for (TRightNode* node : Nodes()) {
    if (node->childCount() > 0) CalcGrState(node);
    SetNodeImage(node);
  }
}

void TRightTree::CheckNodeAll(TRightNode* node) { CheckBranch(node, true); }

void TRightTree::CheckNodeNothing(TRightNode* node) { CheckBranch(node, false); }

void TRightTree::CheckBranch(TRightNode* node, bool tick) {
  if (node == nullptr || node->childCount() == 0) return;
  // A whole group in the opposite state is switched as one; a partly ticked
  // one child by child, without the master-data coupling.
  const TTreeState opposite = tick ? tsGrNone : tsGrChecked;
  const TTreeState rightToSwitch = tick ? tsNone : tsChecked;
  if (node->State.State == opposite) {
    SwitchNodeState(node, false);
  } else if (node->State.State == tsGrChkPart) {
    for (int i = 0; i < node->childCount(); ++i) {
      TRightNode* child = ChildOf(node, i);
      if (child->childCount() > 0)
        CheckBranch(child, tick);
      else if (child->State.Right && child->State.State == rightToSwitch)
        SwitchNodeState(child, false);
    }
  }
}

void TRightTree::ChgRight(std::int32_t id, bool allowed) {
  // Only a right not yet in the wanted state is switched: a right stored twice,
  // or already ticked by a master-data sibling, must not be switched back off.
  const auto nodes = Nodes();
  for (std::size_t i = 1; i < nodes.size(); ++i) {
    TRightNode* node = nodes[i];
    if (node->State.Right && node->State.ID == id && (node->State.State == tsChecked) != allowed)
      SwitchNodeState(node, true);
  }
}

std::unique_ptr<rights::TUpdList> TRightTree::GetUpdateList() const {
  auto list = std::make_unique<rights::TUpdList>();
  for (const TRightNode* node : Nodes()) {
    if (!node->State.Right) continue;
    const rights::TCustomRight* entry = fRightList ? fRightList->GetC_RightByID(node->State.ID) : nullptr;
    list->Add(node->State.ID, node->State.State == tsChecked, entry ? entry->Modul : rights::EmptyModulesStr());
  }
  return list;
}

std::uint8_t TRightTree::GetRightState(std::int32_t rightID) const {
  for (const TRightNode* node : Nodes())
    if (node->State.Right && node->State.ID == rightID)
      return static_cast<std::uint8_t>((node->State.State == tsChecked ? 2 : 0) + (node->State.Granted ? 1 : 0));
  return 0;
}

bool TRightTree::Modifyed() const {
  const auto nodes = Nodes();
  for (std::size_t i = 1; i < nodes.size() && i - 1 < StateList.size(); ++i)
    if (nodes[i]->State.State != StateList[i - 1]) return true;
  return false;
}

void TRightTree::SetModifyed(bool value) {
  fChanged = value;
  StateList.clear();
  const auto nodes = Nodes();
  for (std::size_t i = 1; i < nodes.size(); ++i) StateList.push_back(nodes[i]->State.State);
}

void TRightTree::SetViewFilter(const rights::TModulesStr& value) {
  fViewFilter = value;
  ReLoad();
  viewport()->update();
}

void TRightTree::SetAssgnFilter(const rights::TModulesStr& value) {
  fAsgnFilter = value;
  ReLoad();
}

void TRightTree::Change(TRightNode* node) {
  if (node == nullptr) return;
  ShowModulesOf(node);
  EnablePopupActions(node);
}

void TRightTree::ShowModulesOf(TRightNode* node) {
  if (fModulePanels.empty() || !fRightList) return;
  const rights::TCustomRight* entry = fRightList->GetC_RightByID(node->State.ID);
  const rights::TModulesStr modules = entry ? entry->Modul : rights::EmptyModulesStr();
  for (int k = 1; k <= rights::ModuleCount; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    const bool held = at < modules.size() && modules[at] != ' ';
    fModulePanels[at]->setText(held ? QString::fromUtf8(rights::ModuleShortCaptions[k].data()) : QString());
  }
}

QAction* TRightTree::FindPopupAction(int tag) const {
  if (fPopupMenu == nullptr) return nullptr;
  for (QAction* action : fPopupMenu->actions())
    if (action->data().isValid() && action->data().toInt() == tag) return action;
  return nullptr;
}

void TRightTree::EnablePopupActions(TRightNode* node) {
  const bool group = node->childCount() > 0;
  if (QAction* action = FindPopupAction(kTagCheckAll)) action->setEnabled(group && node->State.State != tsGrChecked);
  if (QAction* action = FindPopupAction(kTagCheckNothing)) action->setEnabled(group && node->State.State != tsGrNone);
  EnableExpandActions(node);
}

void TRightTree::EnableExpandActions(TRightNode* node) {
  const bool group = node->childCount() > 0;
  for (const int tag : kTagsExpand)
    if (QAction* action = FindPopupAction(tag)) action->setEnabled(group && !node->isExpanded());
  for (const int tag : kTagsCollapse)
    if (QAction* action = FindPopupAction(tag)) action->setEnabled(group && node->isExpanded());
}

void TRightTree::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  QTreeWidgetItem* item = currentItem();
  if (item == nullptr) return;
  // Only a click on the node's image switches it.
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualItemRect(item);
  option.features |= QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
  option.icon = item->icon(0);
  option.text = item->text(0);
  option.decorationSize = iconSize();
  const QRect image = style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
  const QPoint at = event->position().toPoint();
  if (at.x() >= image.left() && at.x() <= image.right() && option.rect.contains(at)) {
    SwitchNodeState(NodeOf(item), true);
    viewport()->update();
  }
}

void TRightTree::SetStatusBar(QStatusBar* statusBar) {
  for (QLabel* panel : fModulePanels) delete panel;
  fModulePanels.clear();
  fStatusBar = statusBar;
  if (statusBar == nullptr) return;
  statusBar->setMouseTracking(true);
  statusBar->installEventFilter(this);
  for (int k = 1; k <= rights::ModuleCount; ++k) {
    auto* panel = new QLabel(statusBar);
    panel->setObjectName(QStringLiteral("pnModule%1").arg(k));
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedWidth(ModulePanelWidth);
    panel->setMouseTracking(true);
    panel->installEventFilter(this);
    statusBar->addWidget(panel);
    fModulePanels.push_back(panel);
  }
  statusBar->addWidget(new QLabel(statusBar), 1);
}

bool TRightTree::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && fStatusBar != nullptr && !fModulePanels.empty()) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == fStatusBar || (widget != nullptr && widget->parentWidget() == fStatusBar)) {
      const auto* move = static_cast<QMouseEvent*>(event);
      const QPoint inBar = widget->mapTo(fStatusBar, move->position().toPoint());
      StatusBarMouseMove(inBar.x() - fModulePanels.front()->x(), move->globalPosition().toPoint());
    }
  }
  return QTreeWidget::eventFilter(watched, event);
}

void TRightTree::StatusBarMouseMove(int x, const QPoint& globalPos) {
  const int panel = x >= 0 ? x / ModulePanelWidth : -1;
  if (panel >= 0 && panel < rights::ModuleCount) {
    const QString caption = QString::fromUtf8(rights::ModuleCaptions[panel + 1].data());
    fStatusBar->setToolTip(caption);
    QToolTip::showText(globalPos, caption, fStatusBar);
  } else {
    fStatusBar->setToolTip(QString());
    QToolTip::hideText();
  }
}

}  // namespace admin
