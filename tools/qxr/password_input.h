#pragma once
// New passwords come from standard input only, never from the command line.
#include <string>

namespace qxr {

// On a terminal: asked twice without echo, prompts on standard error.
// Otherwise the first line of standard input. Refuses an empty password, one
// longer than the file keeps, and characters the file cannot store as typed.
std::string ReadNewPassword(const std::string& prompt);

}  // namespace qxr
