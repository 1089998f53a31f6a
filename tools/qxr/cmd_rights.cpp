// qxr rights FILE --user U: a user's effective rights, evaluated as the query
// library evaluates them (all clients, module filter on).
#include <QJsonArray>

#include "catalog_access.h"
#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "right_names.h"
#include "rights_file.h"
#include "rights/standard_users.h"
#include "rights_json.h"

namespace qxr {

namespace {

struct Listing {
  const rights::TFIUser* user;
  rights::TUserRightsList rights;
  std::optional<std::uint8_t> client;
  std::optional<rights::TRightList> catalog;

  bool Shows(const rights::TURListEntrie& entry) const { return !client || entry.Mandant == *client; }
  std::optional<std::string> Name(std::int32_t rightID) const {
    return RightName(rightID, catalog ? &*catalog : nullptr);
  }
};

void PrintRightsJson(const Listing& listing) {
  QJsonArray rights;
  for (const auto& entry : listing.rights)
    if (listing.Shows(entry))
      rights.append(QJsonObject{
          {"client", entry.Mandant}, {"right", entry.RightID}, {"name", TextOrNull(listing.Name(entry.RightID))}});
  PrintJson({
      {"user_id", listing.user->ID},
      {"login", ToQ(listing.user->Login)},
      {"administrator", listing.user->ID == rights::AdministratorID},
      {"module_filter", ModulesToJson(listing.rights.Modules)},
      {"client", listing.client ? QJsonValue(*listing.client) : QJsonValue(QJsonValue::Null)},
      {"rights", rights},
  });
}

void PrintRightsText(const Listing& listing) {
  if (listing.user->ID == rights::AdministratorID)
    PrintLine("User 1 is the administrator: the suite grants every right, whatever this list holds.");
  TextTable table({"CLIENT", "RIGHT", "NAME"});
  for (const auto& entry : listing.rights)
    if (listing.Shows(entry))
      table.AddRow(
          {std::to_string(entry.Mandant), std::to_string(entry.RightID), listing.Name(entry.RightID).value_or("")});
  table.Print();
}

void Declare(CommandLine& line) {
  line.AddArgument("FILE", "The rights file.");
  line.AddOption("user", "LOGIN-or-ID", "The user, by login or number (required).");
  line.AddOption("client", "N", "Only the rights for client N (0 for the general client rights).");
  line.AddOption("catalog", "CSV", "Name catalog rights from this rights catalog.");
  line.AddJsonFlag();
}

int Run(const CommandLine& line) {
  const std::string userArgument = line.RequiredValue("user");
  Listing listing{};
  if (line.IsSet("client")) listing.client = static_cast<std::uint8_t>(line.IntegerValue("client", 0, 254));
  if (const auto catalog = line.Value("catalog")) listing.catalog = LoadCatalogFile(*catalog);
  const auto file = OpenRightsFile(line.Argument(0));
  listing.user = &FindUser(file, userArgument);
  // The library's evaluation: every client, module filter on; the client
  // option only selects what is shown, so the filter is the library's too.
  file.GetUserRightList(listing.user->ID, listing.rights, false, true, rights::AnyMandant);
  if (line.Json())
    PrintRightsJson(listing);
  else
    PrintRightsText(listing);
  return ExitOk;
}

}  // namespace

const Command RightsCommand{"rights", "Lists a user's effective rights per client, as the suite evaluates them.",
                            Declare, Run};

}  // namespace qxr
