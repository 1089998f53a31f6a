#include "reports/csv_export.h"

#include <QSaveFile>

namespace reports {

namespace {

QString Field(const QString& value) {
  if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\n')) &&
      !value.contains(QLatin1Char('\r')))
    return value;
  QString quoted = value;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Line(const QStringList& values) {
  QStringList fields;
  for (const QString& value : values) fields.append(Field(value));
  return fields.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

}  // namespace

QByteArray TCsvExportFilter::Encode(const TReportRows& rows) {
  QString text = Line(rows.columns);
  for (const QStringList& row : rows.rows) text += Line(row);
  return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool TCsvExportFilter::Export(const TPreparedReport& report, const QString& path, const TExportProgress& progress) {
  QSaveFile file(path);
  const QByteArray bytes = Encode(report.rows);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw EExportError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.\r%2").arg(path, file.errorString()));
  if (progress) progress(1, 1);
  return true;
}

}  // namespace reports
