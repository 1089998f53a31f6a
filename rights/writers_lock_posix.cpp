// The writers' lock on POSIX systems: an open-file-description lock (fcntl),
// which NFS and SMB mounts pass on to the server; a plain process lock where
// the system has none.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "errors.h"
#include "file_io.h"
#include "writers_lock.h"

namespace rights {

namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(20);

// The lock file, created for the suite's shared group; -1 with errno set when
// the folder takes no new file.
int OpenLockFile(const std::string& lockName) {
  int fd = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, NewSharedFileMode);
  if (fd >= 0) {
    (void)::fchmod(fd, NewSharedFileMode);  // past the umask
    return fd;
  }
  if (errno != EEXIST) return -1;
  return ::open(lockName.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
}

// 0 when taken, else the errno of the last try.
int TryLock(int fd) {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
#ifdef F_OFD_SETLK
  if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return 0;
  if (errno != EINVAL) return errno;
#endif
  return ::fcntl(fd, F_SETLK, &lock) == 0 ? 0 : errno;
}

bool HeldByAnother(int error) { return error == EAGAIN || error == EACCES || error == EINTR; }

}  // namespace

TWritersLock::TWritersLock(const std::string& fileName, std::chrono::milliseconds wait) : fFileName(fileName) {
  const std::string lockName = LockFileName(fileName);
  int fd = OpenLockFile(lockName);
  if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
    fd = ::open(ResolvedTarget(PathFromUtf8(fileName)).c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) throw EFileError(FileCreateErrorText(lockName, std::strerror(errno)));
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const int error = TryLock(fd);
    if (error == 0) break;
    if (!HeldByAnother(error) || std::chrono::steady_clock::now() >= deadline) {
      ::close(fd);
      if (!HeldByAnother(error)) throw EFileError(FileCreateErrorText(lockName, std::strerror(error)));
      throw EFileError(WritersLockBusyText(fileName));
    }
    std::this_thread::sleep_for(kRetryPause);
  }
  fHandle = fd;
}

TWritersLock::~TWritersLock() {
  if (fHandle >= 0) ::close(static_cast<int>(fHandle));  // closing releases the lock
}

}  // namespace rights

#endif  // _WIN32
