// report_demo: opens a generated report of many pages in the preview.
// With --shots DIR it instead writes the preview and progress screenshots.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLineEdit>
#include <QSplitter>
#include <QTimer>

#include "reports/demo/sample_report.h"
#include "reports/export_filter.h"
#include "reports/page_store.h"
#include "reports/preview.h"
#include "reports/progress_form.h"
#include "reports/report_preview.h"
#include "ui/application_setup.h"

namespace {

void Settle(int ms = 200) {
  QTimer wait;
  wait.setSingleShot(true);
  QEventLoop loop;
  QObject::connect(&wait, &QTimer::timeout, &loop, &QEventLoop::quit);
  wait.start(ms);
  loop.exec();
}

bool Shot(QWidget& window, const QDir& dir, const QString& name) {
  Settle();
  return window.grab().save(dir.filePath(name));
}

int TakeShots(const QDir& dir, int rows) {
  using namespace reports;
  RegisterStandardExportFilters();
  const TQRReport report = SampleReport(rows);
  TQRPageStore store;
  store.Begin(report.Frame());
  std::unique_ptr<TQRStandardPreview> preview(TQRStandardPreview::CreatePreview(nullptr, &store));
  preview->resize(1100, 800);
  preview->show();
  preview->spMain->setSizes({250, 850});
  preview->PrepareInside([&](const std::function<void()>& yield) { report.Prepare(store, yield); });
  preview->updateActions();
  preview->SelectPage(2);
  bool ok = Shot(*preview, dir, "report-preview.png");
  preview->edSearch->setText(QStringLiteral("Lohn ändern"));
  preview->DoSearch();
  ok = Shot(*preview, dir, "report-preview-search.png") && ok;
  TQRProgressForm progress(nullptr);
  progress.StartPrint(TQRProgressForm::TTask::Print, report.title, QStringLiteral("Buchhaltung-Laser"), 1, 0);
  progress.show();
  progress.PageDone(1, true);
  for (int page = 2; page <= 12; ++page) progress.PageDone(page, true);
  progress.SetProgress(40);
  ok = Shot(progress, dir, "report-progress.png") && ok;
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::InitApplication(app);
  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addOption({"rows", "Rows of the generated report.", "n", "1600"});
  parser.addOption({"shots", "Write the screenshots into this folder and end.", "folder"});
  parser.process(app);
  const int rows = std::max(0, parser.value("rows").toInt());
  if (parser.isSet("shots")) return TakeShots(QDir(parser.value("shots")), rows);
  reports::PreviewReport(reports::SampleReport(rows));
  return 0;
}
