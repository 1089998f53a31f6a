// qxr passwd FILE LOGIN: a new password from standard input.
#include "command_line.h"
#include "commands.h"
#include "password_input.h"
#include "rights_file.h"
#include "rights/standard_users.h"

namespace qxr {

namespace {

void Declare(CommandLine& line) {
  line.AddArgument("FILE", "The rights file.");
  line.AddArgument("LOGIN", "The user, by login or number.");
}

int Run(const CommandLine& line) {
  RightsFileEdit edit(line.Argument(0));
  const rights::TFIUser& user = FindUser(edit.File(), line.Argument(1));
  // The template user can never sign in; a password would change nothing.
  if (user.ID == rights::TemplateUserID)
    throw Failure(ExitCheckFailed, "user 2 is the template for new users and has no password");
  const std::int32_t id = user.ID;
  const std::string password = ReadNewPassword("New password for user " + UserLabel(user));
  edit.Apply([&](rights::TRechteDatei& current) {
    rights::TFIUser& changed = UserByID(current, id);
    changed.Passwd = password;
    changed.PWExpired = false;
    return true;
  });
  return ExitOk;
}

}  // namespace

const Command PasswdCommand{"passwd", "Sets a user's password from standard input and clears \"expired\".", Declare,
                            Run};

}  // namespace qxr
