#pragma once
// The command line of one subcommand on QCommandLineParser: the command
// declares its arguments and options, the dispatcher parses, the command
// reads typed values. Every mistake is a Failure with ExitUsage.
#include <QCommandLineParser>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "command.h"

namespace qxr {

class CommandLine {
 public:
  explicit CommandLine(const Command& command);

  // Positional arguments, in order.
  void AddArgument(const char* name, const char* description);
  // Any number of further arguments, after all others.
  void AddRemainingArguments(const char* name, const char* description);
  void AddOption(const char* name, const char* valueName, const char* description);
  void AddFlag(const char* name, const char* description);
  void AddJsonFlag();

  // Parses the arguments after the command name. False when help was asked
  // for (the command then does not run).
  bool Parse(const QStringList& arguments);
  std::string HelpText() const;

  const char* CommandName() const { return fCommand.name; }
  std::string Argument(std::size_t index) const;
  std::vector<std::string> ArgumentsFrom(std::size_t index) const;

  bool IsSet(const char* name) const;
  bool Json() const { return IsSet("json"); }
  std::optional<std::string> Value(const char* name) const;
  std::string RequiredValue(const char* name) const;
  // A decimal number in [min, max] given to option name.
  std::int64_t IntegerValue(const char* name, std::int64_t min, std::int64_t max) const;

 private:
  void AddPositional(const char* name, const char* description, const std::string& syntax);
  void CheckArgumentCount() const;

  const Command& fCommand;
  QCommandLineParser fParser;
  std::size_t fRequired = 0;
  bool fRemaining = false;
  std::string fSyntax;  // " FILE LOGIN" for the usage line
};

// FILE, a rights file, and --json: the command line of the commands that show one file.
void DeclareRightsFileAndJson(CommandLine& line);

// A decimal number in [min, max], or nothing.
std::optional<std::int64_t> ParseInteger(const std::string& text, std::int64_t min, std::int64_t max);

}  // namespace qxr
