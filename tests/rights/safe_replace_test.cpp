// The replace of a shared file: what it keeps, what it refuses, what it never touches.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "rights/errors.h"
#include "rights/file_io.h"
#include "rights/rechte_datei.h"
#include "support/as_other_user.h"
#include "support/temp_dir.h"

using namespace rights;
namespace fs = std::filesystem;

namespace {

struct stat StatOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
  return status;
}

class SafeReplace : public ::testing::Test {
 protected:
  void SetUp() override {
    TRechteDatei file(path);
    file.CreateStdUsers("alt");
    file.Write();
    before = ReadBytes(path);
  }

  // Everything in the folder but the file and its lock file.
  std::vector<std::string> Leftovers() const {
    std::vector<std::string> names;
    for (const auto& name : dir.Entries())
      if (name != "QVRights.qxr" && name != "QVRights.qxr.lock") names.push_back(name);
    return names;
  }

  static void ChangePassword(const std::string& fileName, const std::string& password) {
    TRechteDatei file(fileName);
    file.Read(true);
    file.UserList()[0].Passwd = password;
    file.Write();
  }

  static std::string PasswordIn(const std::string& fileName) {
    TRechteDatei file(fileName);
    EXPECT_TRUE(file.Read(true));
    return file.UserList().Count() > 0 ? file.UserList()[0].Passwd : std::string();
  }

  TempDir dir;
  std::string path = dir.File("QVRights.qxr");
  std::vector<std::uint8_t> before;
};

std::string PlantedName(const fs::path& target) { return "." + target.filename().string() + ".0000000000000000.tmp"; }

}  // namespace

TEST_F(SafeReplace, AReadOnlyFileIsRefusedAndStaysAsItWas) {
  ::chmod(path.c_str(), 0444);
  TRechteDatei file(path);
  file.Read(true);
  file.UserList()[0].Passwd = "neu";
  try {
    file.Write();
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const EFileError& error) {
    EXPECT_NE(std::string(error.what()).find("schreibgeschützt"), std::string::npos) << error.what();
  }
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(StatOf(path).st_mode & 07777, 0444u);
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(SafeReplace, ASymbolicLinkIsWrittenThroughAndStaysALink) {
  fs::create_directory(dir.File("real"));
  const std::string real = dir.File("real/QVRights.qxr");
  fs::rename(path, real);
  fs::create_symlink("real/QVRights.qxr", path);

  ChangePassword(path, "durch den Link");

  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path)));
  EXPECT_EQ(PasswordIn(real), "durch den Link");
  EXPECT_TRUE(fs::exists(real + ".lock")) << "writers through any link share the real file's lock";
  for (const auto& entry : fs::recursive_directory_iterator(dir.Path()))
    EXPECT_FALSE(entry.path().extension() == ".tmp") << entry.path();
}

TEST_F(SafeReplace, OwnerGroupAndModeOfTheOldFileAreKept) {
  ::chmod(path.c_str(), 0640);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(path.c_str(), 1234, 4321), 0);
  }
  const struct stat old = StatOf(path);

  ChangePassword(path, "neu");

  const struct stat now = StatOf(path);
  EXPECT_NE(now.st_ino, old.st_ino) << "replaced, not written in place";
  EXPECT_EQ(now.st_mode & 07777, 0640u);
  EXPECT_EQ(now.st_uid, old.st_uid);
  EXPECT_EQ(now.st_gid, old.st_gid);
}

TEST_F(SafeReplace, NewFilesAreSharedWithTheGroupOnlyWhateverTheUmask) {
  const mode_t oldMask = ::umask(0022);
  TRechteDatei file(dir.File("neu.qxr"));
  file.CreateStdUsers("alt");
  file.Write();
  ::umask(oldMask);
  EXPECT_EQ(StatOf(dir.File("neu.qxr")).st_mode & 07777, NewSharedFileMode);
  EXPECT_EQ(StatOf(dir.File("neu.qxr.lock")).st_mode & 07777, NewSharedFileMode);
}

TEST_F(SafeReplace, ALinkPlantedAtTheTemporaryNameIsNeverFollowed) {
  const std::string foreign = dir.File("foreign");
  WriteBytes(foreign, {'f', 'r', 'e', 'm', 'd'});
  ::chmod(foreign.c_str(), 0600);
  fs::create_symlink(foreign, dir.File(PlantedName(path)));
  // The first name tried is the planted one; the next ones are random again.
  static int calls = 0;
  calls = 0;
  test_hooks::SetTemporaryNameSource([](const fs::path& target) {
    test_hooks::SetTemporaryNameSource(nullptr);
    ++calls;
    return PlantedName(target);
  });

  ChangePassword(path, "neu");
  test_hooks::SetTemporaryNameSource(nullptr);

  EXPECT_EQ(calls, 1);
  EXPECT_EQ(PasswordIn(path), "neu");
  EXPECT_EQ(ReadBytes(foreign), (std::vector<std::uint8_t>{'f', 'r', 'e', 'm', 'd'}));
  EXPECT_EQ(StatOf(foreign).st_mode & 07777, 0600u);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.File(PlantedName(path))))) << "not ours: left alone";
}

TEST_F(SafeReplace, AbandonedTemporaryFilesGoAndHeldOnesStay) {
  const std::string abandoned = dir.File(".QVRights.qxr.00000000000000ab.tmp");
  const std::string held = dir.File(".QVRights.qxr.00000000000000cd.tmp");
  const std::string unrelated = dir.File(".QVRights.qxr.backup.tmp");
  for (const auto& name : {abandoned, held, unrelated}) WriteBytes(name, {1, 2, 3});
  const int holder = ::open(held.c_str(), O_RDWR);
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  ASSERT_EQ(::fcntl(holder, F_OFD_SETLK, &lock), 0);

  ChangePassword(path, "neu");
  ::close(holder);

  EXPECT_FALSE(fs::exists(abandoned));
  EXPECT_TRUE(fs::exists(held)) << "a living writer's file";
  EXPECT_TRUE(fs::exists(unrelated)) << "not of our pattern";
}

TEST_F(SafeReplace, AFolderThatTakesNoNewFileIsWrittenInPlace) {
  // The folder belongs to another user and refuses new files; the file is
  // writable for the group, as in the suite's shared folder.
  ::chmod(path.c_str(), 0666);
  ::chmod(dir.Path().c_str(), 0555);
  const bool root = ::geteuid() == 0;
  const ino_t inode = StatOf(path).st_ino;
  const auto write = [&] {
    try {
      ChangePassword(path, "an Ort und Stelle");
      return 0;
    } catch (const std::exception&) {
      return 1;
    }
  };
  const int result = root ? RunAsNobody(write) : write();
  ::chmod(dir.Path().c_str(), 0755);
  ASSERT_EQ(result, 0);
  EXPECT_EQ(PasswordIn(path), "an Ort und Stelle");
  EXPECT_EQ(StatOf(path).st_ino, inode) << "written in place";
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(SafeReplace, ReadersRefuseWhatIsNoRegularFileWithoutBlocking) {
  const std::string fifo = dir.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(dir.File("folder"));
  fs::create_symlink(fifo, dir.File("link-to-pipe"));
  for (const std::string& odd : {fifo, dir.File("folder"), dir.File("link-to-pipe")}) {
    const auto start = std::chrono::steady_clock::now();
    try {
      ReadWholeFile(odd);
      ADD_FAILURE() << odd << " was read";
    } catch (const EFileError& error) {
      EXPECT_NE(std::string(error.what()).find("keine gewöhnliche Datei"), std::string::npos) << error.what();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << odd;
  }
}
