#ifdef _WIN32

#include <windows.h>

#include <algorithm>

#include "files.h"
#include "rights/regular_file.h"
#include "win_text.h"

namespace platform {

namespace {

std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text ? text : L"", length);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n')) message.pop_back();
  return detail::Narrow(message);
}

FileReadResult Failed(DWORD error) {
  FileReadResult result;
  switch (error) {
    case ERROR_FILE_NOT_FOUND: result.failure = OpenFailure::FileNotFound; break;
    case ERROR_PATH_NOT_FOUND: result.failure = OpenFailure::PathNotFound; break;
    case ERROR_ACCESS_DENIED: result.failure = OpenFailure::AccessDenied; break;
    default: result.failure = OpenFailure::Other; break;
  }
  result.systemCode = error;
  result.systemMessage = SystemMessage(error);
  return result;
}

// Reads to the end of the file; ERROR_SUCCESS or the failure.
DWORD ReadAll(HANDLE file, std::string& bytes) {
  char buffer[65536];
  for (;;) {
    DWORD count = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &count, nullptr)) return GetLastError();
    if (count == 0) return ERROR_SUCCESS;
    bytes.append(buffer, count);
  }
}

}  // namespace

bool IsOnNetworkDrive(const std::string& path) {
  const std::wstring wide = detail::Widen(path);
  if (wide.size() >= 2 && wide[0] == L'\\' && wide[1] == L'\\') return true;
  if (wide.size() < 2 || wide[1] != L':') return false;
  const std::wstring root = wide.substr(0, 2) + L"\\";
  return GetDriveTypeW(root.c_str()) == DRIVE_REMOTE;
}

FileReadResult ReadFileDenyingWrites(const std::string& fileName) {
  // A folder would answer "access denied", which is tried again 255 times.
  if (rights::KindOfFile(fileName) == rights::FileKind::NotRegular)
    return detail::NotRegularFile(fileName, ERROR_INVALID_FUNCTION);
  const HANDLE file = CreateFileW(detail::Widen(fileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Failed(GetLastError());
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return detail::NotRegularFile(fileName, ERROR_INVALID_FUNCTION);
  }
  FileReadResult result;
  const DWORD error = ReadAll(file, result.bytes);
  CloseHandle(file);
  return error == ERROR_SUCCESS ? result : Failed(error);
}

std::optional<std::string> TryReadFileShared(const std::string& fileName) {
  const HANDLE file = CreateFileW(detail::Widen(fileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  const DWORD error = ReadAll(file, bytes);
  CloseHandle(file);
  if (error != ERROR_SUCCESS) return std::nullopt;
  return bytes;
}

bool TryWriteFileExclusive(const std::string& fileName, const std::string& bytes) {
  const HANDLE file = CreateFileW(detail::Widen(fileName).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = SetEndOfFile(file) != FALSE;
  for (std::size_t done = 0; written && done < bytes.size();) {
    DWORD count = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    written = WriteFile(file, bytes.data() + done, chunk, &count, nullptr) != FALSE && count > 0;
    done += count;
  }
  written = written && FlushFileBuffers(file) != FALSE;
  CloseHandle(file);
  return written;
}

}  // namespace platform

#endif  // _WIN32
