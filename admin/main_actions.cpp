// The window's actions, its menu bar, tool bar and popup menus.
#include <QAction>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "admin/main_form.h"
#include "admin/right_tree.h"
#include "ui/action_guard.h"

namespace admin {

namespace {

void CollapseAll(QTreeWidgetItem* item) {
  for (int i = 0; i < item->childCount(); ++i) CollapseAll(item->child(i));
  item->setExpanded(false);
}

// The tree popup actions on the selected node; nothing without one.
void TreeAction(TRightTree* tree, int tag) {
  TRightNode* node = TRightTree::NodeOf(tree->currentItem());
  if (!node) return;
  switch (tag) {
    case 11: tree->CheckNodeAll(node); break;
    case 12: tree->CheckNodeNothing(node); break;
    case 21: node->setExpanded(true); break;
    case 22: tree->expandRecursively(tree->indexFromItem(node)); break;
    case 23: node->setExpanded(false); break;
    default: CollapseAll(node); break;
  }
}

void AttachPopup(QWidget* widget, QMenu* menu) {
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                   [widget, menu](const QPoint& pos) { menu->popup(widget->mapToGlobal(pos)); });
}

}  // namespace

QAction* TMainForm::NewAction(const char* name, const QString& caption, const QString& hint, int tag) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setData(tag);
  if (!hint.isEmpty()) {
    action->setToolTip(hint);
    action->setStatusTip(hint);
  }
  fActions.insert(action->objectName(), action);
  return action;
}

void TMainForm::CreateActions() {
  NewAction("acSave", QStringLiteral("&Speichern"), QStringLiteral("Alle Änderungen speichern"));
  NewAction("acReload", QStringLiteral("&Neu Laden"), QStringLiteral("Rechteinformationen neu laden"));
  NewAction("acRightsActive", QStringLiteral("Re&chteverwaltung aktiv"))->setCheckable(true);
  NewAction("acDomainSettings", QStringLiteral("&Windows Domäne"));
  NewAction("acListe", QStringLiteral("&Rechte-Liste"))->setEnabled(false);
  QAction* close = NewAction("acClose", QStringLiteral("&Beenden"), QStringLiteral("Programm beenden"));
  close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  NewAction("acNewUser", QStringLiteral("&Benutzer"), QStringLiteral("Neuen Benutzer anlegen"));
  NewAction("acNewUsfromTemplate", QStringLiteral("B&enutzer aus Vorlage"),
            QStringLiteral("Neuen Benutzer aus der Template-Vorlage anlegen"));
  NewAction("acDelUser", QStringLiteral("&Löschen"), QStringLiteral("Benutzer löschen"));
  NewAction("acPrintUsRights", QStringLiteral("&Rechte anzeigen/drucken"))->setEnabled(false);
  NewAction("acNewGroup", QStringLiteral("&Gruppe"), QStringLiteral("Neue Gruppe anlegen"));
  NewAction("acDelGroup", QStringLiteral("&Löschen"), QStringLiteral("Gruppe löschen"));
  NewAction("acInetUpd", QStringLiteral("&Internet-Update"))->setEnabled(false);
  NewAction("acHelp", QStringLiteral("&Hilfe"));
  NewAction("acInfo", QStringLiteral("&Info"));
  NewAction("acGRUSAdd", QStringLiteral("&Benutzer hinzufügen"));
  NewAction("acGRUSDel", QStringLiteral("B&enutzer entfernen"))->setEnabled(false);
  NewAction("acUsGrAdd", QStringLiteral("&zu Gruppe hinzufügen"));
  NewAction("acUsGrDel", QStringLiteral("&aus Gruppe löschen"))->setEnabled(false);
  NewAction("acUsEqAdd", QStringLiteral("Ä&quivalenz hinzufügen"));
  NewAction("acUsEqDel", QStringLiteral("Äq&uivalenz entfernen"))->setEnabled(false);
  SetActionImages();
  ConnectActions();
}

