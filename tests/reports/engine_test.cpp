// The band engine, the prepared-report file and the text search.
#include <QTest>

#include "reports/demo/sample_report.h"
#include "reports/prepared_report_file.h"
#include "reports/text_search.h"
#include "report_fixture.h"
#include "support/temp_dir.h"

using namespace reports;
using namespace reports_test;

class EngineTest : public QObject {
  Q_OBJECT
 private slots:
  void pagesHoldWholeRowsUnderAHeader_data();
  void pagesHoldWholeRowsUnderAHeader();
  void detailBandTooHighIsRefused();
  void colourHookSeesEachNewPage();
  void cancelEndsAfterTheCurrentPage();
  void roundTripKeepsTheDisplayLists();
  void damagedFilesAreRefused_data();
  void damagedFilesAreRefused();
  void savingOverAFileThatCannotBeWrittenKeepsIt();
  void searchFindsRunsAndTheirRectangles();
};

void EngineTest::pagesHoldWholeRowsUnderAHeader_data() {
  QTest::addColumn<int>("rows");
  QTest::addColumn<int>("pages");
  QTest::newRow("empty report still prints its header") << 0 << 1;
  QTest::newRow("one row") << 1 << 1;
  QTest::newRow("page exactly full") << kRowsPerPage << 1;
  QTest::newRow("one row more") << kRowsPerPage + 1 << 2;
  QTest::newRow("many pages") << 3 * kRowsPerPage + 7 << 4;
}

void EngineTest::pagesHoldWholeRowsUnderAHeader() {
  QFETCH(int, rows);
  QFETCH(int, pages);
  TQRReport report = SmallReport(rows);
  int beforePrint = 0;
  report.onBeforePrint = [&] { ++beforePrint; };
  const TPreparedReport prepared = Prepared(report);
  QCOMPARE(beforePrint, 1);
  QCOMPARE(static_cast<int>(prepared.pages.size()), pages);
  const int bottom = kA4Height - report.margins.bottom();
  int nextRow = 1;
  for (int p = 0; p < pages; ++p) {
    const QStringList texts = PageTexts(prepared.pages[p]);
    QCOMPARE(texts.value(0), QStringLiteral("Kopf %1").arg(p + 1));
    for (const TPrimitive& item : prepared.pages[p].items) {
      const auto& run = std::get<TTextRun>(item);
      QVERIFY2(run.rect.top() + Mm(10) <= bottom, "a row reaches below the bottom margin");
      if (run.text.startsWith("Zeile")) QCOMPARE(run.text, QStringLiteral("Zeile %1").arg(nextRow++));
    }
  }
  QCOMPARE(nextRow, rows + 1);
  QCOMPARE(prepared.rows, report.rows);
}

void EngineTest::detailBandTooHighIsRefused() {
  TQRReport report = SmallReport(3);
  report.detail.height = Mm(270);
  TQRPageStore store;
  QVERIFY_THROWS_EXCEPTION(std::invalid_argument, report.Prepare(store));
  QCOMPARE(store.PageCount(), 0);
}

void EngineTest::colourHookSeesEachNewPage() {
  // The sample report shades rows alternately from its colour hook, starting grey on each page.
  const TPreparedReport prepared = Prepared(SampleReport(200));
  QVERIFY(prepared.pages.size() >= 4);
  const QColor grey(224, 224, 224);
  for (const TPreparedPage& page : prepared.pages) {
    std::vector<QColor> fills;
    for (const TPrimitive& item : page.items)
      if (const auto* fill = std::get_if<TFilledRect>(&item)) fills.push_back(fill->color);
    QVERIFY(!fills.empty());
    for (std::size_t i = 0; i < fills.size(); ++i)
      QCOMPARE(fills[i], i % 2 == 0 ? grey : QColor(Qt::white));
  }
}

void EngineTest::cancelEndsAfterTheCurrentPage() {
  const TQRReport report = SmallReport(40 * kRowsPerPage);
  TQRPageStore store;
  std::vector<int> announced;
  QObject::connect(&store, &TQRPageStore::PageAvailable, [&](int count) { announced.push_back(count); });
  report.Prepare(store, [&] {
    if (store.PageCount() == 2) store.RequestCancel();
  });
  QCOMPARE(store.PageCount(), 2);
  QVERIFY(store.WasCancelled());
  // Each page is announced as it arrives, and once more at the end.
  QCOMPARE(announced, (std::vector<int>{1, 2, 2}));
}

