#include "import_checks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "command.h"
#include "rights/codepage.h"

namespace qxr {

namespace {

[[noreturn]] void Refuse(const std::string& where, const std::string& problem) {
  throw Failure(ExitFileError, where + ": " + problem);
}

// One open object or array while the JSON text is walked.
struct Level {
  bool isObject = false;
  std::string path;
  std::unordered_set<std::string> keys;
  std::string lastKey;
  std::size_t index = 0;
  bool expectKey = false;

  std::string Child(const std::string& key) const { return path.empty() ? key : path + "." + key; }
  std::string ChildValue() const {
    return isObject ? Child(lastKey) : path + "[" + std::to_string(index) + "]";
  }
};

// A string token with its quotes, as its text; the parser decodes escapes.
std::string DecodeString(std::string_view token) {
  if (token.find('\\') == std::string_view::npos) return std::string(token.substr(1, token.size() - 2));
  const QByteArray wrapped = "[" + QByteArray(token.data(), static_cast<qsizetype>(token.size())) + "]";
  return QJsonDocument::fromJson(wrapped).array().at(0).toString().toStdString();
}

// The end of the string token that starts at start (its opening quote).
std::size_t StringEnd(std::string_view text, std::size_t start) {
  std::size_t i = start + 1;
  while (i < text.size() && text[i] != '"') i += text[i] == '\\' ? 2 : 1;
  return std::min(i, text.size() - 1);
}

template <class Record>
std::unordered_map<std::int32_t, std::size_t> IndexByNumber(const rights::TFIRList<Record>& list, const char* key) {
  std::unordered_map<std::int32_t, std::size_t> positions;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const auto [first, added] = positions.try_emplace(list[i].ID, i);
    if (!added)
      Refuse(std::string(key) + "[" + std::to_string(i) + "].id",
             std::to_string(list[i].ID) + " is already the number of " + key + "[" + std::to_string(first->second) +
                 "]");
  }
  return positions;
}

void CheckLoginsOnce(const rights::TUserList& users) {
  std::unordered_map<std::string, std::size_t> logins;
  for (std::size_t i = 0; i < users.Count(); ++i) {
    const std::string& login = users[i].Login;
    // A login of blanks and control characters is never looked up (GetIDbyLoginName).
    if (std::all_of(login.begin(), login.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
      continue;
    const auto [first, added] = logins.try_emplace(rights::LowerCase(login), i);
    if (!added)
      Refuse("users[" + std::to_string(i) + "].login",
             "\"" + login + "\" is already the login of users[" + std::to_string(first->second) +
                 "] (logins compare without regard to case)");
  }
}

struct Holders {
  std::unordered_map<std::int32_t, std::size_t> users;
  std::unordered_map<std::int32_t, std::size_t> groups;
};

void CheckNamed(const std::unordered_map<std::int32_t, std::size_t>& known, std::int32_t number,
                const std::string& where, const char* what) {
  if (!known.contains(number)) Refuse(where, "no " + std::string(what) + " has the number " + std::to_string(number));
}

void CheckAssignments(const rights::TAssgnList& assignments, const Holders& holders) {
  for (std::size_t i = 0; i < assignments.Count(); ++i) {
    const rights::TFIAssignment& assignment = assignments[i];
    const std::string where = "assignments[" + std::to_string(i) + "].";
    CheckNamed(holders.users, assignment.User_ID, where + "user_id", "user");
    if (assignment.ToUserID != 0) CheckNamed(holders.users, assignment.ToUserID, where + "to_user_id", "user");
    if (assignment.ToGroupID != 0) CheckNamed(holders.groups, assignment.ToGroupID, where + "to_group_id", "group");
  }
}

void CheckAssignedRights(const rights::TAssgnRightList& assignedRights, const Holders& holders) {
  for (std::size_t i = 0; i < assignedRights.Count(); ++i) {
    const rights::TFIAssignedRight& right = assignedRights[i];
    const std::string where = "assigned_rights[" + std::to_string(i) + "].holder_id";
    if (right.User)
      CheckNamed(holders.users, right.USGR_ID, where, "user");
    else
      CheckNamed(holders.groups, right.USGR_ID, where, "group");
  }
}

}  // namespace

void CheckNoDuplicateKeys(std::span<const std::uint8_t> json) {
  const std::string_view text(reinterpret_cast<const char*>(json.data()), json.size());
  std::vector<Level> open;
  for (std::size_t i = 0; i < text.size(); ++i) {
    switch (text[i]) {
      case '{':
      case '[': {
        const std::string path = open.empty() ? "" : open.back().ChildValue();
        open.push_back({text[i] == '{', path, {}, {}, 0, text[i] == '{'});
        break;
      }
      case '}':
      case ']':
        if (!open.empty()) open.pop_back();
        break;
      case ',':
        if (!open.empty()) {
          open.back().expectKey = open.back().isObject;
          ++open.back().index;
        }
        break;
      case ':':
        if (!open.empty()) open.back().expectKey = false;
        break;
      case '"': {
        const std::size_t end = StringEnd(text, i);
        if (!open.empty() && open.back().expectKey) {
          Level& object = open.back();
          object.lastKey = DecodeString(text.substr(i, end - i + 1));
          if (!object.keys.insert(object.lastKey).second)
            Refuse(object.Child(object.lastKey), "given twice in one object; each key may appear once");
        }
        i = end;
        break;
      }
      default:
        break;
    }
  }
}

void CheckImportedRecords(const rights::TRechteDatei& file) {
  const Holders holders{IndexByNumber(file.UserList(), "users"), IndexByNumber(file.GroupList(), "groups")};
  IndexByNumber(file.AssgnList(), "assignments");
  IndexByNumber(file.AssRightList(), "assigned_rights");
  CheckLoginsOnce(file.UserList());
  CheckAssignments(file.AssgnList(), holders);
  CheckAssignedRights(file.AssRightList(), holders);
}

}  // namespace qxr