// The images of the main image list, from the style's standard set.
void TMainForm::SetActionImages() {
  static const std::pair<const char*, QStyle::StandardPixmap> kImages[] = {
      {"acSave", QStyle::SP_DialogSaveButton},        {"acReload", QStyle::SP_BrowserReload},
      {"acDomainSettings", QStyle::SP_DriveNetIcon},  {"acListe", QStyle::SP_FileDialogListView},
      {"acClose", QStyle::SP_DialogCloseButton},      {"acNewUser", QStyle::SP_FileIcon},
      {"acNewUsfromTemplate", QStyle::SP_FileDialogDetailedView},
      {"acDelUser", QStyle::SP_TrashIcon},            {"acPrintUsRights", QStyle::SP_FileDialogContentsView},
      {"acNewGroup", QStyle::SP_DirIcon},             {"acDelGroup", QStyle::SP_TrashIcon},
      {"acInetUpd", QStyle::SP_ArrowDown},            {"acHelp", QStyle::SP_DialogHelpButton},
      {"acInfo", QStyle::SP_MessageBoxInformation},   {"acGRUSAdd", QStyle::SP_ArrowRight},
      {"acGRUSDel", QStyle::SP_ArrowLeft},            {"acUsGrAdd", QStyle::SP_ArrowRight},
      {"acUsGrDel", QStyle::SP_ArrowLeft},            {"acUsEqAdd", QStyle::SP_ArrowRight},
      {"acUsEqDel", QStyle::SP_ArrowLeft},
  };
  for (const auto& [name, pixmap] : kImages) ac(name)->setIcon(style()->standardIcon(pixmap));
}

void TMainForm::OnAction(QAction* action, void (TMainForm::*handler)()) {
  connect(action, &QAction::triggered, this, ui::Guarded([this, action, handler] {
            BeforeAction(action);
            (this->*handler)();
          }));
}

void TMainForm::ConnectActions() {
  OnAction(ac("acSave"), &TMainForm::Save);
  OnAction(ac("acReload"), &TMainForm::Reload);
  OnAction(ac("acRightsActive"), &TMainForm::ToggleRightsActive);
  OnAction(ac("acDomainSettings"), &TMainForm::DomainSettings);
  OnAction(ac("acClose"), &TMainForm::CloseWindow);
  OnAction(ac("acNewUser"), &TMainForm::NewUser);
  OnAction(ac("acNewUsfromTemplate"), &TMainForm::NewUserFromTemplate);
  OnAction(ac("acDelUser"), &TMainForm::DelUser);
  OnAction(ac("acNewGroup"), &TMainForm::NewGroup);
  OnAction(ac("acDelGroup"), &TMainForm::DelGroup);
  OnAction(ac("acHelp"), &TMainForm::ShowHelp);
  OnAction(ac("acInfo"), &TMainForm::ShowInfo);
  OnAction(ac("acGRUSAdd"), &TMainForm::AddGroupUsers);
  OnAction(ac("acGRUSDel"), &TMainForm::DelGroupUsers);
  OnAction(ac("acUsGrAdd"), &TMainForm::AddUserToGroups);
  OnAction(ac("acUsGrDel"), &TMainForm::DelUserFromGroups);
  OnAction(ac("acUsEqAdd"), &TMainForm::AddEquivalences);
  OnAction(ac("acUsEqDel"), &TMainForm::DelEquivalences);
}

// The action manager's hook: unapplied user edits are settled before any
// ordinary action; the tree popup actions (tags 11..24) do not ask.
void TMainForm::BeforeAction(QAction* action) {
  if (action->data().toInt() == 0 && UserPending()) AskApplyUser();
}

