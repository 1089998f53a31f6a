#include "reports/pdf_export.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "reports/page_painter.h"

namespace reports {

bool TPdfExportFilter::Export(const TPreparedReport& report, const QString& path, const TExportProgress& progress) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    throw EExportError(QStringLiteral("Die Datei %1 kann nicht angelegt werden.\r%2").arg(path, file.errorString()));
  QPdfWriter writer(&file);
  writer.setTitle(report.title);
  writer.setCreator(QStringLiteral("rightsadmin"));
  writer.setResolution(600);
  const QSizeF paperMm(report.paper.width() / double(kUnitsPerMm), report.paper.height() / double(kUnitsPerMm));
  writer.setPageLayout(QPageLayout(QPageSize(paperMm, QPageSize::Millimeter), report.orientation, QMarginsF()));
  QPainter painter(&writer);
  const int total = static_cast<int>(report.pages.size());
  for (int i = 0; i < total; ++i) {
    if (i > 0) writer.newPage();
    PaintPage(painter, report.pages[i], report.PageSize(), QRectF(0, 0, writer.width(), writer.height()));
    if (progress && !progress(i + 1, total)) {
      painter.end();
      file.cancelWriting();
      return false;
    }
  }
  painter.end();
  if (!file.commit())
    throw EExportError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.\r%2").arg(path, file.errorString()));
  return true;
}

}  // namespace reports
