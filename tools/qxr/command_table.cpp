#include "commands.h"

#include <array>

namespace qxr {

namespace {

// A new command is one more file and one more line here.
const std::array<const Command*, 16> kCommands = {
    &InfoCommand,    &VerifyCommand, &UsersCommand,   &GroupsCommand, &RightsCommand,
    &ExplainCommand, &InitCommand,   &PasswdCommand,  &LockCommand,   &UnlockCommand,
    &ExportCommand,  &ImportCommand, &CatalogCommand, &PathsCommand,  &ClientsCommand,
    &ServiceCodeCommand,
};

}  // namespace

std::span<const Command* const> AllCommands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
  for (const Command* command : kCommands)
    if (name == command->name) return command;
  return nullptr;
}

}  // namespace qxr
