// The page "Rechte" of both panels: the client list on the left, on the right
// either the module boxes with the rights tree of the client or the general
// client rights.
#include <QHeaderView>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QHBoxLayout>

#include "admin/main_form.h"
#include "admin/module_boxes.h"
#include "admin/right_tree.h"
#include "ui/action_guard.h"
#include "ui/status_bar.h"

namespace admin {

namespace {

QWidget* NewPanel(const QString& name, QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  return panel;
}

QTreeWidget* NewMandList(const QString& name, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setRootIsDecorated(false);
  list->setHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Mandant")});
  list->setColumnWidth(0, 45);
  list->setColumnWidth(1, 130);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setMinimumWidth(120);
  return list;
}

}  // namespace

QWidget* TMainForm::BuildRightsPage(bool user) {
  const QString us = user ? QStringLiteral("Us") : QStringLiteral("Gr");
  auto* page = new QSplitter(Qt::Horizontal);
  page->setObjectName(user ? QStringLiteral("tsUsRights") : QStringLiteral("tsGrRights"));
  page->setChildrenCollapsible(false);
  QTreeWidget* mandList = NewMandList(QStringLiteral("lv%1Mand").arg(us), page);

  auto* right = NewPanel(QStringLiteral("p%1MandArea").arg(us), page);
  QWidget* mandRI = NewPanel(user ? QStringLiteral("pUsMandRI") : QStringLiteral("pGRMandRI"), right);
  auto* projects = new QWidget(mandRI);
  projects->setObjectName(QStringLiteral("p%1Projects").arg(us));
  auto* boxes = new QHBoxLayout(projects);
  boxes->setContentsMargins(4, 2, 4, 2);
  AddModuleBoxes(projects, user ? 1 : 2);
  boxes->addStretch(1);
  auto* tree = new TRightTree(mandRI);
  tree->setObjectName(QStringLiteral("tv%1Rights").arg(us));
  auto* status = new ui::TQVStatusBar(mandRI);
  status->setObjectName(user ? QStringLiteral("sbUserRights") : QStringLiteral("sbGroupRights"));
  status->setSizeGripEnabled(false);
  tree->SetStatusBar(status);
  mandRI->layout()->addWidget(projects);
  mandRI->layout()->addWidget(tree);
  mandRI->layout()->addWidget(status);

  QWidget* allgRI = NewPanel(user ? QStringLiteral("pUSAllgMandRI") : QStringLiteral("pGRAllgMandRI"), right);
  auto* allgTree = new TRightTree(allgRI);
  allgTree->setObjectName(user ? QStringLiteral("tvUSAllgRights") : QStringLiteral("tvGrAllgRights"));
  allgRI->layout()->addWidget(allgTree);
  right->layout()->addWidget(mandRI);
  right->layout()->addWidget(allgRI);
  mandRI->hide();
  allgRI->hide();
  page->setStretchFactor(0, 0);
  page->setStretchFactor(1, 1);
  page->setSizes({199, 600});

  connect(mandList, &QTreeWidget::currentItemChanged, this,
          [this, user](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
            ui::RunGuarded([&] { MandSelected(user, current, previous); });
          });
  (user ? lvUsMand : lvGrMand) = mandList;
  (user ? pUsMandRI : pGRMandRI) = mandRI;
  (user ? pUsProjects : pGrProjects) = projects;
  (user ? tvUsRights : tvGrRights) = tree;
  (user ? sbUserRights : sbGroupRights) = status;
  (user ? pUSAllgMandRI : pGRAllgMandRI) = allgRI;
  (user ? tvUSAllgRights : tvGrAllgRights) = allgTree;
  return page;
}

}  // namespace admin
