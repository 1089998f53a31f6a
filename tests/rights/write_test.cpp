// Writing replaces the file as a whole or not at all.
#include <gtest/gtest.h>

#include "rights/file_io.h"
#include "rights/rechte_datei.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

using namespace rights;

namespace {

class Write : public ::testing::Test {
 protected:
  void SetUp() override {
    file.CreateStdUsers("alt");
    file.Write();
    before = ReadBytes(file.FileName());
  }

  // The folder's entries but the writers' lock files, which stay by design.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& name : dir.Entries())
      if (!name.ends_with(".lock")) names.push_back(name);
    return names;
  }

  TempDir dir;
  TRechteDatei file{dir.File("QVRights.qxr")};
  std::vector<std::uint8_t> before;
};

}  // namespace

TEST_F(Write, AFailedWriteLeavesTheOldFileAndTheVersion) {
  for (int i = 0; i < 100; ++i) file.AssRightList().AddUsGrRight(true, 1, 1000 + i, "K        ", 1, true);
  {
    FileSizeLimit full(before.size() + 100);
    EXPECT_THROW(file.Write(), EFileError);
  }
  EXPECT_EQ(ReadBytes(file.FileName()), before);
  EXPECT_EQ(file.RFHeader().Version, 2);
  EXPECT_EQ(Entries(), std::vector<std::string>{"QVRights.qxr"});

  file.Write();  // and the next write goes through
  EXPECT_EQ(file.RFHeader().Version, 3);
}

TEST_F(Write, ATargetThatCannotBeReplacedRaisesAndLeavesNoTemporaryFile) {
  TRechteDatei inMissingFolder(dir.File("missing/QVRights.qxr"));
  EXPECT_THROW(inMissingFolder.Write(), EFileError);
  EXPECT_EQ(inMissingFolder.RFHeader().Version, 1);

  std::filesystem::create_directory(dir.File("folder.qxr"));
  TRechteDatei overFolder(dir.File("folder.qxr"));
  try {
    overFolder.Write();
    ADD_FAILURE() << "no error";
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Datei " + dir.File("folder.qxr") + " kann nicht erstellt werden.", 0), 0u);
  }
  EXPECT_EQ(Entries().size(), 2u) << "temporary file left behind";
}

TEST_F(Write, ReplacesAFileAReaderHasOpen) {
  std::ifstream reader(file.FileName(), std::ios::binary);
  file.UserList()[0].Passwd = "neu";
  file.Write();
  TRechteDatei reread(file.FileName());
  reread.Read(true);
  EXPECT_EQ(reread.UserList()[0].Passwd, "neu");
  EXPECT_EQ(Entries(), std::vector<std::string>{"QVRights.qxr"});
}

TEST_F(Write, KeepsThePermissionsOfTheSharedFile) {
  namespace fs = std::filesystem;
  const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                      fs::perms::group_write | fs::perms::others_read;
  fs::permissions(file.FileName(), shared);
  file.Write();
  EXPECT_EQ(fs::status(file.FileName()).permissions() & fs::perms::all, shared);
}

TEST_F(Write, AgeFollowsTheContainersOwnWrites) {
  EXPECT_EQ(file.Age(), FileAge(file.FileName()));
  std::filesystem::last_write_time(file.FileName(), std::filesystem::last_write_time(file.FileName()) -
                                                        std::chrono::seconds(10));
  EXPECT_NE(file.Age(), FileAge(file.FileName())) << "someone else's write shows";
  file.Write();
  EXPECT_EQ(file.Age(), FileAge(file.FileName()));
}
