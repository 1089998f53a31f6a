#pragma once
// Small reports for the tests: a header band that writes "Kopf <page>" and a
// detail band that writes its row's first value, on pages whose room is known.
#include <QStringList>

#include "reports/page_store.h"
#include "reports/report.h"

namespace reports_test {

using namespace reports;

// Header 20 mm, rows 10 mm: 277 mm - 20 mm leave room for 25 rows a page.
constexpr int kRowsPerPage = 25;

inline TQRReport SmallReport(int rows) {
  TQRReport report;
  report.title = QStringLiteral("Testbericht");
  report.rows.columns = {QStringLiteral("Wert")};
  for (int i = 0; i < rows; ++i) report.rows.rows.push_back({QStringLiteral("Zeile %1").arg(i + 1)});
  report.pageHeader.height = Mm(20);
  report.pageHeader.onPrint = [](TBandContext& band) {
    band.canvas.AddText(QRect(0, 0, band.rect.width(), Mm(5)), QStringLiteral("Kopf %1").arg(band.pageNumber));
  };
  report.detail.height = Mm(10);
  report.detail.onPrint = [](TBandContext& band) {
    band.canvas.AddText(QRect(0, 0, band.rect.width(), Mm(5)), band.values->at(0));
  };
  return report;
}

inline TPreparedReport Prepared(const TQRReport& report) {
  TQRPageStore store;
  report.Prepare(store);
  return store.Report();
}

// The texts of a page's text runs, in drawing order.
inline QStringList PageTexts(const TPreparedPage& page) {
  QStringList texts;
  for (const TPrimitive& item : page.items)
    if (const auto* run = std::get_if<TTextRun>(&item)) texts.append(run->text);
  return texts;
}

}  // namespace reports_test
