#pragma once
// A temporary machine for the folder code: /opt and /srv stand in a temporary
// folder, the registry roots too, and the process's folders point there.
#include <filesystem>
#include <string>

#include "clients/paths.h"
#include "support/registry_roots.h"
#include "support/temp_dir.h"

class SuiteFolders {
 public:
  std::string Folder(const std::string& relative) const { return (fRoots.Path() / relative).string() + "/"; }
  std::string ProgramFiles() const { return (fRoots.Path() / "opt").string(); }
  std::string CommonDocs() const { return (fRoots.Path() / "srv").string(); }

  // A program installed at programFile (relative to the temporary root).
  clients::TPathsEnvironment Environment(const std::string& programFile) const {
    clients::TPathsEnvironment environment;
    environment.programFile = (fRoots.Path() / programFile).string();
    environment.programFilesFolder = ProgramFiles();
    environment.commonDocumentsFolder = CommonDocs();
    return environment;
  }

  // The folders of a program started with /DATADIR=<data>.
  void InitWithDataDir(const std::string& data) const {
    auto environment = Environment("apps/qv/rightsadmin");
    environment.arguments = {"/DATADIR=" + (fRoots.Path() / data).string()};
    clients::InitPaths(environment);
  }

  const std::filesystem::path& Root() const { return fRoots.Path(); }

 private:
  TempRegistryRoots fRoots;
};
