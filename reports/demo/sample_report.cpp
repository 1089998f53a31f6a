#include "reports/demo/sample_report.h"

#include <memory>

namespace reports {

namespace {

const char* const kSubjects[] = {"Buchungen", "Kontenplan", "Anlagen", "Belege", "Kostenstellen", "Lohn",
                                 "Mahnwesen", "Zahlungsverkehr", "Auswertungen", "Stammdaten", "Inventur", "Schlagkartei"};
const char* const kActions[] = {"erfassen", "ändern", "löschen", "drucken", "exportieren", "abschließen", "ansehen"};
const char* const kModules[] = {"LED", "OIT", "BIL", "BUD", "AST", "FIG", "LSE", "FLG", "DOC"};

QString ModuleColumn(int row) {
  QString text;
  for (int m = 0; m < 9; ++m) text += ((row * 7 + m * 3) % 5 < 2) ? QString::fromLatin1(kModules[m]) + ' ' : QStringLiteral("    ");
  return text;
}

// Alternating shading: a row above the previous one means a new page, which starts grey.
struct TShading {
  int previousTop = 1 << 30;
  bool shadow = false;
};

}  // namespace

TQRReport SampleReport(int rows) {
  TQRReport report;
  report.title = QStringLiteral("Rechte - Liste");
  report.allowDuplex = true;
  report.rows.columns = {QStringLiteral("Nr"), QStringLiteral("Bezeichnung"), QStringLiteral("Module")};
  for (int i = 0; i < rows; ++i) {
    const QString name = QStringLiteral("%1 %2").arg(QString::fromUtf8(kSubjects[i % 12]), QString::fromUtf8(kActions[(i / 12) % 7]));
    report.rows.rows.push_back({QString::number(1000 + i), name, ModuleColumn(i)});
  }
  const int width = report.PrintableSize().width();
  report.pageHeader.height = Mm(13.5);
  report.pageHeader.onPrint = [width](TBandContext& band) {
    band.canvas.AddText(QRect(0, Mm(0.3), width, Mm(5.5)), QStringLiteral("Rechte - Liste"), 120, Qt::AlignHCenter | Qt::AlignTop,
                        Qt::black, true);
    band.canvas.AddText(QRect(0, Mm(7.5), Mm(20), Mm(5)), QStringLiteral("Nr"), 90);
    band.canvas.AddText(QRect(Mm(20), Mm(7.5), Mm(90), Mm(5)), QStringLiteral("Bezeichnung"), 90);
    band.canvas.AddText(QRect(Mm(130), Mm(7.5), Mm(40), Mm(5)), QStringLiteral("Module"), 90);
    band.canvas.AddText(QRect(0, Mm(6.6), width, Mm(5)), QStringLiteral("Seite %1").arg(band.pageNumber), 100,
                        Qt::AlignRight | Qt::AlignTop);
    band.canvas.AddLine(QPoint(0, band.rect.height() - Px(3)), QPoint(width, band.rect.height() - Px(3)));
  };
  report.detail.height = Mm(5);
  report.detail.onPrint = [](TBandContext& band) {
    const QStringList& row = *band.values;
    band.canvas.AddText(QRect(0, Mm(0.8), Mm(18), Mm(4)), row[0], 80);
    band.canvas.AddText(QRect(Mm(20), Mm(0.8), Mm(105), Mm(4)), row[1], 80);
    band.canvas.AddText(QRect(Mm(130), Mm(1.0), Mm(60), Mm(4)), row[2], 70, Qt::AlignLeft | Qt::AlignTop, Qt::black, false,
                        QStringLiteral("Courier New"));
    band.canvas.AddBox(QRect(Mm(125), Mm(1.2), Mm(2.4), Mm(2.4)));
  };
  auto shading = std::make_shared<TShading>();
  report.onBandColor = [shading](TBandContext& band) {
    if (shading->previousTop > band.rect.top()) shading->shadow = true;
    shading->previousTop = band.rect.top();
    band.background = shading->shadow ? QColor(224, 224, 224) : QColor(Qt::white);
    shading->shadow = !shading->shadow;
  };
  return report;
}

}  // namespace reports
