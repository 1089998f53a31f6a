#pragma once
// Paths where a reader finds no regular file to read: a named pipe (opening
// it would wait for a writer), a folder, a symbolic link to a pipe, nothing,
// and a file it may not read. Every reader must answer at once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"

enum class OddKind { Pipe, Folder, Missing, Unreadable };

struct OddPath {
  const char* label;
  std::string path;
  OddKind kind;
  // The end of the refusal's message for a pipe or a folder.
  std::string reason() const {
    if (kind == OddKind::Folder) return "Das ist keine gewöhnliche Datei, sondern ein Verzeichnis.";
    return "Das ist keine gewöhnliche Datei, sondern eine benannte Pipe.";
  }
};

class OddPaths {
 public:
  // plainName may hold folders ("SETTINGS/QVMANDANT.INI"); they are created.
  explicit OddPaths(const std::string& plainName) {
    namespace fs = std::filesystem;
    for (const char* folder : {"pipe", "folder", "link", "missing", "unreadable"})
      fs::create_directories(fs::path(Path(folder, plainName)).parent_path());
    mkfifo(Path("pipe", plainName).c_str(), 0600);
    fs::create_directory(Path("folder", plainName));
    fs::create_symlink(Path("pipe", plainName), Path("link", plainName));
    WriteBytes(Path("unreadable", plainName), {'x'});
    fs::permissions(Path("unreadable", plainName), fs::perms::none);
    fCases = {
        {"named pipe", Path("pipe", plainName), OddKind::Pipe},
        {"folder", Path("folder", plainName), OddKind::Folder},
        {"symbolic link to a pipe", Path("link", plainName), OddKind::Pipe},
        {"missing", Path("missing", plainName), OddKind::Missing},
    };
    // The superuser reads any file.
    if (geteuid() != 0) fCases.push_back({"unreadable", Path("unreadable", plainName), OddKind::Unreadable});
  }

  const std::vector<OddPath>& Cases() const { return fCases; }

 private:
  std::string Path(const char* folder, const std::string& plainName) const {
    return (fDir.Path() / folder / plainName).string();
  }

  TempDir fDir;
  std::vector<OddPath> fCases;
};

// read() must raise Exception, whose message ends with the refusal's reason.
template <class Exception, class Read>
void ExpectRefusal(const OddPath& odd, Read read) {
  try {
    read();
    ADD_FAILURE() << odd.label << ": read without an error";
  } catch (const Exception& error) {
    EXPECT_TRUE(std::string(error.what()).ends_with(odd.reason())) << error.what();
  }
}
