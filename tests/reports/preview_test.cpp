// The preview window, driven offscreen: navigation, keys, zoom, search,
// save and load, settings and cancelling a preparation.
#include <QAction>
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "reports/demo/sample_report.h"
#include "reports/export_filter.h"
#include "reports/prepared_report_file.h"
#include "reports/preview.h"
#include "reports/preview_dialogs.h"
#include "reports/thumbnail_grid.h"
#include "ui/button.h"
#include "report_fixture.h"
#include "support/registry_roots.h"
#include "support/temp_dir.h"
#include "ui/page_control.h"
#include "ui/scripted_message_service.h"
#include "ui/status_bar.h"

using namespace reports;
using namespace reports_test;

namespace {

// Answers the preview's dialogs from fields and records what was offered.
class FakeDialogs : public TPreviewDialogs {
 public:
  std::optional<TSaveChoice> save;
  QString open;
  std::optional<QString> input;
  QStringList offeredFilters;
  int offeredSelection = -1;
  QString proposedName;
  QString inputCaption;

  std::optional<TSaveChoice> AskSaveFile(QWidget*, const QString&, const QStringList& filters, int selected,
                                         const QString& proposed, const QString&) override {
    offeredFilters = filters;
    offeredSelection = selected;
    proposedName = proposed;
    return save;
  }
  QString AskOpenFile(QWidget*, const QString&, const QString&) override { return open; }
  std::optional<QString> InputQuery(QWidget*, const QString& caption, const QString&, const QString&) override {
    inputCaption = caption;
    return input;
  }
  std::function<bool(QPrinter&)> printSetup = [](QPrinter&) { return false; };
  bool PrintSetup(QWidget*, QPrinter& printer, int) override { return printSetup(printer); }
};

class ScopedDialogs {
 public:
  explicit ScopedDialogs(TPreviewDialogs& dialogs) : fPrevious(SetPreviewDialogs(&dialogs)) {}
  ~ScopedDialogs() { SetPreviewDialogs(fPrevious); }

 private:
  TPreviewDialogs* fPrevious;
};

// A spreadsheet filter that writes nothing; only its place in the save dialog matters.
class StubXlsxFilter : public TQRExportFilter {
 public:
  QString Description() const override { return QStringLiteral("Excel-Arbeitsmappe"); }
  QString Extension() const override { return QStringLiteral("xlsx"); }
  bool Export(const TPreparedReport&, const QString&, const TExportProgress&) override { return true; }
};

// A prepared report in a window that is shown and has had its first idle update.
struct Opened {
  explicit Opened(const TQRReport& report) {
    report.Prepare(store);
    Open();
  }
  Opened() { Open(); }
  void Open() {
    preview.reset(TQRStandardPreview::CreatePreview(nullptr, &store));
    preview->resize(900, 700);
    preview->show();
    QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
    preview->updateActions();
  }
  QString PageInfo() const { return preview->sbStatus->PanelText(TQRStandardPreview::spPageInfo); }
  TQRPageStore store;
  std::unique_ptr<TQRStandardPreview> preview;
};

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    fRoots = std::make_unique<TempRegistryRoots>();
    RegisterStandardExportFilters();
  }
  void cleanup() {
    UnregisterExportFilter("xlsx");
    fRoots.reset();
  }
  void texts();
  void onePageReportStaysOnPageOne();
  void pageKeysAndEdges();
  void typingGoesToTheSearchField();
  void zoomBoxTakesTypedFactor();
  void ctrlWheelZoomsInSteps();
  void searchListsMatchesPerPage();
  void searchNotFoundDisablesTheTree();
  void gotoPage_data();
  void gotoPage();
  void saveOffersPreparedFormatFirstAndPreselectsLastType();
  void saveOverAFileThatCannotBeDeletedStops();
  void saveAndLoadAgain();
  void loadRefusesMissingAndDamagedFiles();
  void settingsAreWrittenAndReadBack();
  void oldZoomButtonValueIsRead();
  void printsTheChosenPagesAndCopiesAPage();
  void progressPanel();
  void thumbnailGeometry();
  void cancelDuringPreparation();
  void closingDuringPreparationCancelsIt();

 private:
  std::unique_ptr<TempRegistryRoots> fRoots;
};

