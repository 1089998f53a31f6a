#ifndef _WIN32

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "files.h"
#include "rights/file_io.h"
#include "rights/regular_file.h"

namespace platform {

namespace {

// Super-block magic numbers of the network file systems (linux/magic.h and the
// file systems' own headers). 9P is left out: it also carries local Windows drives.
constexpr std::array<unsigned long, 9> kNetworkFileSystems = {
    0x6969,      // NFS
    0x517B,      // SMB
    0xFF534D42,  // CIFS
    0xFE534D42,  // SMB2/3
    0x564C,      // NCP
    0x73757245,  // Coda
    0x5346414F,  // AFS
    0x6B414653,  // kAFS
    0x00C36400,  // Ceph
};

// statfs needs something that exists: the nearest existing folder above a path.
std::filesystem::path NearestExisting(std::filesystem::path path) {
  std::error_code error;
  path = std::filesystem::absolute(path, error);
  while (!path.empty() && !std::filesystem::exists(path, error) && path != path.root_path())
    path = path.parent_path();
  return path;
}

OpenFailure Classify(int error, const std::string& fileName) {
  switch (error) {
    case ENOENT: {
      // Windows tells a missing folder from a missing file; so do we.
      std::error_code ignored;
      const auto parent = std::filesystem::absolute(rights::PathFromUtf8(fileName), ignored).parent_path();
      return std::filesystem::is_directory(parent, ignored) ? OpenFailure::FileNotFound
                                                            : OpenFailure::PathNotFound;
    }
    case ENOTDIR:
      return OpenFailure::PathNotFound;
    case EACCES:
    case EPERM:
      return OpenFailure::AccessDenied;
    default:
      return OpenFailure::Other;
  }
}

FileReadResult Failed(int error, const std::string& fileName) {
  FileReadResult result;
  result.failure = Classify(error, fileName);
  result.systemCode = static_cast<std::uint32_t>(error);
  result.systemMessage = std::strerror(error);
  return result;
}

// Reads to the end of the file; 0 or the errno of the failure.
int ReadAll(int fd, std::string& bytes) {
  std::array<char, 65536> buffer;
  for (;;) {
    const ssize_t count = read(fd, buffer.data(), buffer.size());
    if (count == 0) return 0;
    if (count < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.append(buffer.data(), static_cast<std::size_t>(count));
  }
}

}  // namespace

bool IsOnNetworkDrive(const std::string& path) {
  const auto existing = NearestExisting(rights::PathFromUtf8(path));
  struct statfs info {};
  if (existing.empty() || statfs(existing.c_str(), &info) != 0) return false;
  const auto type = static_cast<unsigned long>(info.f_type) & 0xFFFFFFFFUL;
  for (const unsigned long network : kNetworkFileSystems)
    if (type == network) return true;
  return false;
}

FileReadResult ReadFileDenyingWrites(const std::string& fileName) {
  if (rights::KindOfFile(fileName) == rights::FileKind::NotRegular)
    return detail::NotRegularFile(fileName, EINVAL);
  // Non-blocking, should a pipe have taken the file's place since the look above.
  const int fd = open(rights::PathFromUtf8(fileName).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Failed(errno, fileName);
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return detail::NotRegularFile(fileName, EINVAL);
  }
  FileReadResult result;
  const int error = ReadAll(fd, result.bytes);
  close(fd);
  return error == 0 ? result : Failed(error, fileName);
}

std::optional<std::string> TryReadFileShared(const std::string& fileName) {
  const int fd = open(rights::PathFromUtf8(fileName).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  const bool read = flock(fd, LOCK_SH | LOCK_NB) == 0 && ReadAll(fd, bytes) == 0;
  close(fd);  // releases the lock
  if (!read) return std::nullopt;
  return bytes;
}

bool TryWriteFileExclusive(const std::string& fileName, const std::string& bytes) {
  // Not O_TRUNC: the content may only go once the lock is ours.
  const int fd = open(rights::PathFromUtf8(fileName).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool written = flock(fd, LOCK_EX | LOCK_NB) == 0 && ftruncate(fd, 0) == 0;
  for (std::size_t done = 0; written && done < bytes.size();) {
    const ssize_t count = write(fd, bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    written = count > 0;
    if (written) done += static_cast<std::size_t>(count);
  }
  written = written && fsync(fd) == 0;
  close(fd);
  return written;
}

}  // namespace platform

#endif  // !_WIN32
