// The export filters and printing, checked as a reader sees the result:
// PDFs through pdftotext and pdfinfo, pictures by their pixels.
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTest>

#include "reports/csv_export.h"
#include "reports/demo/sample_report.h"
#include "reports/page_painter.h"
#include "reports/pdf_export.h"
#include "reports/png_export.h"
#include "reports/report_print.h"
#include "report_fixture.h"
#include "support/registry_roots.h"
#include "support/temp_dir.h"

using namespace reports;
using namespace reports_test;

namespace {

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& path) {
  const QString info = Run("pdfinfo", {path});
  for (const QString& line : info.split('\n'))
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  return -1;
}

QString PdfText(const QString& path, int page) {
  return Run("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), path, "-"});
}

void StoreFlags(const QString& printer, const std::vector<std::pair<std::string, bool>>& values) {
  platform::Registry registry(platform::RegistryRoot::CurrentUser);
  QVERIFY(registry.OpenKey(PrintFlagsKey(printer), true));
  for (const auto& [name, value] : values) QVERIFY(registry.WriteBool(name, value));
}

}  // namespace

class ExportsTest : public QObject {
  Q_OBJECT
 private slots:
  void pdfHoldsEveryPageAndItsTexts();
  void pdfExportCancelledLeavesNoFile();
  void pngWritesOnePicturePerPage();
  void csvQuotesWhatNeedsIt();
  void printsTheChosenRangeOnPaper();
  void printOptionsComeFromTheRegistry_data();
  void printOptionsComeFromTheRegistry();
  void duplexOnlyOnA4AndWhenAllowed();
  void noShadingAndBlackText();
};

void ExportsTest::pdfHoldsEveryPageAndItsTexts() {
  const TPreparedReport report = Prepared(SampleReport(1600));
  QVERIFY(report.pages.size() >= 30);
  TempDir dir;
  const QString path = QString::fromStdString(dir.File("liste.pdf"));
  int calls = 0;
  QVERIFY(TPdfExportFilter().Export(report, path, [&](int done, int total) {
    ++calls;
    return done <= total;
  }));
  QCOMPARE(calls, static_cast<int>(report.pages.size()));
  QCOMPARE(PdfPages(path), static_cast<int>(report.pages.size()));
  const QString first = PdfText(path, 1);
  QVERIFY2(first.contains("Rechte - Liste") && first.contains("Seite 1") && first.contains("Buchungen erfassen"),
           qPrintable(first));
  const QString last = PdfText(path, static_cast<int>(report.pages.size()));
  QVERIFY2(last.contains(QStringLiteral("Seite %1").arg(report.pages.size())), qPrintable(last));
  QVERIFY(last.contains("2599"));  // the last row's number
}

void ExportsTest::pdfExportCancelledLeavesNoFile() {
  TempDir dir;
  const QString path = QString::fromStdString(dir.File("liste.pdf"));
  QVERIFY(!TPdfExportFilter().Export(Prepared(SmallReport(100)), path, [](int done, int) { return done < 2; }));
  QVERIFY(dir.Entries().empty());
}

void ExportsTest::pngWritesOnePicturePerPage() {
  TempDir dir;
  const TPreparedReport report = Prepared(SmallReport(2 * kRowsPerPage + 1));
  const QString path = QString::fromStdString(dir.File("seite.png"));
  QVERIFY(TPngExportFilter().Export(report, path, {}));
  auto names = dir.Entries();
  std::sort(names.begin(), names.end());
  QCOMPARE(names, (std::vector<std::string>{"seite_1.png", "seite_2.png", "seite_3.png"}));
  const QImage page(QString::fromStdString(dir.File("seite_2.png")));
  QCOMPARE(page.width(), 1240);  // 210 mm at 150 dots per inch
  QCOMPARE(page.height(), 1754);

  TempDir single;
  QVERIFY(TPngExportFilter().Export(Prepared(SmallReport(1)), QString::fromStdString(single.File("eine.png")), {}));
  QCOMPARE(single.Entries(), std::vector<std::string>{"eine.png"});
}

void ExportsTest::csvQuotesWhatNeedsIt() {
  TReportRows rows;
  rows.columns = {"Nr", "Text"};
  rows.rows = {{"1", "schlicht"}, {"2", "mit; Semikolon"}, {"3", "mit \"Zitat\""}, {"4", "zwei\nZeilen"}, {"5", "Grüße"}};
  const QByteArray csv = TCsvExportFilter::Encode(rows);
  QCOMPARE(csv, QByteArray("\xEF\xBB\xBFNr;Text\r\n1;schlicht\r\n2;\"mit; Semikolon\"\r\n3;\"mit \"\"Zitat\"\"\"\r\n"
                           "4;\"zwei\nZeilen\"\r\n5;Gr\xC3\xBC\xC3\x9F" "e\r\n"));
}

