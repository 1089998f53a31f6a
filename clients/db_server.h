#pragma once
// The database servers named in the client list, and the process-wide list of them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "id_list.h"

namespace clients {

class TQVCustomIniFile;

class IkdrDBServerItem {
 public:
  virtual ~IkdrDBServerItem() = default;
  virtual const std::string& HostName() const = 0;
  virtual const std::string& ServiceName() const = 0;
  virtual const std::string& SysDBAPassword() const = 0;
  virtual const std::string& ClientDll() const = 0;
  virtual const std::string& DBPath() const = 0;
  virtual const std::string& UNCPath() const = 0;
  virtual const std::string& Description() const = 0;
  virtual bool IsFB3() const = 0;
  virtual std::uint8_t Nr() const = 0;
  virtual const TIDList& Clients() const = 0;
  virtual bool HasClient(std::int32_t clientNr) const = 0;
};

class TkdrDBServerItem final : public IkdrDBServerItem {
 public:
  explicit TkdrDBServerItem(std::uint8_t nr) : fNr(nr) {}

  // The keys of a server section.
  void LoadFromIni(TQVCustomIniFile& ini, const std::string& section);

  const std::string& HostName() const override { return fHostName; }
  const std::string& ServiceName() const override { return fServiceName; }
  const std::string& SysDBAPassword() const override { return fSysDBAPassword; }
  const std::string& ClientDll() const override { return fClientDll; }
  const std::string& DBPath() const override { return fDBPath; }
  const std::string& UNCPath() const override { return fUNCPath; }
  const std::string& Description() const override { return fDescription; }
  bool IsFB3() const override { return fIsFB3; }
  std::uint8_t Nr() const override { return fNr; }
  const TIDList& Clients() const override { return fClients; }
  bool HasClient(std::int32_t clientNr) const override { return fClients.Contains(clientNr); }

 private:
  std::string fHostName, fServiceName, fSysDBAPassword, fClientDll, fDBPath, fUNCPath, fDescription;
  bool fIsFB3 = false;
  std::uint8_t fNr;
  TIDList fClients;
};

using TDBServer = std::shared_ptr<IkdrDBServerItem>;

// At most one server per number, in the order added.
class TkdrDBServerList {
 public:
  // False when a server with that number is there already.
  bool Add(TDBServer server);
  TDBServer ByNr(std::uint8_t nr) const;
  // The first server whose clients include the number.
  TDBServer ServerOfClient(std::int32_t clientNr) const;
  std::size_t Count() const { return fServers.size(); }
  const TDBServer& operator[](std::size_t index) const { return fServers.at(index); }
  void Clear() { fServers.clear(); }

 private:
  std::vector<TDBServer> fServers;
};

// The process-wide list; lives until the program ends. Main thread only.
TkdrDBServerList& DBServerList();

}  // namespace clients
