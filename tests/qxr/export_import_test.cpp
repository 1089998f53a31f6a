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
  const auto withUser = [&](const char* key, const QJsonValue& value) {
    QJsonObject json = good;
    QJsonArray users = json["users"].toArray();
    QJsonObject user = users[2].toObject();
    if (value.isUndefined())
      user.remove(key);
    else
      user[key] = value;
    users[2] = user;
    json["users"] = users;
    return json;
  };
  const auto withRight = [&](const char* key, const QJsonValue& value) {
    QJsonObject json = good;
    QJsonArray list = json["assigned_rights"].toArray();
    QJsonObject right = list[0].toObject();
    right[key] = value;
    list[0] = right;
    json["assigned_rights"] = list;
    return json;
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
  const std::string target = dir.File("target.qxr");
  for (const Case& c : cases) {
    const QxrRun run = RunQxr({"import", Q(WriteJson(c.json, "bad.json")), Q(target)});
    EXPECT_EQ(run.exitCode, 3) << c.what;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << c.what << ": " << run.err;
    EXPECT_FALSE(std::filesystem::exists(target)) << c.what;
  }
  const std::string notJson = dir.File("not.json");
  WriteBytes(notJson, {'{', '"', 'a'});
  EXPECT_EQ(RunQxr({"import", Q(notJson), Q(target)}).exitCode, 3);
  EXPECT_FALSE(std::filesystem::exists(target));
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
