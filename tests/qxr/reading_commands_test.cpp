// The commands that only read: their output on the fixture file.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "qxr_fixture.h"
#include "support/odd_paths.h"

namespace {

QJsonObject Json(const QxrRun& run) { return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object(); }

class QxrInspect : public QxrFixture {};

}  // namespace

TEST_F(QxrInspect, TextOutputOfEachCommand) {
  struct Case {
    QStringList arguments;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {{"info", file},
       {"Caption:            valid", "Version:            2", "(valid)", "Windows domain:     firma",
        "Users:              5", "Assigned rights:    5"}},
      {{"users", file}, {"3   Anna Ärmel", "anna   no      no", "5   Carl", "carl   yes     yes"}},
      {{"groups", file}, {"1   Buchhaltung  3 (anna)", "2   Lager        4 (bert)"}},
      {{"rights", file, "--user", "anna"},
       {"5       1      LedgerPro", "0       103    Mandant löschen", "5       1200"}},
      {{"rights", file, "--user", "5", "--client", "7"}, {"7       3      Invoicing"}},
      {{"explain", file, "--user", "anna", "--right", "1200", "--client", "5"},
       {"right 1200, client 5: granted", "equivalent user 4 (bert) via 3 -> 4",
        "record 2, modules \"K        \", counts"}},
      {{"explain", file, "--user", "ANNA", "--right", "1300", "--client", "5"},
       {"not granted: every record of it fails the module filter", "\"K        \" (LED)"}},
      {{"catalog", QStringLiteral(QXR_DEMO_CATALOG)},
       {"1000 Programm (group) [LED OIT BIL BUD AST FIG LSE FLG DOC]", "  1001 Programmeinstellungen ändern"}},
  };
  for (const Case& c : cases) {
    const QxrRun run = RunQxr(c.arguments);
    EXPECT_EQ(run.exitCode, 0) << c.arguments.join(' ').toStdString() << "\n" << run.err;
    for (const std::string& text : c.shown)
      EXPECT_NE(run.out.find(text), std::string::npos) << c.arguments.join(' ').toStdString() << "\n" << run.out;
  }
  EXPECT_EQ(RunQxr({"rights", file, "--user", "anna"}).out.find("1300"), std::string::npos);  // filtered out
}

TEST_F(QxrInspect, JsonOutput) {
  const QJsonObject info = Json(RunQxr({"info", "--json", file}));
  EXPECT_TRUE(info["crc_valid"].toBool());
  EXPECT_EQ(info["rf_version"].toInt(), 3);
  EXPECT_EQ(info["users"].toInt(), 5);
  EXPECT_EQ(info["win_domain"].toString(), "firma");

  const QJsonObject rightsJson = Json(RunQxr({"rights", file, "--user", "anna", "--client", "5", "--json"}));
  EXPECT_EQ(rightsJson["module_filter"].toString(), "K        ");
  const QJsonArray granted = rightsJson["rights"].toArray();
  ASSERT_EQ(granted.size(), 2);  // module 1 and right 1200; client 0's 103 is not shown
  EXPECT_EQ(granted[1].toObject()["right"].toInt(), 1200);
  EXPECT_TRUE(granted[1].toObject()["name"].isNull());

  const QJsonObject explanation =
      Json(RunQxr({"explain", file, "--user", "anna", "--right", "103", "--client", "0", "--json"}));
  EXPECT_TRUE(explanation["can_do"].toBool());
  EXPECT_EQ(explanation["right_kind"].toString(), "without_module");
  EXPECT_EQ(explanation["sources"].toArray()[3].toObject()["kind"].toString(), "group");

  const QJsonObject groups = Json(RunQxr({"groups", file, "--json"}));
  EXPECT_EQ(groups["groups"].toArray()[0].toObject()["members"].toArray(), QJsonArray{3});
  const QJsonObject users = Json(RunQxr({"users", file, "--json"}));
  EXPECT_FALSE(users["users"].toArray()[0].toObject().contains("password"));

  const QJsonArray entries =
      Json(RunQxr({"catalog", "--json", QStringLiteral(QXR_DEMO_CATALOG)}))["entries"].toArray();
  ASSERT_GT(entries.size(), 1);
  EXPECT_EQ(entries[1].toObject()["depth"].toInt(), 1);
}

