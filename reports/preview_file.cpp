// TQRStandardPreview: go to page, print, save, export, load, copy and cancel.
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolButton>

#include "reports/export_filter.h"
#include "reports/page_painter.h"
#include "reports/page_store.h"
#include "reports/prepared_report_file.h"
#include "reports/preview.h"
#include "reports/preview_dialogs.h"
#include "reports/progress_form.h"
#include "reports/report_print.h"
#include "reports/thumbnail_grid.h"
#include "ui/messages.h"

namespace reports {

namespace {

const QString kPreparedDescription = QStringLiteral("Vorbereiteter Bericht");

QString FilterText(const QString& description, const QString& extension) {
  return description + QStringLiteral(" (*.") + extension + QStringLiteral(")");
}

QString WithoutForbiddenCharacters(QString name) {
  for (const QChar c : QStringLiteral("\"*/:<>\\|")) name.remove(c);
  return name;
}

// The progress window for the length of one print or export; the other windows are off meanwhile.
class TProgressSession {
 public:
  TProgressSession() : fForm(new TQRProgressForm(nullptr)) {}
  ~TProgressSession() {
    fForm->Finish();
    delete fForm;
  }
  TQRProgressForm& Form() { return *fForm; }

 private:
  TQRProgressForm* fForm;
};

}  // namespace

void TQRStandardPreview::GotoPage() {
  const int count = fStore->PageCount();
  const auto entry = PreviewDialogs().InputQuery(this, QStringLiteral("Wählen Sie eine Seite von 1 bis %1").arg(count),
                                                 QStringLiteral("Eingabe Seitennummer"), QString::number(CurrentPage()));
  if (!entry) return;
  bool ok = false;
  const int page = entry->trimmed().toInt(&ok);
  SelectPage(ok && page >= 1 && page <= count ? page : 1);
}

void TQRStandardPreview::Print() {
  if (fStore->PageCount() == 0) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(fStore->Report().title);
  printer.setFromTo(CurrentPage(), CurrentPage());
  printer.setPrintRange(QPrinter::AllPages);
  // Without a printer Qt's PDF printer stands in ("Als PDF drucken").
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(WithoutForbiddenCharacters(fStore->Report().title) + QStringLiteral(".pdf"));
  }
  if (!PreviewDialogs().PrintSetup(this, printer, fStore->PageCount())) return;
  if (printer.printRange() != QPrinter::PageRange) printer.setFromTo(0, 0);
  const TQRPrintFlags flags = ReadPrintFlags(printer.printerName());
  TProgressSession session;
  TQRProgressForm& progress = session.Form();
  progress.StartPrint(TQRProgressForm::TTask::Print, fStore->Report().title,
                      printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName(),
                      printer.fromPage(), printer.toPage());
  progress.ShowWhileBusy();
  const int first = printer.fromPage() > 0 ? printer.fromPage() : 1;
  const int last = printer.toPage() > 0 ? printer.toPage() : fStore->PageCount();
  const int rangeCount = std::max(1, last - first + 1);
  PrintPreparedPages(fStore->Report(), printer, flags, [&](int done, int total) {
    progress.PageDone(first + (done - 1) % rangeCount, true);
    progress.SetProgress(done * 100 / total);
    return !progress.Cancelled();
  });
}

QStringList TQRStandardPreview::SaveFilters() const {
  QStringList filters{FilterText(kPreparedDescription, QString::fromLatin1(kPreparedExtension))};
  for (const auto& filter : ExportFilters()) filters.append(FilterText(filter->Description(), filter->Extension()));
  return filters;
}

int TQRStandardPreview::PreselectedFilter() const {
  QString last = fLastExportExt;
  const auto& filters = ExportFilters();
  const auto indexOf = [&](const QString& extension) {
    for (std::size_t i = 0; i < filters.size(); ++i)
      if (filters[i]->Extension().compare(extension, Qt::CaseInsensitive) == 0) return static_cast<int>(i) + 1;
    return 0;
  };
  if (last.compare(QStringLiteral("xls"), Qt::CaseInsensitive) == 0 && indexOf(QStringLiteral("xlsx")) > 0)
    last = QStringLiteral("xlsx");
  return last.isEmpty() ? 0 : indexOf(last);
}

