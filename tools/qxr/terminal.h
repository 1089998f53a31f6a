#pragma once
// The console qxr runs in: the one place that knows the operating system.
#include <optional>
#include <string>

namespace qxr {

// Lets the console show the UTF-8 that qxr prints (Windows); nothing elsewhere.
void PrepareConsole();

bool StdinIsTerminal();

// One line of standard input without its line end; on a terminal without
// echo when hideEcho is set. Nothing at the end of the input.
std::optional<std::string> ReadStdinLine(bool hideEcho);

}  // namespace qxr