void PreviewTest::texts() {
  Opened opened(SampleReport(120));
  TQRStandardPreview& p = *opened.preview;
  QCOMPARE(p.windowTitle(), QStringLiteral("Report Vorschau : Rechte - Liste"));
  QCOMPARE(opened.PageInfo(), QStringLiteral("Seite 1 von 3"));
  QCOMPARE(p.sbStatus->PanelText(TQRStandardPreview::spTitle), QStringLiteral("Rechte - Liste"));
  QCOMPARE(p.btnZoomFit->toolTip(), QStringLiteral("Optimale Größe"));
  QCOMPARE(p.btnLast->toolTip(), QStringLiteral("Letzte Seite"));
  QCOMPARE(p.btnCancel->toolTip(), QStringLiteral("Report abbrechen"));
  QCOMPARE(p.acMatchCase->text(), QStringLiteral("Groß-/Kleinschreibung"));
  QCOMPARE(p.bbClose->text(), QStringLiteral("&Schließen"));
  QCOMPARE(p.cbZoom->count(), 20);
  QCOMPARE(p.cbZoom->itemText(0), QStringLiteral("25 %"));
  QCOMPARE(p.cbZoom->maxVisibleItems(), 21);
  QVERIFY(!p.pcLeft->isTabVisible(p.pcLeft->indexOf(p.tsSearch)));
  QVERIFY(p.btnPrint->isEnabled());
  QVERIFY(!p.btnCancel->isEnabled());
  QCOMPARE(p.grThumbs->rowCount(), 3);
  // The stored settings' zoom button was pressed at the first idle update.
  QVERIFY(p.btnZoomFit->isChecked());
  QCOMPARE(p.qrView->ZoomState(), zsFitPage);
}

void PreviewTest::onePageReportStaysOnPageOne() {
  Opened opened(SmallReport(3));
  TQRStandardPreview& p = *opened.preview;
  for (QToolButton* button : {p.btnFirst, p.btnPrev, p.btnNext, p.btnLast}) {
    button->click();
    QCOMPARE(p.CurrentPage(), 1);
  }
  p.Zoom100();
  p.qrView->setFocus();
  QScrollBar* bar = p.qrView->verticalScrollBar();
  bar->setValue(bar->maximum());
  QTest::keyClick(p.qrView, Qt::Key_Down);
  QCOMPARE(p.CurrentPage(), 1);
  QCOMPARE(bar->value(), bar->maximum());
}

void PreviewTest::pageKeysAndEdges() {
  Opened opened(SmallReport(4 * kRowsPerPage));
  TQRStandardPreview& p = *opened.preview;
  p.Zoom100();
  p.qrView->setFocus();
  QTest::keyClick(p.qrView, Qt::Key_PageDown);
  QCOMPARE(p.CurrentPage(), 2);
  QTest::keyClick(p.qrView, Qt::Key_PageDown, Qt::ControlModifier);
  QCOMPARE(p.CurrentPage(), 4);
  QTest::keyClick(p.qrView, Qt::Key_Home, Qt::ControlModifier);
  QCOMPARE(p.CurrentPage(), 1);
  // Down at the bottom of a page goes on to the top of the next one.
  QScrollBar* bar = p.qrView->verticalScrollBar();
  QTest::keyClick(p.qrView, Qt::Key_End);
  QCOMPARE(bar->value(), bar->maximum());
  QTest::keyClick(p.qrView, Qt::Key_Down);
  QCOMPARE(p.CurrentPage(), 2);
  QCOMPARE(bar->value(), bar->minimum());
  // Up at the top goes back to the bottom of the page before.
  QTest::keyClick(p.qrView, Qt::Key_Up);
  QCOMPARE(p.CurrentPage(), 1);
  QCOMPARE(bar->value(), bar->maximum());
  QCOMPARE(opened.PageInfo(), QStringLiteral("Seite 1 von 4"));
  // The thumbnail grid keeps its own keys: Right does not scroll the page.
  p.qrView->SetZoom(300);
  QScrollBar* across = p.qrView->horizontalScrollBar();
  across->setValue(0);
  QTest::keyClick(p.qrView, Qt::Key_Right);
  QVERIFY(across->value() > 0);
  across->setValue(0);
  p.grThumbs->setFocus();
  QTest::keyClick(p.grThumbs, Qt::Key_Right);
  QCOMPARE(across->value(), 0);
}

