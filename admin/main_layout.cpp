// The window's layout: menu and tool bar, the module view filter bar, the
// group tree and user list on the left, the user and group panels on the right.
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/main_form.h"
#include "admin/module_boxes.h"
#include "admin/right_tree.h"
#include "ui/modify_watch.h"

namespace admin {

namespace {

QTreeWidget* NewList(const char* name, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setHeaderHidden(true);
  list->setRootIsDecorated(false);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return list;
}

}  // namespace

void TMainForm::BuildLayout() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(0, 0, 0, 0);
  root->setSpacing(0);
  CreateActions();
  CreateMenus();
  root->addWidget(CreateToolBar());
  root->addWidget(BuildFilterBar());

  auto* split = new QSplitter(Qt::Horizontal, this);
  split->setObjectName(QStringLiteral("splMain"));
  split->addWidget(BuildLeftColumn());
  pRightClient = new QWidget(split);
  pRightClient->setObjectName(QStringLiteral("pRightClient"));
  auto* right = new QVBoxLayout(pRightClient);
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(BuildGroupPanel());
  right->addWidget(BuildUserPanel());
  split->addWidget(pRightClient);
  split->setStretchFactor(1, 1);
  split->setSizes({154, 808});
  root->addWidget(split, 1);
  CreatePopupMenus();
  HidePanels();
}

QWidget* TMainForm::BuildFilterBar() {
  pProjects = new QWidget(this);
  pProjects->setObjectName(QStringLiteral("pProjects"));
  pProjects->setFixedHeight(26);
  auto* bar = new QHBoxLayout(pProjects);
  bar->setContentsMargins(6, 0, 6, 0);
  bar->addWidget(new QLabel(QStringLiteral("Diese Module anzeigen:"), pProjects));
  AddModuleBoxes(pProjects, 0);
  TickPanelModules(pProjects, rights::AllModulesStr());
  bar->addStretch(1);
  return pProjects;
}

QWidget* TMainForm::BuildLeftColumn() {
  auto* column = new QSplitter(Qt::Vertical, this);
  column->setObjectName(QStringLiteral("pGrp_Usr"));
  trGroups = NewList("trGroups", column);
  trGroups->setRootIsDecorated(false);
  trGroups->setIndentation(19);
  column->addWidget(trGroups);

  auto* usersBox = new QWidget(column);
  auto* users = new QVBoxLayout(usersBox);
  users->setContentsMargins(0, 0, 0, 0);
  users->setSpacing(2);
  auto* header = new QLabel(QStringLiteral("Benutzer"), usersBox);
  header->setObjectName(QStringLiteral("lbUser"));
  header->setContentsMargins(4, 2, 4, 2);
  users->addWidget(header);
  lvUser = NewList("lvUser", usersBox);
  users->addWidget(lvUser, 1);
  column->addWidget(usersBox);
  column->setSizes({179, 400});

  connect(trGroups, &QTreeWidget::itemSelectionChanged, this, [this] { GroupNodeSelected(); });
  connect(lvUser, &QTreeWidget::itemSelectionChanged, this, [this] { UserSelected(); });
  trGroups->installEventFilter(this);
  lvUser->installEventFilter(this);
  return column;
}

void TMainForm::BuildTrackers() {
  const auto makeWatch = [this](QWidget* at) {
    auto* watch = new ui::TQVModifyWatch(this);
    watch->SetWatchAt(at);
    return watch;
  };
  mwUser = makeWatch(pUser);
  mwGroup = makeWatch(pGroup);
  mwUSPr = makeWatch(pUsProjects);
  mwGrPr = makeWatch(pGrProjects);
  mwProjects = makeWatch(pProjects);
  mwUser->OnChangedCheck = [this](QWidget* control, ui::TWCIsChanged& changed) {
    if (control == wcUSPr.get()) changed = wcUSPr->Modified() ? ui::wcTrue : ui::wcFalse;
    if (control == tvUsRights || control == tvUSAllgRights)
      changed = static_cast<TRightTree*>(control)->Modifyed() ? ui::wcTrue : ui::wcFalse;
    if (control == bbPWChg) changed = fNewPW.isEmpty() ? ui::wcFalse : ui::wcTrue;
  };
  mwGroup->OnChangedCheck = [this](QWidget* control, ui::TWCIsChanged& changed) {
    if (control == wcGRPr.get()) changed = wcGRPr->Modified() ? ui::wcTrue : ui::wcFalse;
    if (control == tvGrRights || control == tvGrAllgRights)
      changed = static_cast<TRightTree*>(control)->Modifyed() ? ui::wcTrue : ui::wcFalse;
  };
}

}  // namespace admin
