#pragma once
// The running program: its file, command line and environment, and running
// other programs. Texts are UTF-8.
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Full name of the running program file; empty when it cannot be determined.
std::string ProgramFile();
// The command-line parameters after the program name.
std::vector<std::string> CommandLineArguments();
// Empty when the variable is not set.
std::string EnvironmentVariable(const std::string& name);
// Runs a command line without a window and returns what it wrote to standard
// output; nothing when it cannot be started.
std::optional<std::string> RunHiddenAndReadOutput(const std::string& commandLine);

}  // namespace platform
