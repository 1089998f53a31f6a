#include "reports/png_export.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "reports/page_painter.h"

namespace reports {

QString TPngExportFilter::PageFileName(const QString& path, int pageNumber, int pageCount) {
  if (pageCount <= 1) return path;
  const QFileInfo info(path);
  const int digits = static_cast<int>(QString::number(pageCount).size());
  const QString suffix = info.suffix().isEmpty() ? QStringLiteral("png") : info.suffix();
  return info.dir().filePath(
      QStringLiteral("%1_%2.%3").arg(info.completeBaseName()).arg(pageNumber, digits, 10, QLatin1Char('0')).arg(suffix));
}

bool TPngExportFilter::Export(const TPreparedReport& report, const QString& path, const TExportProgress& progress) {
  const int total = static_cast<int>(report.pages.size());
  const int width = static_cast<int>(report.PageSize().width() / double(kUnitsPerMm) / 25.4 * kDotsPerInch + 0.5);
  for (int i = 0; i < total; ++i) {
    const QString name = PageFileName(path, i + 1, total);
    QImage image = RenderPage(report.pages[i], report.PageSize(), width);
    const int dotsPerMetre = static_cast<int>(kDotsPerInch / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
      throw EExportError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.\r%2").arg(name, file.errorString()));
    if (progress && !progress(i + 1, total)) return false;
  }
  return true;
}

}  // namespace reports
