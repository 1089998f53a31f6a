#include "db_server.h"

#include "ini_file.h"

namespace clients {

void TkdrDBServerItem::LoadFromIni(TQVCustomIniFile& ini, const std::string& section) {
  fHostName = ini.ReadString(section, "Hostname", "");
  fServiceName = ini.ReadString(section, "ServiceName", "");
  fSysDBAPassword = ini.ReadString(section, "SysDBAPassword", "");
  fClientDll = ini.ReadString(section, "ClientDll", "");
  fDBPath = ini.ReadString(section, "DBPath", "");
  fUNCPath = ini.ReadString(section, "UNCPath", "");
  fDescription = ini.ReadString(section, "Description", "");
  fIsFB3 = ini.ReadBool(section, "FB3", false);
  fClients.SetText(ini.ReadString(section, "Clients", ""), ',');
}

bool TkdrDBServerList::Add(TDBServer server) {
  if (!server || ByNr(server->Nr())) return false;
  fServers.push_back(std::move(server));
  return true;
}

TDBServer TkdrDBServerList::ByNr(std::uint8_t nr) const {
  for (const TDBServer& server : fServers)
    if (server->Nr() == nr) return server;
  return nullptr;
}

TDBServer TkdrDBServerList::ServerOfClient(std::int32_t clientNr) const {
  for (const TDBServer& server : fServers)
    if (server->HasClient(clientNr)) return server;
  return nullptr;
}

TkdrDBServerList& DBServerList() {
  static TkdrDBServerList list;
  return list;
}

}  // namespace clients
