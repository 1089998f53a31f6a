// The user panel: name and function, the pages "Anmeldung",
// "Gruppenmitgliedschaft", "Rechte" and "Rechteäquivalenz zu", and the apply button.
#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/main_form.h"
#include "ui/action_guard.h"
#include "ui/page_control.h"

namespace admin {

namespace {

QLineEdit* NewEdit(const char* name, int maxLength, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(maxLength);
  return edit;
}

}  // namespace

QWidget* TMainForm::BuildUserPanel() {
  pUser = new QWidget(this);
  pUser->setObjectName(QStringLiteral("pUser"));
  auto* layout = new QVBoxLayout(pUser);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(BuildUserHead());
  pcUser = new ui::TQVPageControl(pUser);
  pcUser->setObjectName(QStringLiteral("pcUser"));
  pcUser->addTab(BuildUserLogonPage(), QStringLiteral("Anmeldung"));
  pcUser->addTab(BuildRelationPage("lvUSGroups", ac("acUsGrAdd"), ac("acUsGrDel"), lvUSGroups),
                 QStringLiteral("Gruppenmitgliedschaft"));
  pcUser->widget(1)->setObjectName(QStringLiteral("tsUsGroups"));
  pcUser->addTab(BuildRightsPage(true), QStringLiteral("Rechte"));
  pcUser->addTab(BuildRelationPage("lvUsEquals", ac("acUsEqAdd"), ac("acUsEqDel"), lvUsEquals),
                 QStringLiteral("Rechteäquivalenz zu"));
  pcUser->widget(3)->setObjectName(QStringLiteral("tsAEqui"));
  layout->addWidget(pcUser, 1);
  layout->addWidget(BuildApplyStrip("bbUsOK", bbUsOK));
  connect(bbUsOK, &QPushButton::clicked, this, ui::Guarded([this] { ApplyUser(true); }));
  connect(pcUser, &QTabWidget::currentChanged, this, [this](int index) { ui::RunGuarded([=, this] { UserPageChanged(index); }); });
  connect(lvUSGroups, &QTreeWidget::itemSelectionChanged, this,
          [this] { ac("acUsGrDel")->setEnabled(!lvUSGroups->selectedItems().isEmpty()); });
  connect(lvUsEquals, &QTreeWidget::itemSelectionChanged, this,
          [this] { ac("acUsEqDel")->setEnabled(!lvUsEquals->selectedItems().isEmpty()); });
  return pUser;
}

QWidget* TMainForm::BuildUserHead() {
  auto* head = new QWidget(pUser);
  auto* row = new QHBoxLayout(head);
  row->setContentsMargins(0, 0, 0, 0);
  edUsBez = NewEdit("edUsBez", 40, head);
  edFunc = NewEdit("edFunc", 255, head);
  row->addWidget(new QLabel(QStringLiteral("Benutzername:"), head));
  row->addWidget(edUsBez, 1);
  row->addSpacing(12);
  row->addWidget(new QLabel(QStringLiteral("Funktion:"), head));
  row->addWidget(edFunc, 1);
  return head;
}

QWidget* TMainForm::BuildUserLogonPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tsAnmeld"));
  auto* grid = new QGridLayout(page);
  cbLocked = new QCheckBox(QStringLiteral("Benutzerkonto gesperrt"), page);
  cbLocked->setObjectName(QStringLiteral("cbLocked"));
  cbPWExpired = new QCheckBox(QStringLiteral("Passwort abgelaufen"), page);
  cbPWExpired->setObjectName(QStringLiteral("cbPWExpired"));
  edLogin = NewEdit("edLogin", 20, page);
  edLogin->setMinimumWidth(180);
  bbPWChg = new QPushButton(QStringLiteral("Passwort ändern"), page);
  bbPWChg->setObjectName(QStringLiteral("bbPWChg"));
  grid->addWidget(cbLocked, 0, 0, 1, 2);
  grid->addWidget(cbPWExpired, 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Anmeldename:"), page), 2, 0);
  grid->addWidget(edLogin, 2, 1);
  grid->addWidget(bbPWChg, 3, 1, Qt::AlignLeft);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(4, 1);
  connect(bbPWChg, &QPushButton::clicked, this, ui::Guarded([this] { ChangePassword(); }));
  return page;
}

// A tool bar with an add and a remove action above a list of groups or users.
QWidget* TMainForm::BuildRelationPage(const char* listName, QAction* add, QAction* del, QTreeWidget*& list) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* tools = new QToolBar(page);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tools->setIconSize(QSize(16, 16));
  tools->addActions({add, del});
  list = new QTreeWidget(page);
  list->setObjectName(QString::fromLatin1(listName));
  list->setHeaderHidden(true);
  list->setRootIsDecorated(false);
  list->setColumnWidth(0, 500);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(tools);
  layout->addWidget(list, 1);
  return page;
}

QWidget* TMainForm::BuildApplyStrip(const char* buttonName, QPushButton*& button) {
  auto* strip = new QWidget;
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(0, 0, 0, 0);
  row->addStretch(1);
  button = new QPushButton(QStringLiteral("Ü&bernehmen"), strip);
  button->setObjectName(QString::fromLatin1(buttonName));
  button->setEnabled(false);
  button->setDefault(true);
  row->addWidget(button);
  return strip;
}

}  // namespace admin
