#include "rights_json.h"

#include <QJsonArray>
#include <cmath>
#include <cstring>

#include "command.h"
#include "date_text.h"
#include "json_fields.h"
#include "output.h"

namespace qxr {

namespace {

constexpr const char* kFormat = "qxr-rights-file";
constexpr int kFormatVersion = 1;

QJsonObject HeaderToJson(const rights::TRechteDatei& file) {
  const auto& header = file.RFHeader();
  return {
      {"version", header.Version},
      {"time_stamp", TimeStampToJson(header.TimeStamp)},
      {"time_stamp_local", TextOrNull(LocalDateTimeText(header.TimeStamp))},
      {"rights_active", header.RightsActive},
      {"trust_domain_user", header.TrustDomainUser},
      {"win_domain", ToQ(file.winDomain())},
  };
}

QJsonObject GroupToJson(const rights::TFIGroup& group) { return {{"id", group.ID}, {"name", ToQ(group.Bez)}}; }

QJsonObject AssignmentToJson(const rights::TFIAssignment& assignment) {
  return {
      {"id", assignment.ID},
      {"name", ToQ(assignment.Bez)},
      {"user_id", assignment.User_ID},
      {"to_user_id", assignment.ToUserID},
      {"to_group_id", assignment.ToGroupID},
  };
}

QJsonObject AssignedRightToJson(const rights::TFIAssignedRight& right) {
  return {
      {"id", right.ID},
      {"name", ToQ(right.Bez)},
      {"allow", right.Allow},
      {"holder", right.User ? "user" : "group"},
      {"holder_id", right.USGR_ID},
      {"right_id", right.Right_ID},
      {"client", right.Mandant},
      {"modules", ModulesToJson(right.Modules)},
  };
}

template <class List, class ToJson>
QJsonArray ListToJson(const List& list, ToJson toJson) {
  QJsonArray array;
  for (const auto& record : list) array.append(toJson(*record));
  return array;
}

rights::TDateTime TimeStampFromJson(const JsonFields& header) {
  const QJsonValue value = header.Value("time_stamp");
  if (value.isDouble()) return value.toDouble();
  bool hex = false;
  const std::uint64_t bits = value.toString().toULongLong(&hex, 16);
  if (!value.isString() || value.toString().size() != 16 || !hex)
    header.Fail("time_stamp", "expected a number or 16 hex digits");
  double stamp;
  std::memcpy(&stamp, &bits, sizeof stamp);
  return stamp;
}

rights::TModulesStr ModulesFromJson(const JsonFields& right) {
  const QString text = right.QText("modules");
  if (text.size() != rights::ModuleCount) right.Fail("modules", "expected nine characters");
  rights::TModulesStr modules;
  for (const QChar c : text) {
    if (c.unicode() > 0xFF) right.Fail("modules", "expected characters U+0000 to U+00FF");
    modules += static_cast<char>(c.unicode());
  }
  return modules;
}

void HeaderFromJson(const JsonFields& header, rights::TRechteDatei& file) {
  file.SetVersion(header.Int32("version"));
  file.SetTimeStamp(TimeStampFromJson(header));
  file.SetRightsActive(header.Bool("rights_active"));
  file.SetTrustDomainUser(header.Bool("trust_domain_user"));
  file.SetWinDomain(header.Text("win_domain"));
}

void ReadUser(const JsonFields& json, rights::TFIUser& user) {
  user.Bez = json.StoredText("name");
  user.Func = json.StoredText("function");
  user.Login = json.StoredText("login");
  if (!json.Has("password")) json.Fail("password", "missing; import needs an export made with --with-passwords");
  user.Passwd = json.StoredText("password");
  user.Locked = json.Bool("locked");
  user.PWExpired = json.Bool("password_expired");
}

void ReadGroup(const JsonFields& json, rights::TFIGroup& group) { group.Bez = json.StoredText("name"); }

void ReadAssignment(const JsonFields& json, rights::TFIAssignment& assignment) {
  assignment.Bez = json.StoredText("name");
  assignment.User_ID = json.Int32("user_id");
  assignment.ToUserID = json.Int32("to_user_id");
  assignment.ToGroupID = json.Int32("to_group_id");
}

void ReadAssignedRight(const JsonFields& json, rights::TFIAssignedRight& right) {
  right.Bez = json.StoredText("name");
  right.Allow = json.Bool("allow");
  const std::string holder = json.Text("holder");
  if (holder != "user" && holder != "group") json.Fail("holder", "expected \"user\" or \"group\"");
  right.User = holder == "user";
  right.USGR_ID = json.Int32("holder_id");
  right.Right_ID = json.Int32("right_id");
  right.Mandant = static_cast<std::uint8_t>(json.Integer("client", 0, 255));
  right.Modules = ModulesFromJson(json);
}

// Appends one record per array element; a record numbered 0 is numbered as
// the store numbers new records.
template <class List, class ReadFields>
void ListFromJson(const JsonFields& root, const char* key, List& list, ReadFields readFields) {
  const QJsonArray array = root.Array(key);
  for (qsizetype i = 0; i < array.size(); ++i) {
    const JsonFields json = root.Element(array, key, i);
    auto record = std::make_unique<typename List::Record>();
    record->ID = json.Int32("id");
    readFields(json, *record);
    list.AddItem(std::move(record));
  }
}

}  // namespace

QJsonObject UserToJson(const rights::TFIUser& user, bool withPassword) {
  QJsonObject json{
      {"id", user.ID},
      {"name", ToQ(user.Bez)},
      {"function", ToQ(user.Func)},
      {"login", ToQ(user.Login)},
      {"locked", user.Locked},
      {"password_expired", user.PWExpired},
  };
  if (withPassword) json.insert("password", ToQ(user.Passwd));
  return json;
}

QJsonValue TimeStampToJson(rights::TDateTime value) {
  if (std::isfinite(value)) return value;
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return QString::number(bits, 16).rightJustified(16, '0').toUpper();
}

QJsonValue ModulesToJson(const rights::TModulesStr& modules) {
  QString text;
  for (const char byte : modules) text += QChar(static_cast<unsigned char>(byte));
  return text;
}

QJsonObject RightsFileToJson(const rights::TRechteDatei& file, bool withPasswords) {
  return {
      {"format", kFormat},
      {"format_version", kFormatVersion},
      {"header", HeaderToJson(file)},
      {"users",
       ListToJson(file.UserList(), [&](const rights::TFIUser& user) { return UserToJson(user, withPasswords); })},
      {"groups", ListToJson(file.GroupList(), GroupToJson)},
      {"assignments", ListToJson(file.AssgnList(), AssignmentToJson)},
      {"assigned_rights", ListToJson(file.AssRightList(), AssignedRightToJson)},
  };
}

void RightsFileFromJson(const QJsonObject& json, rights::TRechteDatei& file) {
  const JsonFields root(json, "");
  if (root.Value("format") != QJsonValue(kFormat) || root.Integer("format_version", 0, INT32_MAX) != kFormatVersion)
    root.Fail("format", std::string("expected \"") + kFormat + "\" in format_version 1, as qxr export writes");
  HeaderFromJson(root.Object("header"), file);
  ListFromJson(root, "users", file.UserList(), ReadUser);
  ListFromJson(root, "groups", file.GroupList(), ReadGroup);
  ListFromJson(root, "assignments", file.AssgnList(), ReadAssignment);
  ListFromJson(root, "assigned_rights", file.AssRightList(), ReadAssignedRight);
}

}  // namespace qxr
