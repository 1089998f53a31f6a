// Writers take turns and apply their change to the current file, never to an old copy.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "rights/errors.h"
#include "rights/rechte_datei.h"
#include "rights/writers_lock.h"
#include "support/temp_dir.h"

using namespace rights;
using namespace std::chrono_literals;

namespace {

class WritersProtocol : public ::testing::Test {
 protected:
  void SetUp() override {
    TRechteDatei file(path);
    file.CreateStdUsers("alt");
    for (const char* login : {"anna", "bert"}) {
      auto user = std::make_unique<TFIUser>();
      user->Login = login;
      user->Passwd = "start";
      file.UserList().AddItem(std::move(user));
    }
    file.Write();
  }

  TRechteDatei Loaded() const {
    TRechteDatei file(path);
    EXPECT_TRUE(file.Read(true));
    return file;
  }

  static std::function<bool(TRechteDatei&)> SetPassword(std::int32_t id, const std::string& password) {
    return [=](TRechteDatei& current) {
      current.UserList().ItemByID(id)->Passwd = password;
      return true;
    };
  }

  TempDir dir;
  std::string path = dir.File("QVRights.qxr");
};

}  // namespace

TEST_F(WritersProtocol, TwoWritersWithOldCopiesBothKeepTheirChange) {
  TRechteDatei first = Loaded();
  TRechteDatei second = Loaded();

  EXPECT_FALSE(first.ApplyAndWrite(SetPassword(3, "von anna"))) << "its copy was current";
  EXPECT_TRUE(second.ApplyAndWrite(SetPassword(4, "von bert"))) << "its copy was old: read again";

  const TRechteDatei onDisk = Loaded();
  EXPECT_EQ(onDisk.UserList().ItemByID(3)->Passwd, "von anna");
  EXPECT_EQ(onDisk.UserList().ItemByID(4)->Passwd, "von bert");
  EXPECT_EQ(onDisk.RFHeader().Version, 4) << "two writes on top of the first";
  EXPECT_EQ(second.UserList().ItemByID(3)->Passwd, "von anna") << "the writer's memory is the file written";
}

TEST_F(WritersProtocol, AChangeThatDeclinesWritesNothing) {
  TRechteDatei file = Loaded();
  const auto before = ReadBytes(path);
  EXPECT_FALSE(file.ApplyAndWrite([](TRechteDatei&) { return false; }));
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(WritersProtocol, ChangedOnDiskSeesAWriteThatKeptTheModificationTime) {
  TRechteDatei mine = Loaded();
  EXPECT_FALSE(mine.ChangedOnDisk());
  const auto time = std::filesystem::last_write_time(path);
  TRechteDatei other = Loaded();
  other.UserList().ItemByID(3)->Passwd = "anders";
  other.Write();
  std::filesystem::last_write_time(path, time);  // as a file system with coarse times shows it
  EXPECT_TRUE(mine.ChangedOnDisk());
  std::filesystem::remove(path);
  EXPECT_FALSE(mine.ChangedOnDisk()) << "a missing file loses nothing when written";
}

TEST_F(WritersProtocol, AFileTooShortToLoadIsNotOverwrittenWithAnOldCopy) {
  TRechteDatei mine = Loaded();
  WriteBytes(path, {1, 2, 3});  // another program half way through writing in place
  EXPECT_THROW(mine.ApplyAndWrite(SetPassword(3, "neu")), ERangeError);
  EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(WritersProtocol, AWriterWaitsForTheLockAndGivesUpWithAClearMessage) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = fork();
  if (holder == 0) {  // another program holding the lock for a while
    const TWritersLock lock(path);
    (void)::write(ready[1], "x", 1);
    ::usleep(300'000);
    _exit(0);
  }
  char signal = 0;
  ASSERT_EQ(::read(ready[0], &signal, 1), 1);

  TRechteDatei file = Loaded();
  try {
    file.ApplyAndWrite(SetPassword(3, "zu früh"), 50ms);
    ADD_FAILURE() << "wrote while another writer held the lock";
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()), WritersLockBusyText(path));
  }
  file.ApplyAndWrite(SetPassword(3, "gewartet"), 5s);  // waits until the holder is done
  EXPECT_EQ(Loaded().UserList().ItemByID(3)->Passwd, "gewartet");
  int status = 0;
  waitpid(holder, &status, 0);
  ::close(ready[0]);
  ::close(ready[1]);
}
