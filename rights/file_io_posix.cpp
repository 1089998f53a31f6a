// The file calls of file_io.h on POSIX systems.
#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>

#include "errors.h"
#include "file_io.h"

namespace rights {

namespace fs = std::filesystem;

namespace {

// A temporary file nobody holds is a dead writer's once it is this old, where
// the system cannot tell whether it is held.
constexpr std::time_t kStaleSeconds = 5 * 60;

std::string SystemText(int error) { return std::strerror(error); }

std::int64_t AgeOf(const struct stat& status) {
  return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
}

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fFd(fd) {}
  ~Descriptor() {
    if (fFd >= 0) ::close(fFd);
  }
  Descriptor(Descriptor&& other) noexcept : fFd(other.fFd) { other.fFd = -1; }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fFd; }
  bool Valid() const { return fFd >= 0; }

 private:
  int fFd;
};

struct OpenedForReading {
  Descriptor fd;
  struct stat status {};
};

// Opens without blocking (a pipe would wait for a writer) and accepts regular files only.
// Nothing when the file does not exist.
std::optional<OpenedForReading> OpenRegularFile(const std::string& fileName, int& error) {
  OpenedForReading opened{Descriptor(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)), {}};
  if (!opened.fd.Valid()) {
    error = errno;
    return std::nullopt;
  }
  if (::fstat(opened.fd.Get(), &opened.status) != 0) {
    error = errno;
    return std::nullopt;
  }
  if (!S_ISREG(opened.status.st_mode)) {
    error = EISDIR;  // any non-regular kind; the caller words it
    return std::nullopt;
  }
  return opened;
}

std::size_t ReadUpTo(int fd, std::uint8_t* data, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(fd, data + done, count - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw std::system_error(errno, std::generic_category());
    if (got == 0) break;  // a file that shrank while we read it keeps what was there
    done += static_cast<std::size_t>(got);
  }
  return done;
}

void WriteAll(int fd, std::span<const std::uint8_t> bytes, off_t offset) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) throw std::system_error(put < 0 ? errno : EIO, std::generic_category());
    done += static_cast<std::size_t>(put);
  }
}

// Returns the length written.
off_t WriteParts(int fd, std::initializer_list<std::span<const std::uint8_t>> parts) {
  off_t offset = 0;
  for (const auto part : parts) {
    WriteAll(fd, part, offset);
    offset += static_cast<off_t>(part.size());
  }
  return offset;
}

void Check(int result) {
  if (result != 0) throw std::system_error(errno, std::generic_category());
}

std::int64_t SyncAndAge(int fd) {
  Check(::fsync(fd));
  struct stat status {};
  Check(::fstat(fd, &status));
  return AgeOf(status);
}

bool TryLockWhole(int fd, int command, short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  return ::fcntl(fd, command, &lock) == 0;
}

fs::path FolderOf(const fs::path& target) {
  return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// A temporary file of ours that no living writer holds.
bool IsAbandoned(const fs::path& path) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (!fd.Valid() || ::fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  struct flock probe {};
  probe.l_type = F_WRLCK;
  probe.l_whence = SEEK_SET;
#ifdef F_OFD_GETLK
  if (::fcntl(fd.Get(), F_OFD_GETLK, &probe) == 0) return probe.l_type == F_UNLCK;
#endif
  return std::time(nullptr) - status.st_mtime > kStaleSeconds;
}

void RemoveAbandonedTemporaries(const fs::path& target) {
  const fs::path folder = FolderOf(target);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (IsTemporaryFileOf(target, name) && IsAbandoned(folder / name)) ::unlink((folder / name).c_str());
  }
  ::closedir(dir);
}

// Holds the temporary file while it lives, so other writers see it is not abandoned.
void MarkInUse(int fd) {
#ifdef F_OFD_SETLK
  if (TryLockWhole(fd, F_OFD_SETLK, F_WRLCK)) return;
#endif
  TryLockWhole(fd, F_SETLK, F_WRLCK);
}

// Created exclusively, never through a link; a name taken already is passed over.
Descriptor CreateTemporary(const fs::path& target, fs::path& temp, int& error) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    temp = FolderOf(target) / TemporaryFileName(target);
    Descriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.Valid()) return fd;
    error = errno;
    if (error != EEXIST) break;
  }
  temp.clear();
  return Descriptor();
}

void TakeOverOwnerAndMode(int fd, const struct stat* old) {
  if (old != nullptr && ::fchown(fd, old->st_uid, old->st_gid) != 0)
    (void)::fchown(fd, static_cast<uid_t>(-1), old->st_gid);  // at least the shared group
  Check(::fchmod(fd, old != nullptr ? (old->st_mode & 07777) : NewSharedFileMode));
}

