// qxr users FILE: the user list.
#include <QJsonArray>

#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "rights_file.h"
#include "rights_json.h"

namespace qxr {

namespace {

int Run(const CommandLine& line) {
  const auto file = OpenRightsFile(line.Argument(0));
  if (line.Json()) {
    QJsonArray users;
    for (const auto& user : file.UserList()) users.append(UserToJson(*user, false));
    PrintJson({{"users", users}});
    return ExitOk;
  }
  TextTable table({"ID", "NAME", "FUNCTION", "LOGIN", "LOCKED", "EXPIRED"});
  for (const auto& user : file.UserList())
    table.AddRow(
        {std::to_string(user->ID), user->Bez, user->Func, user->Login, YesNo(user->Locked), YesNo(user->PWExpired)});
  table.Print();
  return ExitOk;
}

}  // namespace

const Command UsersCommand{"users", "Lists the users: number, name, function, login, locked, password expired.",
                           DeclareRightsFileAndJson, Run};

}  // namespace qxr
