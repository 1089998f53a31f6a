#pragma once
// Whole-file reading and the safe replacement of a shared file. The system
// calls live in file_io_posix.cpp and file_io_win.cpp; each compiles to
// nothing on the other system.
#include <cstdint>
#include <filesystem>
#include <initializer_list>
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
// "Datei <name> kann nicht erstellt werden. <reason>", the message of every failed write.
std::string FileCreateErrorText(const std::string& fileName, const std::string& reason);

// Last-modification time of a file as FileImage::age has it; 0 when it cannot be read.
std::int64_t FileAge(const std::string& fileName);

// Files of the suite are far smaller; a larger one is damaged or hostile.
constexpr std::uint64_t MaxWholeFileBytes = 1ull << 30;

// The whole file, or nothing when it does not exist. EFileError when it exists
// but cannot be read, is no regular file (never blocks on a pipe or device),
// or is larger than maxBytes. The age is the opened file's own.
std::optional<FileImage> ReadWholeFile(const std::string& fileName, std::uint64_t maxBytes = MaxWholeFileBytes);

// At most the first count bytes of a regular file, with its age; nothing when
// it does not exist or cannot be read.
std::optional<FileImage> ReadFileStart(const std::string& fileName, std::size_t count);

// Mode of a file the replace creates: the suite's users share a group, others see nothing.
constexpr unsigned NewSharedFileMode = 0660;

// Replaces the file by the concatenated parts, safely:
// - a symbolic link is followed and the real file replaced beside itself;
// - a read-only target is refused, as an in-place write would be;
// - a temporary file with an unpredictable name is created exclusively (no
//   link followed), given the old file's owner and mode (NewSharedFileMode
//   for a new file) before any data, written, synced and renamed over the
//   target; the folder is synced after the rename;
// - when the folder allows no new file but the target is writable, the target
//   is overwritten in place (written, cut to length, synced): a crash then may
//   leave it half written;
// - temporary files of dead writers (TemporaryFilePattern) are removed.
// Callers that share the file hold its writers' lock (writers_lock.h). On any
// failure the old file stays as it was, the temporary file is removed and
// EFileError is raised. Returns the age (as FileAge gives it) of the file written.
std::int64_t WriteFileAtomically(const std::string& fileName,
                                 std::initializer_list<std::span<const std::uint8_t>> parts);

// The real file a path names: symbolic links followed (also a dangling one),
// the path itself when it names nothing.
std::filesystem::path ResolvedTarget(const std::filesystem::path& path);

// Temporary files of a replace are "." + target name + "." + 16 hex digits + ".tmp".
std::string TemporaryFileName(const std::filesystem::path& target);
bool IsTemporaryFileOf(const std::filesystem::path& target, const std::string& name);

namespace test_hooks {
// Replaces the source of temporary names (tests show what a planted name does);
// an empty function restores the random one.
void SetTemporaryNameSource(std::string (*source)(const std::filesystem::path& target));
}  // namespace test_hooks

}  // namespace rights
