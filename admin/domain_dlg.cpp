#include "admin/domain_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "admin/stored_fields.h"
#include "ui/button.h"
#include "ui/edits.h"
#include "ui/modify_watch.h"

namespace admin {

namespace {

// The header keeps 24 characters: the field takes no more, so what is shown is what is stored.
constexpr int kDomainInputLength = 24;

QLabel* InfoText(QWidget* parent) {
  auto* info = new QLabel(QStringLiteral(" Windows Domänenbenutzer müssen sich nicht nochmals anmelden.\n"
                                         " Es wird der Domänenanmeldung vertraut."),
                          parent);
  info->setFrameShape(QFrame::Panel);
  info->setFrameShadow(QFrame::Sunken);
  info->setAutoFillBackground(true);
  info->setBackgroundRole(QPalette::ToolTipBase);
  info->setForegroundRole(QPalette::ToolTipText);
  info->setMargin(4);
  return info;
}

}  // namespace

TfmDomain::TfmDomain(QWidget* parent) : ui::TSavePosForm(parent) {
  setObjectName(QStringLiteral("fmDomain"));
  setWindowTitle(QStringLiteral("Windows Domäne"));
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

  auto* panel = new QWidget(this);
  edDomain = new ui::TQVEdit(panel);
  edDomain->setObjectName(QStringLiteral("edDomain"));
  edDomain->SetMaxLength(kDomainInputLength);
  connect(edDomain, &QLineEdit::textEdited, this, &TfmDomain::ForceLowerCase);
  auto* lbDomain = new ui::TQVLabel(QStringLiteral("Windows Domäne :"), panel);
  lbDomain->setBuddy(edDomain);
  chkTrust = new QCheckBox(QStringLiteral("Vertrauen "), panel);
  chkTrust->setObjectName(QStringLiteral("chkTrust"));
  auto* fields = new QGridLayout(panel);
  fields->setContentsMargins(0, 0, 0, 0);
  fields->addWidget(lbDomain, 0, 0);
  fields->addWidget(edDomain, 0, 1);
  fields->addWidget(chkTrust, 1, 1);

  bbOK = new ui::TQVButton(ui::bkOK, QStringLiteral("Ü&bernehmen"), this);
  bbOK->setObjectName(QStringLiteral("bbOK"));
  auto* close = new ui::TQVButton(ui::bkClose, QStringLiteral("&Schließen"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(bbOK);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(InfoText(this));
  layout->addWidget(panel);
  layout->addStretch();
  layout->addLayout(buttons);

  mw = new ui::TQVModifyWatch(this);
  mw->SetWatchAt(panel);
}

void TfmDomain::ForceLowerCase() {
  const int cursor = edDomain->cursorPosition();
  edDomain->setText(edDomain->text().toLower());
  edDomain->setCursorPosition(cursor);
}

void TfmDomain::LoadFrom(const rights::TRechteDatei& rechteDatei) {
  chkTrust->setChecked(rechteDatei.TrustDomainUser());
  edDomain->setText(QString::fromStdString(rechteDatei.winDomain()).toLower());
  mw->SetInitialize(false);
  mw->LoadValues();
  ActionUpdate();
}

void TfmDomain::StoreTo(rights::TRechteDatei& rechteDatei) const {
  rechteDatei.SetTrustDomainUser(chkTrust->isChecked());
  rechteDatei.SetWinDomain(edDomain->text().toLower().toStdString());
}

void TfmDomain::ActionUpdate() { bbOK->setEnabled(mw->Modified()); }

void TfmDomain::done(int result) {
  if (result == ui::mrOk && !FieldsStorable({{"Domäne", edDomain}})) return;
  ui::TSavePosForm::done(result);
}

bool EditDomain(rights::TRechteDatei& rechteDatei) {
  TfmDomain dialog(QApplication::activeWindow());
  dialog.LoadFrom(rechteDatei);
  if (dialog.exec() != ui::mrOk) return false;
  dialog.StoreTo(rechteDatei);
  return true;
}

}  // namespace admin