bool TQRStandardPreview::DeleteExisting(const QString& path) {
  QFile file(path);
  if (!file.exists() || file.remove()) return true;
  ui::ShowError(QStringLiteral("Die zu ersetzende Datei ") + path + QStringLiteral(" konnte nicht gelöscht werden.\r\r") +
                file.errorString() + QStringLiteral("!"));
  return false;
}

void TQRStandardPreview::SaveReport() {
  const auto choice = PreviewDialogs().AskSaveFile(this, QStringLiteral("Bericht speichern"), SaveFilters(),
                                                   PreselectedFilter(), WithoutForbiddenCharacters(fStore->Report().title),
                                                   QString::fromLatin1(kPreparedExtension));
  if (!choice || choice->path.isEmpty()) return;
  const int index = std::clamp(choice->filterIndex, 0, static_cast<int>(ExportFilters().size()));
  if (index > 0) fLastExportExt = ExportFilters()[index - 1]->Extension();
  // Going on after a failed delete would write into the file we could not remove.
  if (!DeleteExisting(choice->path)) return;
  try {
    if (index == 0)
      SavePreparedReport(fStore->Report(), choice->path);
    else
      ExportThrough(index - 1, choice->path);
  } catch (const EPreparedReportError& failure) {
    ui::ShowError(failure.Message());
  } catch (const EExportError& failure) {
    ui::ShowError(failure.Message());
  }
}

void TQRStandardPreview::ExportThrough(int filterIndex, const QString& path) {
  const auto filter = ExportFilters()[filterIndex];
  const std::initializer_list<QWidget*> locked{btnPrint, btnSave, btnLoad};
  for (QWidget* control : locked) control->setEnabled(false);
  struct Restore {
    std::initializer_list<QWidget*> controls;
    ~Restore() {
      for (QWidget* control : controls) control->setEnabled(true);
    }
  } restore{locked};
  TProgressSession session;
  TQRProgressForm& progress = session.Form();
  progress.StartExport(fStore->Report().title, filter->Description(), fStore->PageCount());
  progress.ShowWhileBusy();
  filter->Export(fStore->Report(), path, [&](int done, int total) {
    progress.PageDone(done, true);
    progress.SetProgress(total > 0 ? done * 100 / total : 100);
    return !progress.Cancelled();
  });
}

void TQRStandardPreview::LoadReport() {
  const QString filter = kPreparedDescription + QStringLiteral(" (*.") + QString::fromLatin1(kPreparedExtension) + QStringLiteral(")");
  const QString path = PreviewDialogs().AskOpenFile(this, QStringLiteral("Bericht laden"), filter);
  if (path.isEmpty()) return;
  if (!QFileInfo::exists(path)) {
    ui::ShowError(QStringLiteral("Die Datei existiert nicht"));
    return;
  }
  TPreparedReport report;
  try {
    report = LoadPreparedReport(path);
  } catch (const EPreparedReportError& failure) {
    ui::ShowError(failure.Message());
    return;
  }
  fMatches.clear();
  CloseSearch();
  fLoadedFileName = QFileInfo(path).fileName();
  fReportOrientation = report.orientation;
  fStore->Replace(std::move(report));
  setWindowTitle(fLoadedFileName);
  grThumbs->Invalidate();
  qrView->SetStore(fStore);
  ResizeThumb();
  PageArrived(false);
  SelectPage(1);
}

void TQRStandardPreview::CopyPage() {
  const int index = CurrentPage() - 1;
  if (index < 0 || index >= fStore->PageCount()) return;
  const QImage page = RenderPage(fStore->Page(index), fStore->Report().PageSize(), qrView->PagePixels().width());
  QGuiApplication::clipboard()->setImage(page);
}

void TQRStandardPreview::CancelReport() {
  // Outside the window's own preparation there is nothing left to stop.
  fStore->RequestCancel();
  PageArrived(true);
}

}  // namespace reports