void PreviewTest::typingGoesToTheSearchField() {
  struct Case {
    const char* name;
    Qt::Key key;
    QString text;
    QString expected;  // in the search field afterwards
  };
  const Case cases[] = {
      {"a letter replaces the text", Qt::Key_X, "x", "x"},
      {"an umlaut", Qt::Key_unknown, QStringLiteral("ü"), QStringLiteral("ü")},
      {"F only jumps there", Qt::Key_F, "f", "alt"},
      {"F7 only jumps there", Qt::Key_F7, "", "alt"},
  };
  for (const Case& c : cases) {
    Opened opened(SmallReport(30));
    TQRStandardPreview& p = *opened.preview;
    p.edSearch->setText("alt");
    p.qrView->setFocus();
    QTest::sendKeyEvent(QTest::KeyAction::Click, p.qrView, c.key, c.text, Qt::NoModifier);
    p.updateActions();
    QVERIFY2(p.edSearch->text() == c.expected, c.name);
    QVERIFY2(p.focusWidget() == p.edSearch, c.name);
    if (c.expected.size() == 1) QCOMPARE(p.edSearch->cursorPosition(), 1);
  }
  // In the zoom box letters stay the box's own, and it takes only digits, blanks and "%".
  Opened opened(SmallReport(30));
  TQRStandardPreview& p = *opened.preview;
  p.cbZoom->setFocus();
  p.cbZoom->lineEdit()->clear();
  QTest::keyClicks(p.cbZoom->lineEdit(), "1a5 %");
  QCOMPARE(p.cbZoom->currentText(), QStringLiteral("15 %"));
  QCOMPARE(p.edSearch->text(), QString());
}

void PreviewTest::zoomBoxTakesTypedFactor() {
  Opened opened(SmallReport(30));
  TQRStandardPreview& p = *opened.preview;
  p.cbZoom->setFocus();
  p.cbZoom->lineEdit()->clear();
  QTest::keyClicks(p.cbZoom->lineEdit(), "150 ");
  QTest::keyClick(p.cbZoom->lineEdit(), Qt::Key_Return);
  QCOMPARE(p.qrView->Zoom(), 150);
  QCOMPARE(p.qrView->ZoomState(), zsOther);
  QVERIFY(!p.btnZoomFit->isChecked() && !p.btnZoomWidth->isChecked() && !p.btnZoom100->isChecked());
  QCOMPARE(p.cbZoom->currentText(), QStringLiteral("150 %"));
  p.cbZoom->setCurrentIndex(p.cbZoom->findText("100%"));
  p.ZoomBoxConfirmed();
  QCOMPARE(p.qrView->ZoomState(), zs100);
  QVERIFY(p.btnZoom100->isChecked());
  p.ZoomWidth();
  QVERIFY(p.btnZoomWidth->isChecked() && !p.btnZoom100->isChecked());
  QCOMPARE(p.cbZoom->currentText(), QString::number(p.qrView->Zoom()) + " %");
}

void PreviewTest::ctrlWheelZoomsInSteps() {
  Opened opened(SmallReport(30));
  TQRStandardPreview& p = *opened.preview;
  const auto wheel = [&](int notches, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(QPointF(50, 50), p.qrView->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120 * notches), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(p.qrView->viewport(), &event);
  };
  p.qrView->SetZoom(490);
  wheel(1, Qt::ControlModifier);
  QCOMPARE(p.qrView->Zoom(), 500);
  wheel(1, Qt::ControlModifier);
  QCOMPARE(p.qrView->Zoom(), 500);
  p.qrView->SetZoom(40);
  wheel(-2, Qt::ControlModifier);
  QCOMPARE(p.qrView->Zoom(), 25);
  QCOMPARE(p.cbZoom->currentText(), QStringLiteral("25 %"));
  // Without Ctrl a notch scrolls like Down.
  p.qrView->SetZoom(200);
  QScrollBar* bar = p.qrView->verticalScrollBar();
  bar->setValue(0);
  wheel(-1, Qt::NoModifier);
  QVERIFY(bar->value() > 0);
  QCOMPARE(p.qrView->Zoom(), 200);
}

