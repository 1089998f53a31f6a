// qxr lock / unlock FILE LOGIN: the lock flag of a user.
#include "command_line.h"
#include "commands.h"
#include "rights_file.h"
#include "rights/standard_users.h"

namespace qxr {

namespace {

void Declare(CommandLine& line) {
  line.AddArgument("FILE", "The rights file.");
  line.AddArgument("LOGIN", "The user, by login or number.");
}

int SetLocked(const CommandLine& line, bool locked) {
  RightsFileEdit edit(line.Argument(0));
  const rights::TFIUser& user = FindUser(edit.File(), line.Argument(1));
  // The administrator must be able to sign in, and the template, which has
  // neither login nor password, must never.
  if (user.ID == rights::AdministratorID || user.ID == rights::TemplateUserID)
    throw Failure(ExitCheckFailed,
                  "user " + std::to_string(user.ID) + " is a standard user; its lock stays as it is");
  const std::int32_t id = user.ID;
  edit.Apply([&](rights::TRechteDatei& current) {
    rights::TFIUser& changed = UserByID(current, id);
    if (changed.Locked == locked) return false;
    changed.Locked = locked;
    return true;
  });
  return ExitOk;
}

int Lock(const CommandLine& line) { return SetLocked(line, true); }
int Unlock(const CommandLine& line) { return SetLocked(line, false); }

}  // namespace

const Command LockCommand{"lock", "Locks a user's account.", Declare, Lock};
const Command UnlockCommand{"unlock", "Unlocks a user's account.", Declare, Unlock};

}  // namespace qxr
