// The group panel: the name, the pages "Mitglieder" and "Rechte", and the
// apply button.
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/main_form.h"
#include "ui/action_guard.h"
#include "ui/page_control.h"

namespace admin {

QWidget* TMainForm::BuildGroupPanel() {
  pGroup = new QWidget(this);
  pGroup->setObjectName(QStringLiteral("pGroup"));
  auto* layout = new QVBoxLayout(pGroup);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* head = new QHBoxLayout;
  edGrBez = new QLineEdit(pGroup);
  edGrBez->setObjectName(QStringLiteral("edGrBez"));
  edGrBez->setFixedWidth(284);
  head->addWidget(new QLabel(QStringLiteral("Bezeichnung:"), pGroup));
  head->addWidget(edGrBez);
  head->addStretch(1);
  layout->addLayout(head);

  pcGroups = new ui::TQVPageControl(pGroup);
  pcGroups->setObjectName(QStringLiteral("pcGroups"));
  pcGroups->addTab(BuildRelationPage("lvGrUsers", ac("acGRUSAdd"), ac("acGRUSDel"), lvGrUsers),
                   QStringLiteral("Mitglieder"));
  pcGroups->widget(0)->setObjectName(QStringLiteral("tsMembers"));
  pcGroups->addTab(BuildRightsPage(false), QStringLiteral("Rechte"));
  layout->addWidget(pcGroups, 1);
  layout->addWidget(BuildApplyStrip("bbGrOK", bbGrOK));
  connect(bbGrOK, &QPushButton::clicked, this, ui::Guarded([this] { ApplyGroup(); }));
  connect(lvGrUsers, &QTreeWidget::itemSelectionChanged, this,
          [this] { ac("acGRUSDel")->setEnabled(!lvGrUsers->selectedItems().isEmpty()); });
  return pGroup;
}

}  // namespace admin
