// Creation of the administration window, its idle update and the helpers
// both panels share.
#include "admin/main_form.h"

#include <QAction>
#include <QApplication>
#include <QShortcut>
#include <QEvent>
#include <QFocusEvent>
#include <QPushButton>
#include <QTreeWidget>

#include "admin/module_boxes.h"
#include "admin/right_tree.h"
#include "ui/action_guard.h"
#include "ui/help.h"
#include "ui/modify_watch.h"
#include "ui/page_control.h"

namespace admin {

TMainForm::TMainForm(QWidget* parent) : ui::TSavePosForm(parent) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Velmora Rechteverwaltung"));
  setWindowFlag(Qt::WindowMinMaxButtonsHint);
  BuildLayout();
  BuildTrackers();
  SetHelpContexts();
  // F1 opens the help of the focused panel or page.
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
    QWidget* focus = QApplication::focusWidget();
    ui::ShowHelpContext(ui::HelpContextOf(focus && isAncestorOf(focus) ? focus : this));
  });
  resize(962, 607);
  // Nothing is loaded until the empty window has been shown.
  SetSingleIdleProc([this] { StartUp(); });
}

TMainForm::~TMainForm() = default;

QString TMainForm::RightsFileName() const { return QString::fromStdString(clients::SettingsDir()) + "QVRights.qxr"; }

void TMainForm::SetHelpContexts() {
  setProperty("HelpContext", 1015);
  pUser->setProperty("HelpContext", 1005);
  pGroup->setProperty("HelpContext", 1005);
  pcUser->widget(1)->setProperty("HelpContext", 1030);
  pcUser->widget(2)->setProperty("HelpContext", 1035);
  pcGroups->widget(1)->setProperty("HelpContext", 1035);
  pUsMandRI->setProperty("HelpContext", 1040);
  pGRMandRI->setProperty("HelpContext", 1040);
}

bool TMainForm::UserPending() { return mwUser->Initialize() && mwUser->Modified(); }
bool TMainForm::GroupPending() { return mwGroup->Initialize() && mwGroup->Modified(); }

void TMainForm::ActionUpdate() {
  if (!fRechteDatei) return;
  if (mwUSPr->Initialize() && mwUSPr->Modified()) ProjectsChanged(true, true);
  if (mwGrPr->Initialize() && mwGrPr->Modified()) ProjectsChanged(false, true);
  if (mwProjects->Initialize() && mwProjects->Modified()) ViewFilterChanged();
  ac("acGRUSAdd")->setEnabled(fAktGroup != nullptr);
  ac("acUsGrAdd")->setEnabled(fAktUser != nullptr);
  ac("acUsEqAdd")->setEnabled(fAktUser != nullptr);
  bbGrOK->setEnabled(GroupPending());
  bbUsOK->setEnabled(UserPending());
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // Entering the user list or the group tree settles pending edits first.
  // A window that becomes active again or a closed popup is no entering.
  const auto reason = event->type() == QEvent::FocusIn ? static_cast<QFocusEvent*>(event)->reason() : Qt::OtherFocusReason;
  if (event->type() == QEvent::FocusIn && fRechteDatei && reason != Qt::ActiveWindowFocusReason &&
      reason != Qt::PopupFocusReason) {
    if (watched == lvUser) ui::RunGuarded([this] { UserListEntered(); });
    if (watched == trGroups) ui::RunGuarded([this] { GroupTreeEntered(); });
  }
  return ui::TSavePosForm::eventFilter(watched, event);
}

void TMainForm::HidePanels() {
  pUser->hide();
  pGroup->hide();
}

std::vector<std::int32_t> TMainForm::SelectedIDs(QTreeWidget* list) const {
  std::vector<std::int32_t> ids;
  for (QTreeWidgetItem* item : list->selectedItems()) ids.push_back(item->data(0, Qt::UserRole).toInt());
  return ids;
}

std::vector<std::int32_t> TMainForm::RowIDs(const QTreeWidget* list) const {
  std::vector<std::int32_t> ids;
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    ids.push_back(list->topLevelItem(i)->data(0, Qt::UserRole).toInt());
  return ids;
}

}  // namespace admin
