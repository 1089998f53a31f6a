#ifdef _WIN32

#include <windows.h>

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
  char buffer[65536];
  for (;;) {
    DWORD count = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &count, nullptr)) {
      const DWORD error = GetLastError();
      CloseHandle(file);
      return Failed(error);
    }
    if (count == 0) break;
    result.bytes.append(buffer, count);
  }
  CloseHandle(file);
  return result;
}

}  // namespace platform

#endif  // _WIN32
