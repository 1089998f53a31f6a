#include "terminal.h"

#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/process.h"

namespace clients {

bool IsAppModeAnswer(std::string_view output) {
  if (output.size() < 4) return false;
  output.remove_suffix(3);  // the line break and the prompt's remains
  return output.ends_with("Anwendungen ist aktiviert.");
}

std::string TerminalUserFolderOf(const std::string& userName, const std::string& terminalUserName) {
  const std::string& name = userName.find('_') != std::string::npos ? userName : terminalUserName;
  const std::size_t underscore = name.find('_');
  if (underscore == std::string::npos) return {};
  const std::string number = name.substr(0, underscore);
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return {};
  return number + platform::kPathDelimiter;
}

bool IsTerminalAppMode() {
  static const bool appMode = [] {
    if (!platform::IsRemoteSession()) return false;
    const auto output = platform::RunHiddenAndReadOutput("cmd /c \"change user /query\"");
    return output && IsAppModeAnswer(*output);
  }();
  return appMode;
}

std::string TerminalUserFolder() {
  static const std::string folder =
      IsTerminalAppMode() ? TerminalUserFolderOf(platform::EnvironmentVariable("USERNAME"),
                                                  platform::EnvironmentVariable("TERMINAL_USERNAME"))
                          : std::string();
  return folder;
}

bool IsHostedTerminal() { return false; }

}  // namespace clients
