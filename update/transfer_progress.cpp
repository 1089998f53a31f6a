#include "update/transfer_progress.h"

#include <algorithm>
#include <cstdio>

namespace update {
namespace {

constexpr const char* kUnknown = "unbekannt";

int Percent(std::int64_t part, std::int64_t whole) {
  if (whole <= 0) return 0;
  return static_cast<int>(std::min<std::int64_t>(100, part * 100 / whole));
}

}  // namespace

std::string FormatByteCount(std::int64_t bytes) {
  std::string digits = std::to_string(bytes);
  const std::ptrdiff_t firstDigit = bytes < 0 ? 1 : 0;
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > firstDigit; at -= 3)
    digits.insert(static_cast<std::size_t>(at), ".");
  return digits;
}

std::string FormatElapsed(std::int64_t milliseconds) {
  if (milliseconds < 0) milliseconds = 0;
  const std::int64_t seconds = milliseconds / 1000;
  char text[48];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  std::string result = text;
  if (seconds == 0) {
    std::snprintf(text, sizeof text, ".%03lld", static_cast<long long>(milliseconds));
    result += text;
  }
  return result;
}

TTransferProgress::TTransferProgress(std::int64_t totalBytes, std::int64_t startMs)
    : fTotal(totalBytes), fStart(startMs), fLastRefresh(startMs) {
  fTexts.Remaining = kUnknown;
  fTexts.BytesPerSecond = kUnknown;
}

void TTransferProgress::BeginFile(std::int64_t fileBytes) {
  fFileBytes = fileBytes;
  fFileDone = 0;
  fFirstEventOfFile = true;
}

bool TTransferProgress::Work(std::int64_t done, std::int64_t nowMs) {
  fFileDone = done;
  const bool complete = fFileBytes > 0 && done >= fFileBytes;
  if (!fFirstEventOfFile && !complete && nowMs - fLastRefresh < kRefreshMs) return false;
  fFirstEventOfFile = false;
  Refresh(nowMs);
  return true;
}

void TTransferProgress::EndFile(std::int64_t nowMs) {
  Refresh(nowMs);
  fFinishedBytes += fFileDone;
  fFileDone = 0;
  fFileBytes = 0;
}

void TTransferProgress::Refresh(std::int64_t nowMs) {
  fLastRefresh = nowMs;
  const std::int64_t elapsed = nowMs - fStart;
  const std::int64_t transferred = Transferred();
  fTexts.Elapsed = FormatElapsed(elapsed);
  fTexts.BytesTransferred = FormatByteCount(transferred);
  const std::int64_t wholeSeconds = elapsed / 1000;
  if (wholeSeconds > 0) fTexts.BytesPerSecond = FormatByteCount(transferred / wholeSeconds);
  else if (elapsed > 0) fTexts.BytesPerSecond = FormatByteCount(transferred * 1000 / elapsed);
  // The estimate changes only when a whole second has passed.
  if (transferred > 0 && wholeSeconds != fLastSecond) {
    fLastSecond = wholeSeconds;
    fTexts.Remaining = FormatElapsed(static_cast<std::int64_t>(static_cast<double>(elapsed) * static_cast<double>(fTotal) /
                                                               static_cast<double>(transferred)) -
                                     elapsed);
  }
  fTexts.FilePercent = Percent(fFileDone, fFileBytes);
  fTexts.TotalPercent = Percent(transferred, fTotal);
}

}  // namespace update
