// qxr groups FILE: the groups and their members.
#include <QJsonArray>

#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "rights_file.h"

namespace qxr {

namespace {

std::string MemberText(const rights::TRechteDatei& file, std::int32_t userID) {
  const rights::TFIUser* user = file.UserList().ItemByID(userID);
  return user ? UserLabel(*user) : std::to_string(userID) + " (no such user)";
}

std::string MembersText(const rights::TRechteDatei& file, const rights::IntList& members) {
  std::string text;
  for (const std::int32_t id : members) text += (text.empty() ? "" : ", ") + MemberText(file, id);
  return text;
}

int Run(const CommandLine& line) {
  const auto file = OpenRightsFile(line.Argument(0));
  if (line.Json()) {
    QJsonArray groups;
    for (const auto& group : file.GroupList()) {
      QJsonArray members;
      for (const std::int32_t id : file.AssgnList().UserIDsFromGroup(group->ID)) members.append(id);
      groups.append(QJsonObject{{"id", group->ID}, {"name", ToQ(group->Bez)}, {"members", members}});
    }
    PrintJson({{"groups", groups}});
    return ExitOk;
  }
  TextTable table({"ID", "NAME", "MEMBERS"});
  for (const auto& group : file.GroupList())
    table.AddRow(
        {std::to_string(group->ID), group->Bez, MembersText(file, file.AssgnList().UserIDsFromGroup(group->ID))});
  table.Print();
  return ExitOk;
}

}  // namespace

const Command GroupsCommand{"groups", "Lists the groups: number, name, members.", DeclareRightsFileAndJson, Run};

}  // namespace qxr
