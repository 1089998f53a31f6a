#pragma once
// A temporary suite for the update settings: the folders (SettingsDir below a
// temporary data folder), both registry roots, and an update.ini naming the
// default update host, found through the environment.
#include <cstdlib>
#include <fstream>
#include <string>

#include "clients/paths.h"
#include "clients/suite_folders.h"
#include "platform/files.h"
#include "update/update_endpoints.h"

class UpdateSuite {
 public:
  static constexpr const char* kDefaultHost = "updates.example.test";

  UpdateSuite() {
    fFolders.InitWithDataDir("data");
    platform::CreateFolders(clients::SettingsDir());
    UseUpdateIni(std::string("[Update]\r\nHost=") + kDefaultHost + "\r\n");
  }
  ~UpdateSuite() {
    unsetenv(update::kUpdateIniVariable);
    update::ReloadUpdateEndpoints();
  }
  UpdateSuite(const UpdateSuite&) = delete;
  UpdateSuite& operator=(const UpdateSuite&) = delete;

  void UseUpdateIni(const std::string& text) {
    const std::string fileName = (fFolders.Root() / "update.ini").string();
    std::ofstream(fileName, std::ios::binary | std::ios::trunc) << text;
    setenv(update::kUpdateIniVariable, fileName.c_str(), 1);
    update::ReloadUpdateEndpoints();
  }

  std::string SettingsFile(const std::string& name) const { return clients::SettingsDir() + name; }
  const std::filesystem::path& Root() const { return fFolders.Root(); }

 private:
  SuiteFolders fFolders;
};
