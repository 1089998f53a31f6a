// export --with-passwords then import reproduces the file.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <filesystem>
#include <limits>

#include "qxr_fixture.h"

namespace {

class QxrExportImport : public QxrFixture {
 protected:
  QJsonObject Export(const std::string& fileName) {
    const QxrRun run = RunQxr({"export", "--with-passwords", Q(fileName)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  }

  std::string WriteJson(const QJsonObject& json, const char* name) {
    const std::string fileName = dir.File(name);
    const QByteArray bytes = QJsonDocument(json).toJson();
    WriteBytes(fileName, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return fileName;
  }

  // The JSON with one field of one record of a list changed (removed for an undefined value).
  static QJsonObject WithField(QJsonObject json, const char* list, qsizetype index, const char* key,
                               const QJsonValue& value) {
    QJsonArray records = json[list].toArray();
    QJsonObject record = records[index].toObject();
    if (value.isUndefined())
      record.remove(key);
    else
      record[key] = value;
    records[index] = record;
    json[list] = records;
    return json;
  }

  // Runs import on the JSON text: refused with exit code 3, a message that
  // names the place, and no file written.
  void ExpectImportRefused(const std::string& what, const QByteArray& json, const std::string& named) {
    const std::string input = dir.File("bad.json");
    const std::string target = dir.File("target.qxr");
    WriteBytes(input, std::vector<std::uint8_t>(json.begin(), json.end()));
    const QxrRun run = RunQxr({"import", Q(input), Q(target)});
    EXPECT_EQ(run.exitCode, 3) << what;
    EXPECT_NE(run.err.find(named), std::string::npos) << what << ": " << run.err;
    EXPECT_FALSE(std::filesystem::exists(target)) << what;
  }

  // Import writes once more, so only the write counter differs.
  void ExpectSameExceptVersion(QJsonObject imported, const QJsonObject& original) {
    QJsonObject header = imported["header"].toObject();
    EXPECT_EQ(header["version"].toInt(), original["header"].toObject()["version"].toInt() + 1);
    header["version"] = original["header"].toObject()["version"];
    imported["header"] = header;
    EXPECT_EQ(imported, original);
  }
};

// A file only a damaged or foreign writer makes: odd module bytes, a name on
// an assignment, a record that is not allowed, and a time stamp that is no number.
void Damage(rights::TRechteDatei& file) {
  auto right = std::make_unique<rights::TFIAssignedRight>();
  right->ID = 40;
  right->Bez = "sonderbar";
  right->Allow = false;
  right->User = true;
  right->USGR_ID = 3;
  right->Right_ID = 1500;
  right->Mandant = 255;
  right->Modules = std::string("K\0\xFF\x1B\"\\  C", 9);
  file.AssRightList().AddItem(std::move(right));
  auto assignment = std::make_unique<rights::TFIAssignment>();
  assignment->ID = 9;
  assignment->Bez = "alt";
  assignment->User_ID = 5;
  assignment->ToUserID = 3;
  assignment->ToGroupID = 2;
  file.AssgnList().AddItem(std::move(assignment));
  file.SetTimeStamp(std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

TEST_F(QxrExportImport, RoundTripReproducesEveryRecordAndTheHeader) {
  for (const bool damaged : {false, true}) {
    if (damaged) {
      auto file = Load(path);
      Damage(file);
      file.Write();
    }
    const QJsonObject original = Export(path);
    const std::string json = WriteJson(original, "export.json");
    const std::string copy = dir.File("copy.qxr");
    const QxrRun run = RunQxr({"import", "--force", Q(json), Q(copy)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectSameExceptVersion(Export(copy), original);
    const auto before = Load(path);
    const auto after = Load(copy);
    EXPECT_EQ(after.AssRightList()[after.AssRightList().Count() - 1].Modules,
              before.AssRightList()[before.AssRightList().Count() - 1].Modules);
    EXPECT_EQ(std::isnan(after.RFHeader().TimeStamp), damaged);
  }
}

TEST_F(QxrExportImport, ImportReadsStandardInput) {
  const QxrRun exported = RunQxr({"export", "--with-passwords", file});
  const std::string copy = dir.File("copy.qxr");
  EXPECT_EQ(RunQxr({"import", "-", Q(copy)}, QByteArray::fromStdString(exported.out)).exitCode, 0);
  EXPECT_EQ(Load(copy).UserLogin("anna", "pw-anna"), 3);
}

TEST_F(QxrExportImport, ImportRefusesBadJsonAndWritesNothing) {
  const QJsonObject good = Export(path);
  const auto withUser = [&](const char* key, const QJsonValue& value) { return WithField(good, "users", 2, key, value); };
  const auto withRight = [&](const char* key, const QJsonValue& value) {
    return WithField(good, "assigned_rights", 0, key, value);
  };
  QJsonObject noFormat = good;
  noFormat.remove("format");
  struct Case {
    const char* what;
    QJsonObject json;
    std::string named;
  };
  const Case cases[] = {
      {"no password (export without --with-passwords)", withUser("password", QJsonValue()), "users[2].password"},
      {"id not a whole number", withUser("id", 3.5), "users[2].id"},
      {"locked not a boolean", withUser("locked", "yes"), "users[2].locked"},
      {"modules too short", withRight("modules", "K"), "assigned_rights[0].modules"},
      {"modules beyond a byte", withRight("modules", QString::fromUtf8("K\u20ac       ")),
       "assigned_rights[0].modules"},
      {"client beyond a byte", withRight("client", 256), "assigned_rights[0].client"},
      {"holder neither user nor group", withRight("holder", "team"), "assigned_rights[0].holder"},
      {"not an export", noFormat, "format"},
      {"login outside Windows-1252", withUser("login", QString::fromUtf8("Łódź")), "users[2].login"},
      {"name longer than a field keeps", withUser("name", QString(256, 'x')), "users[2].name"},
  };
  for (const Case& c : cases) ExpectImportRefused(c.what, QJsonDocument(c.json).toJson(), c.named);
  const std::string target = dir.File("target.qxr");
  const std::string notJson = dir.File("not.json");
  WriteBytes(notJson, {'{', '"', 'a'});
  EXPECT_EQ(RunQxr({"import", Q(notJson), Q(target)}).exitCode, 3);
  EXPECT_FALSE(std::filesystem::exists(target));
}

// Fixture: users 1 Admin, 2 Vorlage, 3 anna, 4 bert, 5 carl; groups 1 and 2;
// assignments[0] puts user 3 into group 1; assigned_rights[0] is held by group 1.
TEST_F(QxrExportImport, ImportRefusesRecordsThatContradictEachOther) {
  const QJsonObject good = Export(path);
  QJsonObject secondAdmin = good;
  QJsonArray users = good["users"].toArray();
  QJsonObject admin = users[0].toObject();
  admin["login"] = "zweiter";
  admin["password"] = "x";
  users.append(admin);
  secondAdmin["users"] = users;
  struct Case {
    const char* what;
    QJsonObject json;
    std::string named;
  };
  const Case cases[] = {
      {"a user's number twice", WithField(good, "users", 3, "id", 3), "users[3].id: 3 is already the number of users[2]"},
      {"a second user 1", secondAdmin, "users[5].id: 1 is already the number of users[0]"},
      {"a group's number twice", WithField(good, "groups", 1, "id", 1), "groups[1].id"},
      {"an assignment's number twice", WithField(good, "assignments", 1, "id", good["assignments"][0]["id"]),
       "assignments[1].id"},
      {"an assigned right's number twice",
       WithField(good, "assigned_rights", 2, "id", good["assigned_rights"][0]["id"]), "assigned_rights[2].id"},
      {"a login twice, in another case", WithField(good, "users", 4, "login", "ANNA"),
       "users[4].login: \"ANNA\" is already the login of users[2]"},
      {"membership of a missing user", WithField(good, "assignments", 0, "user_id", 99),
       "assignments[0].user_id: no user has the number 99"},
      {"membership in a missing group", WithField(good, "assignments", 0, "to_group_id", 7),
       "assignments[0].to_group_id: no group has the number 7"},
      {"equivalent to a missing user", WithField(good, "assignments", 1, "to_user_id", 6),
       "assignments[1].to_user_id"},
      {"right of a missing group", WithField(good, "assigned_rights", 0, "holder_id", 5),
       "assigned_rights[0].holder_id: no group has the number 5"},
      {"right of a missing user", WithField(WithField(good, "assigned_rights", 0, "holder", "user"),
                                            "assigned_rights", 0, "holder_id", 42),
       "assigned_rights[0].holder_id: no user has the number 42"},
  };
  for (const Case& c : cases) ExpectImportRefused(c.what, QJsonDocument(c.json).toJson(), c.named);

  // A key given twice: the parser would keep one of them without a word.
  const QByteArray text = QJsonDocument(good).toJson(QJsonDocument::Compact);
  const auto replaced = [&](const char* from, const char* to) {
    EXPECT_TRUE(text.contains(from)) << from;
    return QByteArray(text).replace(from, to);
  };
  ExpectImportRefused("users twice", replaced("{", "{\"users\":[],"), "users: given twice in one object");
  ExpectImportRefused("users twice, once escaped", replaced("{", "{\"user\\u0073\":[],"), "users: given twice");
  ExpectImportRefused("a login twice in one user", replaced("\"login\":\"anna\"", "\"login\":\"anna\",\"login\":\"x\""),
                      "users[2].login: given twice");
  ExpectImportRefused("a header key twice", replaced("\"rights_active\":true", "\"rights_active\":true,\"rights_active\":false"),
                      "header.rights_active: given twice");
}

TEST_F(QxrExportImport, ImportReplacesAFileOnlyWithForce) {
  const std::string json = WriteJson(Export(path), "export.json");
  const std::string other = dir.File("other.qxr");
  WriteBytes(other, {1, 2, 3});
  const QxrRun refused = RunQxr({"import", Q(json), Q(other)});
  EXPECT_EQ(refused.exitCode, 3);
  EXPECT_NE(refused.err.find("--force"), std::string::npos);
  EXPECT_EQ(ReadBytes(other), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(RunQxr({"import", "--force", Q(json), Q(other)}).exitCode, 0);
  EXPECT_EQ(Load(other).UserList().Count(), 5u);
}

TEST_F(QxrExportImport, ExportLeavesPasswordsOutUnlessAsked) {
  const QxrRun run = RunQxr({"export", file});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.find("pw-anna"), std::string::npos);
  EXPECT_EQ(run.out.find("Geheim!1"), std::string::npos);
  EXPECT_NE(RunQxr({"export", "--with-passwords", file}).out.find("pw-anna"), std::string::npos);
}
