#include "admin/adm_pw_dlg.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "admin/password_field.h"
#include "admin/stored_fields.h"
#include "rights/admin_password.h"
#include "ui/button.h"
#include "ui/edits.h"
#include "ui/messages.h"

namespace admin {

namespace {

QLabel* ColouredText(const QString& text, const char* colour, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
  return label;
}

}  // namespace

TAdmPWDlg::TAdmPWDlg(QWidget* parent) : ui::TQVForm(parent) {
  setObjectName(QStringLiteral("AdmPWDlg"));
  setWindowTitle(QStringLiteral("Administrator"));
  setProperty("HelpContext", 1001);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  edPW = new ui::TQVEdit(this);
  edPW->setObjectName(QStringLiteral("edPW"));
  edPW2 = new ui::TQVEdit(this);
  edPW2->setObjectName(QStringLiteral("edPW2"));
  MaskWithStars(edPW);
  MaskWithStars(edPW2);

  auto* fields = new QFormLayout;
  fields->setLabelAlignment(Qt::AlignLeft);
  auto* lbPW = new ui::TQVLabel(QStringLiteral("Passwort:"), this);
  lbPW->setBuddy(edPW);
  auto* lbPW2 = new ui::TQVLabel(QStringLiteral("Wiederholung:"), this);
  lbPW2->setBuddy(edPW2);
  fields->addRow(lbPW, edPW);
  fields->addRow(lbPW2, edPW2);

  auto* ok = new ui::TQVButton(ui::bkOK, QStringLiteral("OK"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->addWidget(ColouredText(QStringLiteral("Geben Sie das Administratorkennwort ein.\n"
                                                "Nur der Administrator kann später Benutzer und Gruppen anlegen\n"
                                                "sowie entsprechende Rechte vergeben oder löschen."),
                                 "navy", this));
  layout->addWidget(ColouredText(QStringLiteral("Das Passwort muß mindestens 6 Zeichen haben.\n"
                                                "Achten Sie auf Groß- bzw. Kleinschreibung."),
                                 "maroon", this));
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  edPW->setFocus();
}

bool TAdmPWDlg::EntriesUsable() {
  if (edPW->text() != edPW2->text()) {
    ui::ShowErrorMessage(QStringLiteral("Die eingegebenen Passworte sind nicht identisch."));
    edPW2->setFocus();
    return false;
  }
  if (!TextStorable("Passwort", edPW->text())) {  // stored altered, it would lock the administrator out
    edPW->setFocus();
    return false;
  }
  if (!rights::ValidAdmPW(edPW->text().toStdString())) {
    ui::ShowErrorMessage(QStringLiteral("Das verwendete Passwort ist ungültig."));
    edPW->setFocus();
    return false;
  }
  return true;
}

void TAdmPWDlg::done(int result) {
  if (result == ui::mrOk && !EntriesUsable()) return;
  ui::TQVForm::done(result);
}

QString AskAdmPW() {
  TAdmPWDlg dialog(QApplication::activeWindow());
  return dialog.exec() == ui::mrOk ? dialog.PasswordEdit()->text() : QString();
}

}  // namespace admin
