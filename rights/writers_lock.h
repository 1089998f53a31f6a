#pragma once
// The writers' lock of a shared file: writers of the rights file (the query
// library, qxr, the administration program) take turns through an exclusive
// system lock on "<file>.lock" beside the real file. A writer holds it from
// reading the current file until the new one is in place; readers never take it.
#include <chrono>
#include <cstdint>
#include <string>

namespace rights {

// How long a writer waits for another one before it gives up.
constexpr std::chrono::milliseconds DefaultWritersLockWait{10'000};

class TWritersLock {
 public:
  // Takes the lock of fileName, waiting at most `wait`; EFileError when another
  // writer holds it longer or the lock cannot be taken at all. Where the folder
  // takes no lock file, the file itself is locked.
  explicit TWritersLock(const std::string& fileName, std::chrono::milliseconds wait = DefaultWritersLockWait);
  ~TWritersLock();
  TWritersLock(const TWritersLock&) = delete;
  TWritersLock& operator=(const TWritersLock&) = delete;

  const std::string& FileName() const { return fFileName; }

  // "<real file>.lock": symbolic links are followed, so writers reaching the file
  // through different links share one lock.
  static std::string LockFileName(const std::string& fileName);

 private:
  std::string fFileName;
  std::intptr_t fHandle = -1;
};

// The message when another writer holds the lock too long.
std::string WritersLockBusyText(const std::string& fileName);

}  // namespace rights
