#pragma once
// Files and folders as the suite's settings code needs them. Names are UTF-8.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

#ifdef _WIN32
inline constexpr char kPathDelimiter = '\\';
#else
inline constexpr char kPathDelimiter = '/';
#endif

// Nothing when the time cannot be read.
std::optional<std::chrono::system_clock::time_point> FileLastWriteTime(const std::string& fileName);

bool FileExists(const std::string& fileName);
bool FolderExists(const std::string& folder);
// Creates the folder with its missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& folder);
// The absolute, normalised form of a file name.
std::string ExpandFileName(const std::string& fileName);

// Whether the path lies on a network drive: a remote drive or UNC path on
// Windows, a network file system (NFS, SMB/CIFS and the like) elsewhere.
// Anything that cannot be determined counts as local.
bool IsOnNetworkDrive(const std::string& path);

// NotRegularFile: a folder, pipe or device stands at the path; it is refused
// without waiting for it.
enum class OpenFailure { None, FileNotFound, PathNotFound, AccessDenied, NotRegularFile, Other };

struct FileReadResult {
  OpenFailure failure = OpenFailure::None;
  std::uint32_t systemCode = 0;  // the system's own error number (errno, GetLastError)
  std::string systemMessage;     // the system's text for it
  std::string bytes;
};

// Reads the whole file while others may read it but not write it (where the
// system has share modes; elsewhere readers and writers do not exclude each other).
// Only a regular file is read; opening never blocks.
FileReadResult ReadFileDenyingWrites(const std::string& fileName);

// Reads the whole file unless another program holds it exclusively (Windows:
// opened sharing reads only; elsewhere a shared flock). Nothing when the file
// cannot be opened or is held.
std::optional<std::string> TryReadFileShared(const std::string& fileName);
// Replaces the file's content while holding it exclusively (Windows: opened
// sharing nothing; elsewhere an exclusive flock taken before truncating). False
// when the file cannot be opened, is held by another program, or writing fails.
bool TryWriteFileExclusive(const std::string& fileName, const std::string& bytes);
namespace detail {
// The refusal of a path that holds no regular file; systemCode is the system's nearest error.
FileReadResult NotRegularFile(const std::string& fileName, std::uint32_t systemCode);
}  // namespace detail

}  // namespace platform
