#pragma once
// A subcommand of qxr: its name, what it declares on the command line and what
// it does. Commands report failures by throwing Failure with their exit code.
#include <stdexcept>
#include <string>

namespace qxr {

class CommandLine;

enum ExitCode : int {
  ExitOk = 0,
  ExitCheckFailed = 1,  // a check failed, or a user, right or password was refused
  ExitUsage = 2,
  ExitFileError = 3,  // a file could not be read or written
};

class Failure : public std::runtime_error {
 public:
  Failure(ExitCode code, const std::string& message) : std::runtime_error(message), fCode(code) {}
  ExitCode Code() const { return fCode; }

 private:
  ExitCode fCode;
};

struct Command {
  const char* name;
  const char* summary;             // one line of `qxr --help`
  void (*declare)(CommandLine&);   // its arguments and options
  int (*run)(const CommandLine&);  // the exit code
};

}  // namespace qxr