void TMainForm::CreateMenus() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName(QStringLiteral("actbMenu"));
  QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
  file->addActions({ac("acSave"), ac("acReload"), ac("acRightsActive"), ac("acDomainSettings")});
  file->addSeparator();
  file->addAction(ac("acListe"));
  file->addSeparator();
  file->addAction(ac("acClose"));
  QMenu* users = bar->addMenu(QStringLiteral("&Benutzer"));
  users->addActions({ac("acNewUser"), ac("acNewUsfromTemplate"), ac("acDelUser")});
  users->addSeparator();
  users->addAction(ac("acPrintUsRights"));
  QMenu* groups = bar->addMenu(QStringLiteral("&Gruppe"));
  groups->addActions({ac("acNewGroup"), ac("acDelGroup")});
  bar->addSeparator();
  bar->addMenu(QStringLiteral("&Spezial"))->addAction(ac("acInetUpd"));
  bar->addMenu(QStringLiteral("&Info"))->addActions({ac("acHelp"), ac("acInfo")});
  layout()->setMenuBar(bar);
}

QToolBar* TMainForm::CreateToolBar() {
  auto* tools = new QToolBar(this);
  tools->setObjectName(QStringLiteral("actbTools"));
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tools->setIconSize(QSize(16, 16));
  tools->addActions({ac("acClose"), ac("acSave")});
  tools->addSeparator();
  tools->addActions({ac("acNewUser"), ac("acNewUsfromTemplate"), ac("acNewGroup")});
  return tools;
}

QMenu* TMainForm::TreePopup(const char* name, TRightTree* tree, bool user) {
  auto* menu = new QMenu(this);
  menu->setObjectName(QString::fromLatin1(name));
  const QString prefix = user ? QStringLiteral("acUs") : QStringLiteral("acGr");
  struct TTreeAction {
    const char* suffix;
    const char* caption;
    int tag;
  };
  static const TTreeAction kTreeActions[] = {
      {"CheckAll", "alle Rechte des Zweigs erteilen", 11}, {"CheckNo", "alle Rechte des Zweigs entziehen", 12},
      {"Expand", "Erweitern", 21},     {"ExpandAll", "alle Erweitern", 22},
      {"Collapse", "Reduzieren", 23},  {"CollapseAll", "alle Reduzieren", 24},
  };
  for (const TTreeAction& entry : kTreeActions) {
    const QByteArray actionName = (prefix + QString::fromLatin1(entry.suffix)).toLatin1();
    QAction* action = NewAction(actionName.constData(), QString::fromUtf8(entry.caption), {}, entry.tag);
    if (entry.tag == 21) menu->addSeparator();
    menu->addAction(action);
    connect(action, &QAction::triggered, tree, ui::Guarded([tree, tag = entry.tag] { TreeAction(tree, tag); }));
  }
  if (user) {
    menu->addSeparator();
    menu->addAction(ac("acPrintUsRights"));
  }
  // Opening the menu runs the idle update first.
  connect(menu, &QMenu::aboutToShow, this, [this] { updateActions(); });
  tree->SetPopupMenu(menu);
  AttachPopup(tree, menu);
  return menu;
}

void TMainForm::CreatePopupMenus() {
  auto* groups = new QMenu(this);
  groups->setObjectName(QStringLiteral("pmGroups"));
  groups->addAction(QStringLiteral("Neu"), ac("acNewGroup"), &QAction::trigger);
  groups->addAction(QStringLiteral("Löschen"), ac("acDelGroup"), &QAction::trigger);
  AttachPopup(trGroups, groups);
  auto* users = new QMenu(this);
  users->setObjectName(QStringLiteral("pmUsers"));
  users->addAction(QStringLiteral("Neu"), ac("acNewUser"), &QAction::trigger);
  users->addAction(QStringLiteral("Neu aus Vorlage"), ac("acNewUsfromTemplate"), &QAction::trigger);
  users->addAction(QStringLiteral("Löschen"), ac("acDelUser"), &QAction::trigger);
  AttachPopup(lvUser, users);
  auto* clients = new QMenu(this);
  clients->setObjectName(QStringLiteral("pmUSMand"));
  clients->addAction(ac("acPrintUsRights"));
  AttachPopup(lvUsMand, clients);
  pmUsRights = TreePopup("pmUsRights", tvUsRights, true);
  pmGrRights = TreePopup("pmGrRights", tvGrRights, false);
}

}  // namespace admin
