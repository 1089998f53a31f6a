// The commands that write: what they change, and what they refuse.
#include <algorithm>
#include <filesystem>

#include "qxr_fixture.h"

namespace {

class QxrWrite : public QxrFixture {};

}  // namespace

TEST_F(QxrWrite, InitCreatesTheStandardUsersWithTheAdministratorPassword) {
  const std::string created = dir.File("new.qxr");
  const QxrRun run = RunQxr({"init", Q(created)}, "Sommer#2026\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const auto file = Load(created);
  EXPECT_EQ(file.UserList().Count(), 2u);
  EXPECT_EQ(file.UserLogin("admin", "Sommer#2026"), 1);
}

TEST_F(QxrWrite, InitRefusesWeakPasswordsAndExistingFiles) {
  const std::string created = dir.File("new.qxr");
  struct Case {
    QByteArray input;
    int exitCode;
  };
  const Case cases[] = {{"abcdef\n", 1}, {"12345\n", 1}, {"", 2}, {"\n", 1}};
  for (const Case& c : cases) {
    const QxrRun run = RunQxr({"init", Q(created)}, c.input);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.input.toStdString();
    EXPECT_FALSE(std::filesystem::exists(created)) << c.input.toStdString();
  }
  EXPECT_NE(RunQxr({"init", Q(created)}, "abcdef\n").err.find("Das verwendete Passwort ist ungültig."),
            std::string::npos);

  const auto before = ReadBytes(path);
  EXPECT_EQ(RunQxr({"init", file}, "Sommer#2026\n").exitCode, 3);
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(QxrWrite, PasswdSetsThePasswordAndClearsExpired) {
  EXPECT_EQ(RunQxr({"passwd", file, "carl"}, "Neu-1234\n").exitCode, 0);
  const auto changed = Load(path);
  const rights::TFIUser* carl = changed.UserList().ItemByID(5);
  EXPECT_EQ(carl->Passwd, "Neu-1234");
  EXPECT_FALSE(carl->PWExpired);
  EXPECT_EQ(changed.RFHeader().Version, 3);
}

TEST_F(QxrWrite, LockAndUnlock) {
  EXPECT_EQ(RunQxr({"lock", file, "anna"}).exitCode, 0);
  EXPECT_TRUE(Load(path).UserList().ItemByID(3)->Locked);
  EXPECT_EQ(RunQxr({"unlock", file, "3"}).exitCode, 0);
  EXPECT_FALSE(Load(path).UserList().ItemByID(3)->Locked);
}

TEST_F(QxrWrite, RefusalsLeaveTheFileAsItWas) {
  const auto before = ReadBytes(path);
  struct Case {
    QStringList arguments;
    QByteArray input;
    int exitCode;
  };
  const Case cases[] = {
      {{"lock", file, "admin"}, {}, 1},  // the administrator must be able to sign in
      {{"unlock", file, "2"}, {}, 1},    // the template has neither login nor password
      {{"passwd", file, "2"}, "Neu-1234\n", 1},
      {{"passwd", file, "nobody"}, "Neu-1234\n", 1},
      {{"passwd", file, "anna"}, "\n", 1},                                  // empty
      {{"passwd", file, "anna"}, "Kennwort\xe2\x82\xac\xe2\x88\x9e\n", 1},  // ∞ has no Windows-1252 byte
      {{"passwd", file, "anna"}, QByteArray(256, 'x') + "\n", 1},
      {{"passwd", file, "anna"}, {}, 2},  // nothing on standard input
  };
  for (const Case& c : cases) {
    const QxrRun run = RunQxr(c.arguments, c.input);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString() << "\n" << run.err;
    EXPECT_FALSE(run.err.empty());
  }
  EXPECT_EQ(ReadBytes(path), before);
  const auto entries = dir.Entries();  // the file and its writers' lock file, no temporary file left behind
  EXPECT_EQ(std::count_if(entries.begin(), entries.end(), [](const std::string& name) { return !name.ends_with(".lock"); }), 1);
}
