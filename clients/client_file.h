#pragma once
// TQVClientFile: the client list QVMANDANT.INI in the settings folder, read
// into TQVClientFileItem objects with the database servers they live on.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "client_projects.h"
#include "db_server.h"
#include "platform/files.h"
#include "rights/date_time.h"

namespace clients {

class TQVClientFile;
class TQVCustomIniFile;

class TQVClientFileItem {
 public:
  explicit TQVClientFileItem(TQVClientFile* owner) : fOwner(owner) {}
  virtual ~TQVClientFileItem() = default;

  // Reads the client's keys from its section.
  virtual void LoadFromIni(const TQVCustomIniFile& ini, const std::string& section);

  std::uint16_t ClientNr() const { return fClientNr; }
  // "Demodaten" for client 0.
  std::string ClientName() const;
  // At least two digits: "07", "12", "123".
  std::string ClientNrAsString() const;
  std::string ClientNrName() const;
  // The client's data folder: DataDir, number, demo folder.
  std::string ClientPath() const;
  TQVClientProjects Projects() const { return fProjects; }
  const std::string& DemoDir() const { return fDemoDir; }
  const std::string& Hint() const { return fHint; }
  const std::string& ClientConfig() const { return fClientConfig; }
  const std::string& ClientGUID() const { return fClientGUID; }
  rights::TDateTime LastModified() const { return fLastModified; }
  const TDBServer& DBServerItem() const { return fDBServerItem; }
  TQVClientFile* Owner() const { return fOwner; }

 private:
  friend class TQVClientFile;

  std::uint16_t fClientNr = 0;
  TQVClientProjects fProjects = 0;
  TQVClientFile* fOwner;
  std::string fClientName;
  std::string fHint;
  std::string fClientConfig;
  std::string fDemoDir;
  rights::TDateTime fLastModified = 0;
  std::string fClientGUID;
  TDBServer fDBServerItem;
};

class TQVClientFile {
 public:
  // Reads the whole file, or tells why it could not be opened.
  using TFileReader = std::function<platform::FileReadResult(const std::string& fileName)>;

  // The list of SettingsDir() + "QVMANDANT.INI"; the filter's modules go to the
  // demo client and the default clients.
  explicit TQVClientFile(TQVClientProjects filter) : TQVClientFile(filter, kClientFileName) {}
  virtual ~TQVClientFile() = default;
  TQVClientFile(const TQVClientFile&) = delete;
  TQVClientFile& operator=(const TQVClientFile&) = delete;

  // Replaces the list by the file's clients and the default clients. Raises
  // rights::EFileError when the file exists but cannot be opened.
  void Load();
  // The same from the file's bytes, without the file.
  void LoadFromBytes(std::string_view bytes);
  // By client number, then demo folder without regard to case.
  void SortOnNr();

  std::size_t GetCount() const { return fClientList.size(); }
  TQVClientFileItem& GetItem(std::size_t index) const;

  const std::string& FileName() const { return fFileName; }
  const std::string& IniFileText() const { return fIniFileText; }
  rights::TDateTime LastLastModifyDate() const { return fLastLastModifyDate; }
  std::uint32_t LastFileError() const { return fLastFileError; }
  TQVClientProjects Filter() const { return fFilter; }

  // Tests stand in for the file system here.
  void SetFileReader(TFileReader reader) { fFileReader = std::move(reader); }

  static constexpr int kAccessDeniedTries = 255;
  static constexpr char kClientFileName[] = "QVMANDANT.INI";

 protected:
  // For lists kept in another file of the settings folder.
  TQVClientFile(TQVClientProjects filter, const std::string& plainFileName);

  virtual std::unique_ptr<TQVClientFileItem> CreateItem();
  virtual bool GetIsDemoVisible() const { return true; }

 private:
  void Clear();
  // The file's bytes, or nothing when it is missing or stays locked.
  std::optional<std::string> ReadFile();
  struct TSectionsSeen {
    bool demo = false;
    bool client = false;  // a client section other than the demo's
  };
  TSectionsSeen ReadClients(std::string_view bytes);
  // A server section "SERVER-<number>" adds the server unless its number is known.
  void ReadServer(TQVCustomIniFile& ini, const std::string& section, const std::vector<std::string>& parts);
  void AddDefaultClients(const TSectionsSeen& seen);
  void AddClient(std::uint16_t number, const std::string& name);

  std::string fIniFileText;
  rights::TDateTime fLastLastModifyDate = 0;
  std::vector<std::unique_ptr<TQVClientFileItem>> fClientList;
  std::string fFileName;
  std::uint32_t fLastFileError = 0;
  TQVClientProjects fFilter;
  TFileReader fFileReader;
};

}  // namespace clients
