#include "update/settings_text_file.h"

#include <span>

#include "rights/codepage.h"
#include "rights/errors.h"
#include "rights/file_io.h"

namespace update {

std::optional<clients::TQVCustomIniFile> ReadSettingsIni(const std::string& fileName) {
  std::optional<rights::FileImage> image;
  try {
    image = rights::ReadWholeFile(fileName, kMaxSettingsFileBytes);
  } catch (const rights::EFileError&) {
    return std::nullopt;
  }
  if (!image) return std::nullopt;
  clients::TQVCustomIniFile ini;
  ini.SetText(rights::Cp1252ToUtf8(
      std::string_view(reinterpret_cast<const char*>(image->bytes.data()), image->bytes.size())));
  return ini;
}

void WriteSettingsIni(const std::string& fileName, const clients::TQVCustomIniFile& ini) {
  const std::string text = rights::Utf8ToCp1252(ini.GetText());
  rights::WriteFileAtomically(
      fileName, {std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())});
}

}  // namespace update