void PreviewTest::searchListsMatchesPerPage() {
  Opened opened(SmallReport(3 * kRowsPerPage));
  TQRStandardPreview& p = *opened.preview;
  // "Zeile 5" and "Zeile 5x": rows 5 and 50..59 lie on pages 1 and 2 and 3.
  p.edSearch->setFocus();
  QTest::keyClicks(p.edSearch, "ZEILE 5");
  QTest::keyClick(p.edSearch, Qt::Key_Return);
  QVERIFY(p.pcLeft->isTabVisible(p.pcLeft->indexOf(p.tsSearch)));
  QCOMPARE(p.pcLeft->currentWidget(), p.tsSearch);
  QCOMPARE(p.lbSearchText->text(), QStringLiteral("ZEILE 5"));
  QStringList pages;
  for (int i = 0; i < p.tvResults->topLevelItemCount(); ++i) pages << p.tvResults->topLevelItem(i)->text(0);
  QCOMPARE(pages, (QStringList{"Seite 1", "Seite 2", "Seite 3"}));
  QCOMPARE(p.tvResults->topLevelItem(0)->child(0)->text(0), QStringLiteral("Zeile 5"));
  QCOMPARE(p.tvResults->topLevelItem(1)->childCount(), 1);   // 50
  QCOMPARE(p.tvResults->topLevelItem(2)->childCount(), 9);   // 51..59
  QCOMPARE(p.tvResults->currentItem(), p.tvResults->topLevelItem(0)->child(0));
  QVERIFY(p.qrView->HighlightVisible());
  // Choosing a page node shows its first match; the highlight blinks.
  p.tvResults->setCurrentItem(p.tvResults->topLevelItem(2));
  QCOMPARE(p.CurrentPage(), 3);
  const bool before = p.qrView->HighlightVisible();
  QTest::qWait(600);
  QVERIFY(p.qrView->HighlightVisible() != before);
  // With case matching the upper-case text is found nowhere.
  p.acMatchCase->setChecked(true);
  p.DoSearch();
  QCOMPARE(p.tvResults->topLevelItem(0)->text(0), QStringLiteral("Suchtext nicht gefunden"));
  p.CloseSearch();
  QVERIFY(!p.pcLeft->isTabVisible(p.pcLeft->indexOf(p.tsSearch)));
  QVERIFY(!p.qrView->HighlightVisible());
}

void PreviewTest::searchNotFoundDisablesTheTree() {
  Opened opened(SmallReport(10));
  TQRStandardPreview& p = *opened.preview;
  p.edSearch->setText("gibt es nicht");
  p.DoSearch();
  QCOMPARE(p.tvResults->topLevelItemCount(), 1);
  QCOMPARE(p.tvResults->topLevelItem(0)->text(0), QStringLiteral("Suchtext nicht gefunden"));
  QVERIFY(!p.tvResults->isEnabled());
  // An empty text searches nothing.
  p.edSearch->clear();
  p.DoSearch();
  QCOMPARE(p.tvResults->topLevelItem(0)->text(0), QStringLiteral("Suchtext nicht gefunden"));
}

void PreviewTest::gotoPage_data() {
  QTest::addColumn<QString>("entry");
  QTest::addColumn<int>("page");
  QTest::newRow("a page") << "3" << 3;
  QTest::newRow("blanks around") << " 2 " << 2;
  QTest::newRow("not a number") << "abc" << 1;
  QTest::newRow("beyond the last") << "9" << 1;
  QTest::newRow("zero") << "0" << 1;
}

void PreviewTest::gotoPage() {
  QFETCH(QString, entry);
  QFETCH(int, page);
  Opened opened(SmallReport(4 * kRowsPerPage));
  FakeDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  opened.preview->SelectPage(4);
  dialogs.input = entry;
  opened.preview->GotoPage();
  QCOMPARE(dialogs.inputCaption, QStringLiteral("Wählen Sie eine Seite von 1 bis 4"));
  QCOMPARE(opened.preview->CurrentPage(), page);
}

