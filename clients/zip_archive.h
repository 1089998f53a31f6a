#pragma once
// One entry of a ZIP archive held in memory, read and written through libzip
// with the traditional PKWARE encryption that every ZIP tool reads.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace clients {

// Entries larger than this are refused: a settings file never comes near it,
// and a forged size must not make us allocate.
inline constexpr std::size_t kMaxZipEntrySize = 16 * 1024 * 1024;

struct TZipExtraction {
  bool failed = false;                 // not an archive, wrong password, damaged data
  std::optional<std::string> content;  // nothing when the archive has no such entry
};

// The entry's bytes; the name compares without regard to case or folder.
TZipExtraction ExtractZipEntry(std::string_view archive, const std::string& entryName,
                               const std::string& password);

// An archive holding only this entry, deflated at level 9 and, with a password,
// encrypted; nothing when packing fails.
std::optional<std::string> PackZipEntry(const std::string& entryName, std::string_view content,
                                        const std::string& password);

}  // namespace clients
