#pragma once
// Lets this process write files of at most `bytes` bytes while it lives, as a
// full disk would (writes beyond fail with EFBIG instead of killing the process).
#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &fOld);
    fOldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = fOld;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &fOld);
    std::signal(SIGXFSZ, fOldHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit fOld{};
  void (*fOldHandler)(int) = nullptr;
};
