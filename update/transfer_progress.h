#pragma once
// The figures of the transfer window, computed from the work events and a
// clock in milliseconds (injected, so tests can name the times).
#include <cstdint>
#include <string>

namespace update {

// "1.234.567": "." between groups of three digits.
std::string FormatByteCount(std::int64_t bytes);
// "hh:mm:ss" (hours may exceed two digits), with ".mmm" added below one second.
std::string FormatElapsed(std::int64_t milliseconds);

struct TTransferTexts {
  std::string Elapsed;          // "Verstrichene Zeit:"
  std::string Remaining;        // "Verbleibende Zeit:"
  std::string BytesTransferred;  // "Bytes übertragen:"
  std::string BytesPerSecond;   // "Bytes/Sekunde:"
  int FilePercent = 0;
  int TotalPercent = 0;
};

class TTransferProgress {
 public:
  static constexpr std::int64_t kRefreshMs = 20;

  // All files' bytes; the transfer starts at startMs.
  TTransferProgress(std::int64_t totalBytes, std::int64_t startMs);

  // A new file of fileBytes begins; its first work event forces a refresh.
  void BeginFile(std::int64_t fileBytes);
  // The current file has done bytes at nowMs. True when the texts changed
  // (at most every 20 ms, always on the file's first event and when it is complete).
  bool Work(std::int64_t done, std::int64_t nowMs);
  // The current file is finished: its bytes count as done; refreshes.
  void EndFile(std::int64_t nowMs);

  const TTransferTexts& Texts() const { return fTexts; }
  std::int64_t Transferred() const { return fFinishedBytes + fFileDone; }

 private:
  void Refresh(std::int64_t nowMs);

  std::int64_t fTotal;
  std::int64_t fStart;
  std::int64_t fFileBytes = 0;
  std::int64_t fFileDone = 0;
  std::int64_t fFinishedBytes = 0;
  std::int64_t fLastRefresh = 0;
  std::int64_t fLastSecond = -1;
  bool fFirstEventOfFile = true;
  TTransferTexts fTexts;
};

}  // namespace update