void ExportsTest::printsTheChosenRangeOnPaper() {
  TempRegistryRoots roots;
  TempDir dir;
  const QString path = QString::fromStdString(dir.File("druck.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setFromTo(2, 3);
  std::vector<int> progress;
  QVERIFY(PrintPreparedPages(Prepared(SmallReport(4 * kRowsPerPage)), printer, {}, [&](int done, int) {
    progress.push_back(done);
    return true;
  }));
  QCOMPARE(progress, (std::vector<int>{1, 2}));
  QCOMPARE(PdfPages(path), 2);
  QVERIFY(PdfText(path, 1).contains("Kopf 2"));
  QVERIFY(PdfText(path, 2).contains("Kopf 3"));
}

void ExportsTest::printOptionsComeFromTheRegistry_data() {
  QTest::addColumn<QString>("printer");
  QTest::addColumn<bool>("store");
  QTest::addColumn<unsigned>("expected");
  QTest::newRow("nothing stored keeps the printer's duplex") << "Laser" << false << unsigned(pfDuplexDefault);
  QTest::newRow("values stored") << "Laser" << true << unsigned(pfBackGroundWhite | pfFontBlack);
  QTest::newRow("network printer name") << "\\\\server\\Laser" << true << unsigned(pfBackGroundWhite | pfFontBlack);
}

void ExportsTest::printOptionsComeFromTheRegistry() {
  QFETCH(QString, printer);
  QFETCH(bool, store);
  QFETCH(unsigned, expected);
  TempRegistryRoots roots;
  if (store) StoreFlags(printer, {{"keine Schattierung", true}, {"schwarze Schrift", true}, {"Endlos", false}, {"Duplex", false}});
  QCOMPARE(ReadPrintFlags(printer).bits, expected);
  QCOMPARE(PrintFlagsKey("\\\\server\\Laser"), std::string("SOFTWARE\\QR3\\//server/Laser"));
}

void ExportsTest::duplexOnlyOnA4AndWhenAllowed() {
  using Mode = std::optional<QPrinter::DuplexMode>;
  struct Case {
    const char* name;
    unsigned flags;
    bool allow;
    QSize paper;
    Mode expected;
  };
  const Case cases[] = {
      {"no value: the printer's own", pfDuplexDefault, true, {kA4Width, kA4Height}, std::nullopt},
      {"duplex on A4, allowed", pfDuplex, true, {kA4Width, kA4Height}, QPrinter::DuplexAuto},
      {"report does not allow it", pfDuplex, false, {kA4Width, kA4Height}, QPrinter::DuplexNone},
      {"not A4", pfDuplex, true, {2159, 2794}, QPrinter::DuplexNone},
      {"stored off", 0, true, {kA4Width, kA4Height}, QPrinter::DuplexNone},
  };
  for (const Case& c : cases) {
    TPreparedReport report;
    report.allowDuplex = c.allow;
    report.paper = c.paper;
    QVERIFY2(DuplexFor(TQRPrintFlags{c.flags}, report) == c.expected, c.name);
  }
}

void ExportsTest::noShadingAndBlackText() {
  TPreparedPage page;
  page.items.push_back(TFilledRect{QRect(0, 0, 1000, 1000), QColor(224, 224, 224)});
  TTextRun run;
  run.rect = QRect(0, 0, 1000, 1000);
  run.text = QStringLiteral("██████");
  run.pointTenths = 400;
  run.color = QColor(0, 0, 255);
  page.items.push_back(run);
  const QSize size(1000, 1000);
  const QImage normal = RenderPage(page, size, 200);
  const QImage plain = RenderPage(page, size, 200, PaintOptionsOf(TQRPrintFlags{pfBackGroundWhite | pfFontBlack}));
  QCOMPARE(normal.pixelColor(190, 190), QColor(224, 224, 224));
  QCOMPARE(plain.pixelColor(190, 190), QColor(Qt::white));
  // Somewhere the text is drawn: blue normally, black without colours.
  bool blue = false, black = false;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) {
      blue |= normal.pixelColor(x, y) == QColor(0, 0, 255);
      black |= plain.pixelColor(x, y) == QColor(Qt::black);
    }
  QVERIFY(blue);
  QVERIFY(black);
}

QTEST_MAIN(ExportsTest)
#include "exports_test.moc"
