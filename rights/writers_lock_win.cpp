// The writers' lock on Windows: LockFileEx on the lock file, which the file
// server keeps for the network share.
#ifdef _WIN32

#include <windows.h>

#include <system_error>
#include <thread>

#include "errors.h"
#include "file_io.h"
#include "writers_lock.h"

namespace rights {

namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(20);

HANDLE OpenForLocking(const std::filesystem::path& path, DWORD disposition) {
  return ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool TryLock(HANDLE handle) {
  OVERLAPPED whole{};
  return ::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole);
}

std::string SystemText(DWORD error) { return std::system_category().message(static_cast<int>(error)); }

}  // namespace

TWritersLock::TWritersLock(const std::string& fileName, std::chrono::milliseconds wait) : fFileName(fileName) {
  const std::string lockName = LockFileName(fileName);
  HANDLE handle = OpenForLocking(PathFromUtf8(lockName), OPEN_ALWAYS);
  if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED)
    handle = OpenForLocking(ResolvedTarget(PathFromUtf8(fileName)), OPEN_EXISTING);
  if (handle == INVALID_HANDLE_VALUE) throw EFileError(FileCreateErrorText(lockName, SystemText(::GetLastError())));
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (!TryLock(handle)) {
    const DWORD error = ::GetLastError();
    if (error != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= deadline) {
      ::CloseHandle(handle);
      if (error != ERROR_LOCK_VIOLATION) throw EFileError(FileCreateErrorText(lockName, SystemText(error)));
      throw EFileError(WritersLockBusyText(fileName));
    }
    std::this_thread::sleep_for(kRetryPause);
  }
  fHandle = reinterpret_cast<std::intptr_t>(handle);
}

TWritersLock::~TWritersLock() {
  if (fHandle != -1) ::CloseHandle(reinterpret_cast<HANDLE>(fHandle));  // closing releases the lock
}

}  // namespace rights

#endif  // _WIN32
