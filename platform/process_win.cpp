#ifdef _WIN32

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <versionhelpers.h>

#include "desktop.h"
#include "process.h"
#include "win_text.h"

namespace platform {

using detail::Narrow;
using detail::Widen;

namespace {

std::string ShellFolder(int csidl) {
  wchar_t path[MAX_PATH];
  if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return {};
  return Narrow(path);
}

}  // namespace

std::string ProgramFile() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return Narrow(path.substr(0, length));
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 1; arguments && i < count; ++i) result.push_back(Narrow(arguments[i]));
  LocalFree(arguments);
  return result;
}

std::string EnvironmentVariable(const std::string& name) {
  const std::wstring wideName = Widen(name);
  const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
  value.resize(length);
  return Narrow(value);
}

std::optional<std::string> RunHiddenAndReadOutput(const std::string& commandLine) {
  SECURITY_ATTRIBUTES security{sizeof security, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &security, 0)) return std::nullopt;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.wShowWindow = SW_HIDE;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::wstring command = Widen(commandLine);
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    return std::nullopt;
  }
  std::string output;
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) && count > 0) output.append(buffer, count);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(readEnd);
  return output;
}

std::string ProgramFilesFolder() { return ShellFolder(CSIDL_PROGRAM_FILES); }

std::string CommonDocumentsFolder() { return ShellFolder(CSIDL_COMMON_DOCUMENTS); }

bool IsWindowsVersion6OrLater() { return IsWindowsVistaOrGreater(); }

bool IsRemoteSession() { return GetSystemMetrics(SM_REMOTESESSION) == 1; }

void ShowErrorBox(const std::string& caption, const std::string& text) {
  MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace platform

#endif  // _WIN32
