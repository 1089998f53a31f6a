// The sample window of the form framework.
//   uidemo                         shows it
//   uidemo --grab FILE [--page N] [--enlarge]
//                                  saves a picture of it (after changing a
//                                  field, so the change tracking shows;
//                                  enlarged by half as Ctrl+Alt+Z does)
//   uidemo --grab-question FILE    saves a picture of a question box
//   uidemo --grab-folder FILE      saves a picture of Qt's folder dialog
// Run under xvfb-run for the pictures in docs/screenshots.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileDialog>
#include <QTimer>

#include "sample_form.h"
#include "ui/application_setup.h"
#include "ui/create_form.h"
#include "ui/edits.h"
#include "ui/messages.h"
#include "ui/page_control.h"

namespace {

// Saves a picture of the modal window on top, else of `window`, once events
// have settled; then closes it and ends the program.
void GrabLater(const QString& file, QWidget* window) {
  QTimer::singleShot(400, [file, window] {
    QWidget* top = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : window;
    if (top) {
      top->grab().save(file);
      top->close();
    }
    QApplication::exit(0);
  });
}

void MarkChanges(TSampleForm& form) {
  form.findChild<ui::TQVEdit*>(QStringLiteral("edLogin"))->setText(QStringLiteral("josef.huber"));
  form.findChild<QWidget*>(QStringLiteral("edRate"))->setFocus();
  form.updateActions();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Benutzerrechte"));
  ui::InitApplication(application);

  QCommandLineParser parser;
  const QCommandLineOption grab("grab", "Picture of the sample window.", "file");
  const QCommandLineOption page("page", "Page shown in the picture.", "index", "0");
  const QCommandLineOption enlarge("enlarge", "Enlarge the window by half first.");
  const QCommandLineOption grabQuestion("grab-question", "Picture of a question.", "file");
  const QCommandLineOption grabFolder("grab-folder", "Picture of the folder dialog.", "file");
  parser.addOptions({grab, page, enlarge, grabQuestion, grabFolder});
  parser.addHelpOption();
  parser.process(application);

  std::unique_ptr<TSampleForm> form(ui::CreateFormInstance<TSampleForm>(nullptr));
  const bool grabbing = parser.isSet(grab) || parser.isSet(grabQuestion) || parser.isSet(grabFolder);
  form->SetSavePosition(!grabbing);
  form->show();
  if (parser.isSet(grabQuestion)) {
    GrabLater(parser.value(grabQuestion), form.get());
    ui::AskYesNoCancel(QStringLiteral("Die Angaben zu „Huber, Josef“ wurden geändert.\rSollen sie übernommen werden?"));
    return 0;
  }
  if (parser.isSet(grabFolder)) {
    GrabLater(parser.value(grabFolder), form.get());
    QFileDialog::getExistingDirectory(form.get(), QStringLiteral("Verzeichnis wählen"), QStringLiteral("/usr/share"),
                                      QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    return 0;
  }
  if (parser.isSet(grab)) {
    form->Pages()->setCurrentIndex(parser.value(page).toInt());
    if (parser.isSet(enlarge)) form->ChangeScale(144, 96);
    QTimer::singleShot(100, [&form] { MarkChanges(*form); });
    GrabLater(parser.value(grab), form.get());
  }
  return application.exec();
}
