// Real processes writing one rights file at once: qxr passwd, qxr lock/unlock
// and a suite program changing a password through the library it keeps
// loaded. QXR_STRESS_ROUNDS sets the rounds (scripts/stress runs many).
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include "rights/file_io.h"
#include "rights/rechte_datei.h"
#include "support/temp_dir.h"

namespace {

int Rounds(int ciDefault) {
  const char* value = std::getenv("QXR_STRESS_ROUNDS");
  return value != nullptr ? std::max(1, std::atoi(value)) : ciDefault;
}

// Exit code of a finished program; -1 when it did not end normally.
int RunProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {},
        QByteArray* output = nullptr) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForStarted()) return -1;
  process.write(input);
  process.closeWriteChannel();
  if (!process.waitForFinished(120'000)) return -1;
  if (output != nullptr) *output = process.readAllStandardOutput();
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

class SharedFile : public ::testing::Test {
 protected:
  // Users 3 anna ("a0"), 4 bert ("b0"), 5 carl (unlocked); extra users make the file larger.
  void Create(int extraUsers) {
    rights::TRechteDatei file(path);
    file.CreateStdUsers("Geheim!1");
    for (const auto& [login, password] : {std::pair{"anna", "a0"}, {"bert", "b0"}, {"carl", "c0"}})
      AddUser(file, login, password);
    for (int i = 0; i < extraUsers; ++i) AddUser(file, "user" + std::to_string(i), "x");
    file.Write();
    startVersion = file.RFHeader().Version;
  }

  static void AddUser(rights::TRechteDatei& file, const std::string& login, const std::string& password) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Bez = login;
    user->Login = login;
    user->Passwd = password;
    file.UserList().AddItem(std::move(user));
  }

  rights::TRechteDatei Load() const {
    rights::TRechteDatei file(path);
    EXPECT_TRUE(file.Read(true));
    return file;
  }

  std::vector<std::string> TemporaryFiles() const {
    std::vector<std::string> found;
    for (const auto& name : dir.Entries())
      if (rights::IsTemporaryFileOf(path, name)) found.push_back(name);
    return found;
  }

  TempDir dir;
  std::string path = dir.File("QVRights.qxr");
  QString file = QString::fromStdString(path);
  std::int32_t startVersion = 0;
};

}  // namespace

TEST_F(SharedFile, ThreeWritersAtOnceLoseNoChange) {
  Create(0);
  const int rounds = Rounds(20);
  QProcess library;
  library.start(QStringLiteral(PASSWORD_WRITER), {file, "4", QString::number(rounds), "b"});
  ASSERT_TRUE(library.waitForStarted());
  int passwdFailures = 0;
  int lockFailures = 0;
  std::thread passwd([&] {
    for (int i = 1; i <= rounds; ++i)
      if (RunProgram(QStringLiteral(QXR_BINARY), {"passwd", file, "anna"}, "a" + QByteArray::number(i) + "\n") != 0)
        ++passwdFailures;
  });
  std::thread lock([&] {
    for (int i = 1; i <= rounds; ++i)
      if (RunProgram(QStringLiteral(QXR_BINARY), {i % 2 == 1 ? "lock" : "unlock", file, "carl"}) != 0) ++lockFailures;
  });
  passwd.join();
  lock.join();
  ASSERT_TRUE(library.waitForFinished(120'000));
  const QByteArray report = library.readAllStandardOutput().trimmed();

  const rights::TRechteDatei result = Load();
  EXPECT_EQ(passwdFailures, 0);
  EXPECT_EQ(lockFailures, 0);
  EXPECT_EQ(report.toStdString(), "changed=" + std::to_string(rounds) + " failed=0")
      << library.readAllStandardError().toStdString();
  EXPECT_EQ(result.UserList().ItemByID(3)->Passwd, "a" + std::to_string(rounds));
  EXPECT_EQ(result.UserList().ItemByID(4)->Passwd, "b" + std::to_string(rounds));
  EXPECT_EQ(result.UserList().ItemByID(5)->Locked, rounds % 2 == 1);
  // Every write counts once: a write from an old copy would repeat a number.
  EXPECT_EQ(result.RFHeader().Version, startVersion + 3 * rounds);
  std::printf("writers: %d rounds x 3 writers, %d writes expected, version grew by %d\n", rounds, 3 * rounds,
              result.RFHeader().Version - startVersion);
}

TEST_F(SharedFile, AKilledWriterLeavesTheOldOrTheNewFileAndNoTemporaryFile) {
  Create(20'000);  // a write of about a megabyte: long enough to be hit
  const int rounds = Rounds(15);
  std::mt19937 random(12345);
  int killedInWindow = 0;
  for (int round = 0; round < rounds; ++round) {
    QProcess writer;
    writer.start(QStringLiteral(PASSWORD_WRITER), {file, "4", "0", "b"});
    ASSERT_TRUE(writer.waitForStarted());
    std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution(30, 300)(random)));
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    writer.waitForFinished();
    if (!TemporaryFiles().empty()) ++killedInWindow;

    rights::TRechteDatei after(path);
    ASSERT_TRUE(after.Read(true)) << "round " << round;  // throws when damaged
    const std::string password = after.UserList().ItemByID(4)->Passwd;
    ASSERT_TRUE(password == "b0" || password == "b1") << password;

    after.ApplyAndWrite([](rights::TRechteDatei& current) {
      current.UserList().ItemByID(3)->Passwd = "next";
      return true;
    });
    ASSERT_TRUE(TemporaryFiles().empty()) << "round " << round;
  }
  std::printf("kills: %d rounds, %d inside the write window\n", rounds, killedInWindow);
}