void PreviewTest::saveOffersPreparedFormatFirstAndPreselectsLastType() {
  RegisterExportFilter(std::make_shared<StubXlsxFilter>());
  {
    platform::Registry registry(platform::RegistryRoot::CurrentUser);
    QVERIFY(registry.OpenKey(ui::FormKeyPath({}, "QRStandardPreview"), true));
    QVERIFY(registry.WriteString("LastExpExt", "xls"));
  }
  TQRReport report = SmallReport(2);
  report.title = QStringLiteral("Rechte: \"alle\" <A|B>");
  Opened opened(report);
  FakeDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  opened.preview->SaveReport();
  QCOMPARE(dialogs.offeredFilters,
           (QStringList{"Vorbereiteter Bericht (*.qrp)", "PDF-Dokument (*.pdf)", "PNG-Bild je Seite (*.png)",
                        "CSV-Datei (Zeilen des Berichts) (*.csv)", "Excel-Arbeitsmappe (*.xlsx)"}));
  QCOMPARE(dialogs.offeredSelection, 4);
  QCOMPARE(dialogs.proposedName, QStringLiteral("Rechte alle AB"));
  // Exporting remembers the type; the spreadsheet type is stored as "xls".
  TempDir dir;
  dialogs.save = TSaveChoice{QString::fromStdString(dir.File("x.xlsx")), 4};
  opened.preview->SaveReport();
  QCOMPARE(opened.preview->LastExportExt(), QStringLiteral("xlsx"));
  opened.preview->close();
  platform::Registry registry(platform::RegistryRoot::CurrentUser);
  QVERIFY(registry.OpenKeyReadOnly(ui::FormKeyPath({}, "QRStandardPreview")));
  QCOMPARE(registry.ReadString("LastExpExt").value_or(""), std::string("xls"));
}

void PreviewTest::saveOverAFileThatCannotBeDeletedStops() {
  Opened opened(SmallReport(2));
  FakeDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  ui::ScriptedMessageService messages;
  ui::ScopedMessageService scopedMessages(messages);
  TempDir dir;
  // A folder with something in it cannot be removed like a file.
  const std::string path = dir.File("bericht.qrp");
  std::filesystem::create_directories(std::filesystem::path(path) / "inhalt");
  dialogs.save = TSaveChoice{QString::fromStdString(path), 0};
  opened.preview->SaveReport();
  QCOMPARE(messages.Requests().size(), std::size_t{1});
  QVERIFY(messages.Requests()[0].text.startsWith(
      QStringLiteral("Die zu ersetzende Datei %1 konnte nicht gelöscht werden.\r\r").arg(QString::fromStdString(path))));
  QVERIFY(messages.Requests()[0].text.endsWith("!"));
  // The save did not go on: the folder is as it was.
  QVERIFY(std::filesystem::is_directory(std::filesystem::path(path) / "inhalt"));
}

void PreviewTest::saveAndLoadAgain() {
  TempDir dir;
  const QString path = QString::fromStdString(dir.File("liste.qrp"));
  TPreparedReport saved;
  {
    Opened opened(SampleReport(150));
    FakeDialogs dialogs;
    ScopedDialogs scoped(dialogs);
    std::filesystem::path(path.toStdString());
    { std::ofstream old(path.toStdString()); old << "alt"; }
    dialogs.save = TSaveChoice{path, 0};
    opened.preview->SaveReport();
    saved = opened.store.Report();
  }
  QVERIFY(LoadPreparedReport(path) == saved);
  Opened other(SmallReport(1));
  FakeDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  dialogs.open = path;
  other.preview->SelectPage(1);
  other.preview->LoadReport();
  QCOMPARE(other.store.PageCount(), static_cast<int>(saved.pages.size()));
  QCOMPARE(other.preview->windowTitle(), QStringLiteral("liste.qrp"));
  QCOMPARE(other.preview->sbStatus->PanelText(TQRStandardPreview::spTitle), QStringLiteral("liste.qrp"));
  QCOMPARE(other.PageInfo(), QStringLiteral("Seite 1 von %1").arg(saved.pages.size()));
  QVERIFY(other.preview->btnPrint->isEnabled());
  QCOMPARE(other.preview->grThumbs->rowCount(), static_cast<int>(saved.pages.size()));
}