void EngineTest::roundTripKeepsTheDisplayLists() {
  TPreparedReport report = Prepared(SampleReport(120));
  report.orientation = QPageLayout::Landscape;
  QImage picture(15, 12, QImage::Format_ARGB32);
  picture.fill(QColor(0, 128, 0, 200));
  report.pages[1].items.push_back(TPicture{QRect(10, 20, 40, 32), picture.convertToFormat(kPictureFormat)});
  report.pages[1].items.push_back(TPicture{QRect(1, 2, 3, 4), QImage()});
  TTextRun styled;
  styled.text = QStringLiteral("Grüße ✓");
  styled.italic = true;
  styled.color = QColor(0, 0, 255);
  styled.alignment = Qt::AlignRight | Qt::AlignVCenter;
  report.pages[0].items.push_back(styled);
  TempDir dir;
  const QString path = QString::fromStdString(dir.File("bericht.qrp"));
  SavePreparedReport(report, path);
  const TPreparedReport loaded = LoadPreparedReport(path);
  QCOMPARE(loaded.pages.size(), report.pages.size());
  QVERIFY(loaded == report);
}

void EngineTest::damagedFilesAreRefused_data() {
  const QByteArray good = EncodePreparedReport(Prepared(SmallReport(30)));
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("message");
  QTest::newRow("empty") << QByteArray() << "kein vorbereiteter Bericht";
  QTest::newRow("foreign file") << QByteArray("%PDF-1.4 something else") << "kein vorbereiteter Bericht";
  QTest::newRow("cut after the magic") << good.left(9) << "beschädigt";
  QTest::newRow("cut in the middle") << good.left(good.size() / 2) << "beschädigt";
  QTest::newRow("cut at the end") << good.left(good.size() - 1) << "beschädigt";
  QTest::newRow("trailing bytes") << good + QByteArray("x") << "beschädigt";
  QByteArray future = good;
  future[8] = 9;
  QTest::newRow("newer version") << future << "neueren Programmversion";
  QByteArray hugeTitle = good;
  hugeTitle[10] = hugeTitle[11] = hugeTitle[12] = hugeTitle[13] = '\xff';
  QTest::newRow("title longer than the file") << hugeTitle << "beschädigt";
}

void EngineTest::damagedFilesAreRefused() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, message);
  try {
    DecodePreparedReport(bytes, QStringLiteral("x.qrp"));
    QFAIL("accepted");
  } catch (const EPreparedReportError& failure) {
    QVERIFY2(failure.Message().contains(message), qPrintable(failure.Message()));
    QVERIFY(failure.Message().contains("x.qrp"));
  }
}

void EngineTest::savingOverAFileThatCannotBeWrittenKeepsIt() {
  TempDir dir;
  // A folder in the way: the file cannot be written, and the folder stays.
  const QString path = QString::fromStdString(dir.File("bericht.qrp"));
  std::filesystem::create_directory(path.toStdString());
  QVERIFY_THROWS_EXCEPTION(EPreparedReportError, SavePreparedReport(Prepared(SmallReport(2)), path));
  QVERIFY(std::filesystem::is_directory(path.toStdString()));
  QCOMPARE(dir.Entries().size(), std::size_t{1});
}

void EngineTest::searchFindsRunsAndTheirRectangles() {
  TPreparedPage page;
  TTextRun run;
  run.rect = QRect(100, 200, 1000, 50);
  run.text = QStringLiteral("Lohn und lohn");
  page.items.push_back(TLine{});
  page.items.push_back(run);
  const auto any = FindOnPage(page, 3, QStringLiteral("LOHN"), false);
  QCOMPARE(any.size(), std::size_t{2});
  QCOMPARE(any[0].found, QStringLiteral("Lohn"));
  QCOMPARE(any[1].found, QStringLiteral("lohn"));
  QCOMPARE(any[0].page, 3);
  QVERIFY(any[0].rect.left() >= run.rect.left() && any[0].rect.right() < any[1].rect.left());
  QVERIFY(run.rect.contains(any[1].rect.center()));
  QCOMPARE(FindOnPage(page, 0, QStringLiteral("LOHN"), true).size(), std::size_t{0});
  QCOMPARE(FindOnPage(page, 0, QStringLiteral("lohn"), true).size(), std::size_t{1});
  QCOMPARE(FindOnPage(page, 0, QString(), false).size(), std::size_t{0});
}

QTEST_MAIN(EngineTest)
#include "engine_test.moc"
