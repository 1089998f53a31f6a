#pragma once
// Whole-file reading and atomic replacement of a file, on the standard library.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rights {

// Paths are UTF-8 inside the program.
std::filesystem::path PathFromUtf8(const std::string& utf8);

struct FileImage {
  std::vector<std::uint8_t> bytes;
  std::int64_t age = 0;  // last-modification time, only ever compared for equality
};

// "Datei <name> kann nicht geöffnet werden. <reason>", the message of every failed open.
std::string FileOpenErrorText(const std::string& fileName, const std::string& reason);

// Last-modification time of a file as FileImage::age has it; 0 when it cannot be read.
std::int64_t FileAge(const std::string& fileName);

// Files of the suite are far smaller; a larger one is damaged or hostile.
constexpr std::uint64_t MaxWholeFileBytes = 1ull << 30;

// The whole file, or nothing when it does not exist. EFileError when it exists
// but cannot be read, or is larger than maxBytes.
std::optional<FileImage> ReadWholeFile(const std::string& fileName, std::uint64_t maxBytes = MaxWholeFileBytes);

// Replaces the file by the concatenated parts: a temporary file in the same
// folder is written, flushed and renamed over the old one. On any failure the
// old file stays as it was, the temporary file is removed and EFileError is raised.
// Returns the age (as FileAge gives it) of the file written.
std::int64_t WriteFileAtomically(const std::string& fileName,
                                 std::initializer_list<std::span<const std::uint8_t>> parts);

}  // namespace rights