void PreviewTest::loadRefusesMissingAndDamagedFiles() {
  Opened opened(SmallReport(2 * kRowsPerPage));
  FakeDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  ui::ScriptedMessageService messages;
  ui::ScopedMessageService scopedMessages(messages);
  TempDir dir;
  dialogs.open = QString::fromStdString(dir.File("fehlt.qrp"));
  opened.preview->LoadReport();
  QCOMPARE(messages.Requests().back().text, QStringLiteral("Die Datei existiert nicht"));
  const std::string damaged = dir.File("kaputt.qrp");
  QByteArray bytes = EncodePreparedReport(Prepared(SmallReport(3)));
  { std::ofstream out(damaged, std::ios::binary); out.write(bytes.constData(), bytes.size() / 2); }
  dialogs.open = QString::fromStdString(damaged);
  opened.preview->LoadReport();
  QVERIFY(messages.Requests().back().text.contains(QStringLiteral("beschädigt")));
  QCOMPARE(opened.store.PageCount(), 2);
  QCOMPARE(opened.preview->windowTitle(), QStringLiteral("Report Vorschau : Testbericht"));
}

void PreviewTest::settingsAreWrittenAndReadBack() {
  {
    Opened opened(SmallReport(30));
    TQRStandardPreview& p = *opened.preview;
    p.cbThumbs->setChecked(false);
    p.qrView->SetZoom(150);
    p.spMain->setSizes({260, 600});
    p.close();
    platform::Registry registry(platform::RegistryRoot::CurrentUser);
    QVERIFY(registry.OpenKeyReadOnly(ui::FormKeyPath({}, "QRStandardPreview")));
    QCOMPARE(registry.ReadBool("ShowThumbs"), std::optional<bool>(false));
    QCOMPARE(registry.ReadInteger("ZoomState"), std::optional<std::int32_t>(zsOther));
    QCOMPARE(registry.ReadInteger("Zoomfaktor"), std::optional<std::int32_t>(150));
  }
  {
    Opened opened(SmallReport(30));
    TQRStandardPreview& p = *opened.preview;
    QVERIFY(!p.cbThumbs->isChecked());
    QVERIFY(!p.pcLeft->isVisible());
    QCOMPARE(p.qrView->Zoom(), 150);
    QCOMPARE(p.qrView->ZoomState(), zsOther);
    p.cbThumbs->setChecked(true);
    p.ZoomWidth();
    p.close();
    platform::Registry registry(platform::RegistryRoot::CurrentUser);
    QVERIFY(registry.OpenKeyReadOnly(ui::FormKeyPath({}, "QRStandardPreview")));
    QCOMPARE(registry.ReadInteger("ZoomState"), std::optional<std::int32_t>(zsFitWidth));
    QVERIFY(!registry.ValueExists("Zoomfaktor"));
    QVERIFY(registry.ReadInteger("ThumbsWidth").value_or(0) >= TQRStandardPreview::kMinThumbsWidth);
  }
  Opened opened(SmallReport(30));
  QVERIFY(opened.preview->btnZoomWidth->isChecked());
  QCOMPARE(opened.preview->qrView->ZoomState(), zsFitWidth);
}

void PreviewTest::oldZoomButtonValueIsRead() {
  struct Case {
    std::int32_t zommBtn;
    TZoomState state;
  };
  for (const Case c : {Case{1, zs100}, Case{2, zsFitWidth}, Case{7, zsFitPage}}) {
    {
      platform::Registry registry(platform::RegistryRoot::CurrentUser);
      QVERIFY(registry.OpenKey(ui::FormKeyPath({}, "QRStandardPreview"), true));
      registry.DeleteValue("ZoomState");
      QVERIFY(registry.WriteInteger("ZommBtn", c.zommBtn));
    }
    Opened opened(SmallReport(30));
    QCOMPARE(opened.preview->qrView->ZoomState(), c.state);
  }
}

void PreviewTest::printsTheChosenPagesAndCopiesAPage() {
  Opened opened(SmallReport(4 * kRowsPerPage));
  FakeDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  TempDir dir;
  const QString path = QString::fromStdString(dir.File("druck.pdf"));
  opened.preview->SelectPage(3);
  int offeredFrom = 0;
  dialogs.printSetup = [&](QPrinter& printer) {
    offeredFrom = printer.fromPage();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    return true;
  };
  opened.preview->Print();
  QCOMPARE(offeredFrom, 3);  // the current page is offered
  QProcess text;
  text.start("pdftotext", {path, "-"});
  QVERIFY(text.waitForFinished(30000));
  const QString printed = QString::fromUtf8(text.readAllStandardOutput());
  QVERIFY2(printed.contains("Kopf 2") && printed.contains("Kopf 3") && !printed.contains("Kopf 1"), qPrintable(printed));
  QVERIFY(opened.preview->isEnabled());  // enabled again after the progress window

  QGuiApplication::clipboard()->clear();
  opened.preview->CopyPage();
  const QImage copied = QGuiApplication::clipboard()->image();
  QCOMPARE(copied.size().width(), opened.preview->qrView->PagePixels().width());
}

