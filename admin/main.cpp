// rightsadmin: the administration program of the suite's user rights.
#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "admin/main_form.h"
#include "clients/paths.h"
#include "ui/application_setup.h"
#include "ui/help.h"

int main(int argc, char** argv) {
  // The folders first: a failure there ends the program after its message.
  clients::InitPaths();
  QApplication application(argc, argv);
  ui::InitApplication(application);
  ui::SetHelpHandler([](int context) {
    const QString page = QStringLiteral(QXR_HELP_DIR "/%1.html").arg(context);
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
  });
  admin::TMainForm form;
  form.show();
  return application.exec();
}
