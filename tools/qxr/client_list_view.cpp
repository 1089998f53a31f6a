#include "client_list_view.h"

#include <QJsonArray>

#include "command.h"
#include "date_text.h"
#include "output.h"
#include "rights/errors.h"
#include "suite_folders_view.h"

namespace qxr {

namespace {

std::vector<std::string> ProjectKeys(clients::TQVClientProjects projects) {
  std::vector<std::string> keys;
  for (int project = 0; project < clients::kClientProjectCount; ++project)
    if (projects & (1u << project)) keys.push_back(clients::ClientProjectKey(project));
  return keys;
}

std::optional<std::string> LastModifiedText(rights::TDateTime value) {
  if (value == 0) return std::nullopt;  // the list has no date for the client
  return LocalDateTimeText(value);
}

QJsonObject ClientToJson(const clients::TQVClientFileItem& client) {
  QJsonArray modules;
  for (const std::string& key : ProjectKeys(client.Projects())) modules.append(ToQ(key));
  const clients::TDBServer& server = client.DBServerItem();
  return {
      {"number", client.ClientNr()},
      {"number_text", ToQ(client.ClientNrAsString())},
      {"name", ToQ(client.ClientName())},
      {"modules", modules},
      {"demo_dir", ToQ(client.DemoDir())},
      {"info", ToQ(client.Hint())},
      {"client_config", ToQ(client.ClientConfig())},
      {"guid", ToQ(client.ClientGUID())},
      {"last_modified", TextOrNull(LastModifiedText(client.LastModified()))},
      {"path", ToQ(client.ClientPath())},
      {"db_server", server ? QJsonValue(server->Nr()) : QJsonValue(QJsonValue::Null)},
  };
}

}  // namespace

std::unique_ptr<clients::TQVClientFile> LoadClientList(const clients::TPathsEnvironment& environment) {
  ResolveSuiteFolders(environment);  // its failure as qxr reports it, not as a message box
  clients::InitPaths(environment);
  auto list = std::make_unique<clients::TQVClientFile>(clients::kAllClientProjects);
  try {
    list->Load();
  } catch (const rights::ERightsError& error) {
    throw Failure(ExitFileError, list->FileName() + ": cannot read the client list: " + Quoted(error.what()));
  }
  list->SortOnNr();
  return list;
}

QJsonObject ClientListToJson(const clients::TQVClientFile& list) {
  QJsonArray clientsJson;
  for (std::size_t i = 0; i < list.GetCount(); ++i) clientsJson.append(ClientToJson(list.GetItem(i)));
  return {{"file", ToQ(list.FileName())}, {"clients", clientsJson}};
}

void PrintClientListText(const clients::TQVClientFile& list) {
  TextTable table({"NR", "NAME", "MODULES", "FOLDER"});
  for (std::size_t i = 0; i < list.GetCount(); ++i) {
    const clients::TQVClientFileItem& client = list.GetItem(i);
    std::string modules;
    for (const std::string& key : ProjectKeys(client.Projects())) modules += (modules.empty() ? "" : " ") + key;
    table.AddRow({client.ClientNrAsString(), client.ClientName(), modules, client.ClientPath()});
  }
  table.Print();
}

}  // namespace qxr
