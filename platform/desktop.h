#pragma once
// The machine and the user's session: shell folders, remote sessions and the
// message box a program shows before it has any window.
#include <string>

namespace platform {

// Windows: the shell's program files folder; elsewhere /opt. Empty when unknown.
std::string ProgramFilesFolder();
// Windows: the shell's common documents folder; elsewhere /srv. Empty when unknown.
std::string CommonDocumentsFolder();
// Windows NT 6.0 or later; other systems count as such.
bool IsWindowsVersion6OrLater();
// Whether the program runs in a remote desktop session; never elsewhere.
bool IsRemoteSession();
// An error message with its caption. Elsewhere than on Windows there is no
// window yet, so it goes to standard error.
void ShowErrorBox(const std::string& caption, const std::string& text);

}  // namespace platform
