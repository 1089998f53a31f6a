// Renders the sign-in dialog and the small dialogs into PNGs for the
// documentation: dialog_shots OUTDIR
#include <QApplication>
#include <QDir>
#include <QTreeWidget>

#include "admin/adm_pw_dlg.h"
#include "admin/domain_dlg.h"
#include "admin/group_dlg.h"
#include "admin/login_dlg.h"
#include "ui/edits.h"
#include "ui/list_view.h"

namespace {

bool Grab(QWidget& dialog, const QString& file) {
  dialog.show();
  QApplication::processEvents();
  if (auto* form = qobject_cast<ui::TQVForm*>(&dialog)) form->updateActions();
  QApplication::processEvents();
  return dialog.grab().save(file);
}

rights::TRechteDatei SampleFile() {
  rights::TRechteDatei rd("demo.dat");
  for (const char* name : {"Admin", "Vorlage"}) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Bez = name;
    rd.UserList().AddItem(std::move(user));
  }
  for (const char* name : {"Buchhaltung", "Vertrieb", "Lager", "Geschäftsleitung", "Personalbüro"}) {
    auto group = std::make_unique<rights::TFIGroup>();
    group->Bez = name;
    rd.GroupList().AddItem(std::move(group));
  }
  rd.SetWinDomain("firma.local");
  rd.SetTrustDomainUser(true);
  return rd;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  const QDir out(QString::fromLocal8Bit(argv[1]));
  bool ok = true;

  admin::TQVLoginDlg login(QByteArray("key"));
  login.SetAdminMode(true);
  login.PasswordEdit()->setText(QStringLiteral("geheim"));
  ok &= Grab(login, out.filePath(QStringLiteral("anmeldung.png")));

  admin::TQVLoginDlg oneTime(QByteArray("key"));
  oneTime.StartOneTimeLogin();
  ok &= Grab(oneTime, out.filePath(QStringLiteral("anmeldung-einmal-login.png")));

  admin::TAdmPWDlg admPW;
  admPW.PasswordEdit()->setText(QStringLiteral("geheim1"));
  ok &= Grab(admPW, out.filePath(QStringLiteral("administratorkennwort.png")));

  const rights::TRechteDatei rd = SampleFile();
  QTreeWidget listed;
  (new QTreeWidgetItem(&listed, {"Lager"}))->setData(0, Qt::UserRole, 3);
  admin::TQXGroupDlg select(false, rd, &listed, 0);
  select.updateActions();
  select.List()->topLevelItem(1)->setCheckState(0, Qt::Checked);
  select.List()->setCurrentItem(select.List()->topLevelItem(1));
  ok &= Grab(select, out.filePath(QStringLiteral("auswahl-gruppen.png")));

  admin::TfmDomain domain;
  domain.LoadFrom(rd);
  ok &= Grab(domain, out.filePath(QStringLiteral("domaene.png")));
  return ok ? 0 : 1;
}
