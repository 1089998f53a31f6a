#include "dispatch.h"

#include <algorithm>
#include <new>
#include <string>
#include <string_view>

#include "command_line.h"
#include "commands.h"
#include "output.h"

namespace qxr {

namespace {

std::string OverviewText() {
  std::string text =
      "Usage: qxr COMMAND [options] [arguments]\n"
      "Inspects, checks and edits rights files (QVRights.qxr) and rights catalogs.\n\n"
      "Commands:\n";
  std::size_t width = 0;
  for (const Command* command : AllCommands()) width = std::max(width, std::string_view(command->name).size());
  for (const Command* command : AllCommands()) {
    std::string name = command->name;
    name.resize(width + 2, ' ');
    text += "  " + name + command->summary + "\n";
  }
  text +=
      "\n\"qxr COMMAND --help\" describes a command.\n"
      "Exit codes: 0 success, 1 a check failed, 2 usage error, 3 a file could not be read or written.";
  return text;
}

int RunCommand(const Command& command, const QStringList& arguments) {
  CommandLine line(command);
  command.declare(line);
  if (!line.Parse(arguments)) {
    PrintBlock(line.HelpText());
    return ExitOk;
  }
  return command.run(line);
}

}  // namespace

int RunQxr(const QStringList& arguments) {
  if (arguments.isEmpty()) {
    PrintError(OverviewText());
    return ExitUsage;
  }
  const QString first = arguments.first();
  if (first == "--help" || first == "-h" || first == "help") {
    if (arguments.size() > 1 && first == "help") return RunQxr({arguments[1], "--help"});
    PrintBlock(OverviewText());
    return ExitOk;
  }
  const Command* command = FindCommand(first.toStdString());
  const std::string prefix = command == nullptr ? "qxr: " : "qxr " + std::string(command->name) + ": ";
  try {
    if (command == nullptr)
      throw Failure(ExitUsage, "unknown command \"" + first.toStdString() + "\" (see: qxr --help)");
    return RunCommand(*command, arguments.mid(1));
  } catch (const Failure& failure) {
    PrintError(prefix + failure.what());
    return failure.Code();
  } catch (const std::bad_alloc&) {
    PrintError(prefix + "not enough memory");
    return ExitFileError;
  } catch (const std::exception& error) {
    PrintError(prefix + error.what());
    return ExitFileError;
  }
}

}  // namespace qxr
