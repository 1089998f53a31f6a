#include "zip_ini_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileDevice>

#include "rights/codepage.h"
#include "rights/errors.h"
#include "rights/file_io.h"
#include "rights/regular_file.h"
#include "zip_archive.h"

namespace clients {

namespace {

const std::string kEntryName = "SETTINGS.INI";

std::string ReadAll(QIODevice& stream) {
  if (!stream.isSequential()) stream.seek(0);
  const QByteArray bytes = stream.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

void TZipIniFile::LoadFromStream(QIODevice& stream) {
  const auto* file = qobject_cast<QFileDevice*>(&stream);
  fUnreadableFile.clear();
  std::string content = ReadAll(stream);
  if (!fPassword.empty()) {
    const TZipExtraction extraction = ExtractZipEntry(content, kEntryName, rights::Utf8ToCp1252(fPassword));
    if (extraction.failed) {
      SetText("");
      if (file) fUnreadableFile = file->fileName().toStdString();
      return;
    }
    content = extraction.content.value_or("");
  }
  SetText(rights::Cp1252ToUtf8(content));
  if (file && file->size() != 0 && content.empty())
    throw EZipIniError("Konfigurationsdatei " + file->fileName().toStdString() + " enthält keine Daten");
}

bool TZipIniFile::SaveToStream(QIODevice& stream) {
  std::string content = rights::Utf8ToCp1252(GetText());
  if (!fPassword.empty()) {
    auto packed = PackZipEntry(kEntryName, content, rights::Utf8ToCp1252(fPassword));
    if (!packed) return false;
    content = std::move(*packed);
  }
  return stream.write(content.data(), static_cast<qint64>(content.size())) ==
         static_cast<qint64>(content.size());
}

void TZipIniFile::LoadFromFile(const std::string& fileName) {
  fFileName = fileName;
  fUnreadableFile.clear();
  Clear();
  if (!rights::RequireRegularFile(fileName)) return;
  QFile file(QString::fromStdString(fileName));
  if (!file.open(QIODevice::ReadOnly))
    throw rights::EFileError(rights::FileOpenErrorText(fileName, file.errorString().toStdString()));
  LoadFromStream(file);
}

void TZipIniFile::SaveToFile() {
  if (!fUnreadableFile.empty() && fUnreadableFile == fFileName)
    throw EZipIniError("Konfigurationsdatei " + fFileName +
                       " konnte mit dem Kennwort nicht gelesen werden und wird nicht überschrieben");
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!SaveToStream(buffer))
    throw EZipIniError("Konfigurationsdatei " + fFileName + " kann nicht gepackt werden");
  const QByteArray& bytes = buffer.data();
  rights::WriteFileAtomically(
      fFileName, {std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size()))});
}

}  // namespace clients
