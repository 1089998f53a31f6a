#pragma once
// The update's INI files on disk: Windows-1252 text, read whole and replaced
// atomically (temporary file, then rename), since every program of the suite reads them.
#include <optional>
#include <string>

#include "clients/ini_file.h"

namespace update {

// Settings files are a few kilobytes; a larger one is damaged or hostile.
inline constexpr std::uint64_t kMaxSettingsFileBytes = 1u << 20;

// Nothing when the file does not exist, cannot be read or is too large.
std::optional<clients::TQVCustomIniFile> ReadSettingsIni(const std::string& fileName);
// Replaces the file by the INI's text; raises rights::EFileError and leaves the old file as it was.
void WriteSettingsIni(const std::string& fileName, const clients::TQVCustomIniFile& ini);

}  // namespace update
