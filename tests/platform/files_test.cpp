#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <utility>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using platform::OpenFailure;

TEST(Files, CreateFoldersMakesTheParentsToo) {
  TempDir dir;
  const std::string folder = dir.File("a/b/c");
  EXPECT_FALSE(platform::FolderExists(folder));
  EXPECT_TRUE(platform::CreateFolders(folder));
  EXPECT_TRUE(platform::FolderExists(folder));
  EXPECT_TRUE(platform::CreateFolders(folder));  // already there
  WriteBytes(dir.File("file"), {1});
  EXPECT_FALSE(platform::CreateFolders(dir.File("file/sub")));
  EXPECT_FALSE(platform::CreateFolders(""));
}

TEST(Files, LastWriteTimeIsTheFilesModificationTime) {
  TempDir dir;
  WriteBytes(dir.File("x.ini"), {1, 2});
  const auto when = fs::file_time_type::clock::now() - std::chrono::hours(30);
  fs::last_write_time(dir.File("x.ini"), when);
  const auto read = platform::FileLastWriteTime(dir.File("x.ini"));
  ASSERT_TRUE(read);
  const auto expected = std::chrono::file_clock::to_sys(when);
  EXPECT_LT(std::chrono::abs(*read - expected), std::chrono::seconds(1));
  EXPECT_FALSE(platform::FileLastWriteTime(dir.File("missing.ini")));
}

TEST(Files, ReadingTellsMissingFileMissingFolderAndNoRegularFileApart) {
  TempDir dir;
  WriteBytes(dir.File("QVMANDANT.INI"), {'[', '1', ']'});
  const auto read = platform::ReadFileDenyingWrites(dir.File("QVMANDANT.INI"));
  EXPECT_EQ(read.failure, OpenFailure::None);
  EXPECT_EQ(read.bytes, "[1]");

  EXPECT_EQ(platform::ReadFileDenyingWrites(dir.File("none.ini")).failure, OpenFailure::FileNotFound);
  EXPECT_EQ(platform::ReadFileDenyingWrites(dir.File("SETTINGS/none.ini")).failure, OpenFailure::PathNotFound);
  EXPECT_EQ(platform::ReadFileDenyingWrites(dir.File("QVMANDANT.INI/x")).failure, OpenFailure::PathNotFound);
  // A folder or a pipe is refused at once, the pipe without waiting for a writer.
  mkfifo(dir.File("pipe").c_str(), 0600);
  const std::pair<std::string, std::string> odd[] = {
      {dir.Path().string(), "Das ist keine gewöhnliche Datei, sondern ein Verzeichnis."},
      {dir.File("pipe"), "Das ist keine gewöhnliche Datei, sondern eine benannte Pipe."},
  };
  for (const auto& [path, reason] : odd) {
    const auto refused = platform::ReadFileDenyingWrites(path);
    EXPECT_EQ(refused.failure, OpenFailure::NotRegularFile) << path;
    EXPECT_NE(refused.systemCode, 0u);
    EXPECT_EQ(refused.systemMessage, reason);
  }
}

TEST(Files, LocalFoldersAreNoNetworkDrives) {
  TempDir dir;
  EXPECT_FALSE(platform::IsOnNetworkDrive(dir.Path().string()));
  EXPECT_FALSE(platform::IsOnNetworkDrive(dir.File("not/yet/there.exe")));
}

TEST(Files, ExpandFileNameGivesTheAbsoluteName) {
  EXPECT_EQ(platform::ExpandFileName("/srv/QUARN/./SETTINGS/../SETTINGS/QVMANDANT.INI"),
            "/srv/QUARN/SETTINGS/QVMANDANT.INI");
  EXPECT_EQ(platform::ExpandFileName("a.ini"), (fs::current_path() / "a.ini").string());
}

}  // namespace
