// qxr init FILE: a new rights file with the standard users.
#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "password_input.h"
#include "rights/admin_password.h"
#include "rights_file.h"

namespace qxr {

namespace {

void Declare(CommandLine& line) { line.AddArgument("FILE", "The rights file to create; it must not exist."); }

int Run(const CommandLine& line) {
  const std::string fileName = line.Argument(0);
  const std::string hint = "init never replaces a file";
  RefuseExisting(fileName, hint);
  const std::string password = ReadNewPassword("Administrator password");
  if (!rights::ValidAdmPW(password))
    throw Failure(ExitCheckFailed,
                  "the administrator password needs at least 6 characters and must not be 123456..., abcdef... "
                  "or one character repeated: " +
                      Quoted("Das verwendete Passwort ist ungültig."));
  rights::TRechteDatei file(fileName);
  file.CreateStdUsers(password);
  const auto lock = LockForWriting(fileName);
  RefuseExisting(fileName, hint);  // created while the password was typed
  SaveRightsFile(file, *lock);
  return ExitOk;
}

}  // namespace

const Command InitCommand{"init",
                          "Creates a rights file with the standard users; the administrator password comes from "
                          "standard input.",
                          Declare, Run};

}  // namespace qxr