void SyncFolder(const fs::path& target) {
  Descriptor dir(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Valid()) (void)::fsync(dir.Get());  // some file systems cannot sync a folder
}

bool IsReadOnly(const fs::path& target, const struct stat& status) {
  return (status.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0;
}

std::int64_t WriteInPlace(const fs::path& target, std::initializer_list<std::span<const std::uint8_t>> parts) {
  Descriptor fd(::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
  if (!fd.Valid()) throw std::system_error(errno, std::generic_category());
  const off_t length = WriteParts(fd.Get(), parts);
  Check(::ftruncate(fd.Get(), length));
  return SyncAndAge(fd.Get());
}

std::int64_t ReplaceThroughTemporary(const fs::path& target, const struct stat* old, Descriptor& fd,
                                     const fs::path& temp,
                                     std::initializer_list<std::span<const std::uint8_t>> parts) {
  try {
    MarkInUse(fd.Get());
    TakeOverOwnerAndMode(fd.Get(), old);
    WriteParts(fd.Get(), parts);
    // Taken before the rename, which keeps it: after it another writer may
    // already have replaced the file again.
    const std::int64_t age = SyncAndAge(fd.Get());
    Check(::rename(temp.c_str(), target.c_str()));
    SyncFolder(target);
    return age;
  } catch (...) {
    ::unlink(temp.c_str());
    throw;
  }
}

}  // namespace

std::int64_t FileAge(const std::string& fileName) {
  struct stat status {};
  if (::stat(fileName.c_str(), &status) != 0) return 0;
  return AgeOf(status);
}

std::optional<FileImage> ReadWholeFile(const std::string& fileName, std::uint64_t maxBytes) {
  int error = 0;
  auto opened = OpenRegularFile(fileName, error);
  if (!opened) {
    if (error == ENOENT || error == ENOTDIR) return std::nullopt;
    if (error == EISDIR) throw EFileError(FileOpenErrorText(fileName, "Es ist keine gewöhnliche Datei."));
    throw EFileError(FileOpenErrorText(fileName, SystemText(error)));
  }
  const auto size = static_cast<std::uint64_t>(opened->status.st_size);
  if (size > maxBytes)
    throw EFileError(FileOpenErrorText(fileName, "Die Datei ist zu groß (" + std::to_string(size) + " Bytes)."));
  FileImage image;
  image.age = AgeOf(opened->status);
  image.bytes.resize(static_cast<std::size_t>(size));
  try {
    image.bytes.resize(ReadUpTo(opened->fd.Get(), image.bytes.data(), image.bytes.size()));
  } catch (const std::system_error& failure) {
    throw EFileError(FileOpenErrorText(fileName, failure.code().message()));
  }
  return image;
}

std::optional<FileImage> ReadFileStart(const std::string& fileName, std::size_t count) {
  int error = 0;
  auto opened = OpenRegularFile(fileName, error);
  if (!opened) return std::nullopt;
  FileImage image;
  image.age = AgeOf(opened->status);
  image.bytes.resize(count);
  try {
    image.bytes.resize(ReadUpTo(opened->fd.Get(), image.bytes.data(), count));
  } catch (const std::system_error&) {
    return std::nullopt;
  }
  return image;
}

std::int64_t WriteFileAtomically(const std::string& fileName,
                                 std::initializer_list<std::span<const std::uint8_t>> parts) {
  const fs::path target = ResolvedTarget(PathFromUtf8(fileName));
  struct stat old {};
  const bool exists = ::lstat(target.c_str(), &old) == 0;
  try {
    if (exists && !S_ISREG(old.st_mode)) throw std::system_error(EISDIR, std::generic_category());
    if (exists && IsReadOnly(target, old))
      throw EFileError(FileCreateErrorText(fileName, "Die Datei ist schreibgeschützt."));
    RemoveAbandonedTemporaries(target);
    fs::path temp;
    int error = 0;
    Descriptor fd = CreateTemporary(target, temp, error);
    if (fd.Valid()) return ReplaceThroughTemporary(target, exists ? &old : nullptr, fd, temp, parts);
    // A folder that takes no new file: the other programs of the suite write in place there.
    if (exists && (error == EACCES || error == EPERM)) return WriteInPlace(target, parts);
    throw std::system_error(error, std::generic_category());
  } catch (const std::system_error& failure) {
    throw EFileError(FileCreateErrorText(fileName, failure.code().message()));
  }
}

}  // namespace rights

#endif  // _WIN32