TEST_F(QxrInspect, VerifyIsQuietOnASoundFileAndGivesTheReasonOtherwise) {
  EXPECT_EQ(RunQxr({"verify", file}).exitCode, 0);
  EXPECT_EQ(RunQxr({"verify", file}).out + RunQxr({"verify", file}).err, "");

  struct Case {
    const char* what;
    std::size_t offset;  // the byte changed
    std::string reason;
  };
  const Case cases[] = {
      {"a body byte", rights::CurrentHeaderSize + 12, "wurde anscheinend manipuliert."},
      {"the caption", 4, "ist keine gültige Rechtedatei oder beschädigt."},
  };
  const auto sound = ReadBytes(path);
  for (const Case& c : cases) {
    auto damaged = sound;
    damaged.at(c.offset) ^= 0x01;
    WriteBytes(path, damaged);
    const QxrRun run = RunQxr({"verify", file});
    EXPECT_EQ(run.exitCode, 1) << c.what;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.what << ": " << run.err;
    EXPECT_FALSE(Json(RunQxr({"verify", "--json", file}))["sound"].toBool()) << c.what;
  }
  WriteBytes(path, std::vector<std::uint8_t>(sound.begin(), sound.begin() + 50));
  EXPECT_EQ(RunQxr({"verify", file}).exitCode, 1);
}

TEST_F(QxrInspect, UnreadableFilesAreExitCodeThree) {
  const std::string damaged = dir.File("damaged.qxr");
  auto bytes = ReadBytes(path);
  bytes.at(rights::CurrentHeaderSize + 12) ^= 0x01;
  WriteBytes(damaged, bytes);
  const std::string missing = dir.File("missing.qxr");
  for (const QStringList& arguments :
       {QStringList{"users", Q(missing)}, QStringList{"users", Q(damaged)}, QStringList{"verify", Q(missing)},
        QStringList{"catalog", Q(missing)}, QStringList{"rights", file, "--user", "anna", "--catalog", Q(path)},
        QStringList{"clients", "--datadir", Q(missing)}}) {
    const QxrRun run = RunQxr(arguments);
    EXPECT_EQ(run.exitCode, 3) << arguments.join(' ').toStdString();
    EXPECT_FALSE(run.err.empty());
  }
  // info still shows what a damaged file holds, and says the checksum differs.
  const QxrRun info = RunQxr({"info", Q(damaged)});
  EXPECT_EQ(info.exitCode, 0);
  EXPECT_NE(info.out.find("(differs)"), std::string::npos);
}

// A pipe used to hang qxr and a folder passed as a file of 2^63 bytes.
TEST_F(QxrInspect, EveryFileArgumentMustBeARegularFile) {
  const OddPaths odd("SETTINGS/QVMANDANT.INI");
  for (const OddPath& path : odd.Cases()) {
    const QString p = Q(path.path);
    const QString dataDir = Q(std::filesystem::path(path.path).parent_path().parent_path().string());
    for (const QStringList& arguments :
         {QStringList{"info", p}, QStringList{"verify", p}, QStringList{"users", p}, QStringList{"catalog", p},
          QStringList{"rights", file, "--user", "anna", "--catalog", p}, QStringList{"import", p, Q(dir.File("new.qxr"))},
          QStringList{"service-code", "--key", p, "1234567"}, QStringList{"clients", "--datadir", dataDir}}) {
      SCOPED_TRACE(std::string(path.label) + ": " + arguments.join(' ').toStdString());
      const QxrRun run = RunQxr(arguments);
      if (path.kind != OddKind::Pipe && path.kind != OddKind::Folder && arguments[0] == "clients") {
        EXPECT_EQ(run.exitCode, 0);  // no list, or one refused 255 times: the default clients
        continue;
      }
      EXPECT_EQ(run.exitCode, 3) << run.err;
      if (path.kind == OddKind::Pipe || path.kind == OddKind::Folder) {
        EXPECT_NE(run.err.find(path.reason()), std::string::npos) << run.err;
      }
    }
  }
}

TEST_F(QxrInspect, UnknownUserIsACheckFailure) {
  const QxrRun run = RunQxr({"rights", file, "--user", "nobody"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("nobody"), std::string::npos);
}

TEST_F(QxrInspect, ControlCharactersFromTheFileAreEscaped) {
  auto edited = Load(path);
  auto user = std::make_unique<rights::TFIUser>();
  user->Bez = "Eve\x1b]0;owned\x07\x1b[2J";
  user->Login = "eve\xc2\x9d" "31m";  // a C1 control: the file's byte 0x9D, which Windows-1252 leaves undefined
  edited.UserList().AddItem(std::move(user));
  edited.Write();
  const QxrRun run = RunQxr({"users", file});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
  EXPECT_EQ(run.out.find("\xc2\x9d"), std::string::npos);
  EXPECT_NE(run.out.find("Eve\\x1B]0;owned\\x07\\x1B[2J"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("eve\\x9D31m"), std::string::npos) << run.out;
}
