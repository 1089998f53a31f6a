#pragma once
// Every subcommand of qxr, one file each; command_table.cpp lists them.
#include <span>
#include <string_view>

#include "command.h"

namespace qxr {

extern const Command InfoCommand;
extern const Command VerifyCommand;
extern const Command UsersCommand;
extern const Command GroupsCommand;
extern const Command RightsCommand;
extern const Command ExplainCommand;
extern const Command InitCommand;
extern const Command PasswdCommand;
extern const Command LockCommand;
extern const Command UnlockCommand;
extern const Command ExportCommand;
extern const Command ImportCommand;
extern const Command CatalogCommand;
extern const Command PathsCommand;
extern const Command ClientsCommand;
extern const Command ServiceCodeCommand;

// In the order `qxr --help` lists them.
std::span<const Command* const> AllCommands();
const Command* FindCommand(std::string_view name);

}  // namespace qxr
