#pragma once
// Terminal servers: application mode and the per-user data folders of
// terminal users. Each answer is computed once per process.
#include <string>
#include <string_view>

namespace clients {

// Whether the program runs in a remote session of a terminal server in
// application mode. Never on systems without terminal servers.
bool IsTerminalAppMode();
// The terminal user's number and a path delimiter ("12\\"), or empty.
std::string TerminalUserFolder();
// Whether the program runs in the maker's hosted terminal environment. No such
// environment is known to this build, so always false.
bool IsHostedTerminal();

// Whether the output of "change user /query" says application mode is on.
bool IsAppModeAnswer(std::string_view output);
// The folder for a terminal user named "<number>_<name>": from userName, or
// from terminalUserName when userName holds no "_".
std::string TerminalUserFolderOf(const std::string& userName, const std::string& terminalUserName);

}  // namespace clients