void PreviewTest::progressPanel() {
  Opened opened(SmallReport(2));
  TQRStandardPreview& p = *opened.preview;
  const auto panel = [&] { return p.sbStatus->PanelText(TQRStandardPreview::spProgress); };
  struct Step {
    int value;
    QString shown;
  };
  const Step steps[] = {{3, "0%"}, {7, "7%"}, {10, "7%"}, {12, "12%"}, {100, ""}, {102, ""},
                        {250, "Datensatz 2"}, {0, ""}, {60, "60%"}};
  for (const Step& step : steps) {
    opened.store.SetProgress(step.value);
    QCOMPARE(panel(), step.shown);
  }
  // A panel grows with a longer text.
  opened.store.SetProgress(0);
  opened.store.SetProgress(123456700);
  QVERIFY(p.sbStatus->PanelWidth(TQRStandardPreview::spProgress) >=
          p.sbStatus->fontMetrics().horizontalAdvance(panel()) + 6);
}

void PreviewTest::thumbnailGeometry() {
  const TThumbGeometry portrait = ThumbGeometryFor(204, QSize(kA4Width, kA4Height), 10);
  QCOMPARE(portrait.columnWidth, 200);
  QCOMPARE(portrait.drawWidth, 180);
  QCOMPARE(portrait.rowHeight, 245);  // 180 × 297 / 210 − 10
  QCOMPARE(portrait.leftMargin, 10);
  const TThumbGeometry landscape = ThumbGeometryFor(204, QSize(kA4Height, kA4Width), 10);
  QCOMPARE(landscape.rowHeight, 117);  // 180 × 210 / 297 − 10
}

void PreviewTest::cancelDuringPreparation() {
  const TQRReport report = SmallReport(200 * kRowsPerPage);
  TQRPageStore store;
  store.Begin(report.Frame());
  std::unique_ptr<TQRStandardPreview> preview(TQRStandardPreview::CreatePreview(nullptr, &store));
  preview->show();
  bool stateWhilePreparing = false;
  QObject::connect(&store, &TQRPageStore::PageAvailable, preview.get(), [&](int count) {
    if (count != 3 || store.IsComplete()) return;
    stateWhilePreparing = preview->InCreateReport() && preview->btnCancel->isEnabled() && !preview->btnPrint->isEnabled() &&
                          !preview->cbZoom->isEnabled() && preview->CurrentPage() == 1;
    preview->btnCancel->click();
  });
  preview->PrepareInside([&](const std::function<void()>& yield) { report.Prepare(store, yield); });
  preview->updateActions();
  QVERIFY(stateWhilePreparing);
  QVERIFY(store.WasCancelled());
  QVERIFY(store.PageCount() >= 3 && store.PageCount() < 200);
  QVERIFY(!preview->InCreateReport());
  QVERIFY(preview->btnPrint->isEnabled());
  QVERIFY(!preview->btnCancel->isEnabled());
  QCOMPARE(preview->grThumbs->rowCount(), store.PageCount());
}

void PreviewTest::closingDuringPreparationCancelsIt() {
  const TQRReport report = SmallReport(200 * kRowsPerPage);
  TQRPageStore store;
  std::unique_ptr<TQRStandardPreview> preview(TQRStandardPreview::CreatePreview(nullptr, &store));
  preview->show();
  QObject::connect(&store, &TQRPageStore::PageAvailable, preview.get(), [&](int count) {
    if (count == 2 && !store.IsComplete()) QTest::keyClick(preview->qrView, Qt::Key_Escape);
  });
  preview->PrepareInside([&](const std::function<void()>& yield) { report.Prepare(store, yield); });
  preview->updateActions();
  QVERIFY(store.WasCancelled());
  QVERIFY(!preview->isVisible());
}

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
