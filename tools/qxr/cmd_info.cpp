// qxr info FILE: the header as stored, its checks, and the list counts.
#include <QJsonObject>

#include "command_line.h"
#include "commands.h"
#include "date_text.h"
#include "header_check.h"
#include "output.h"
#include "rights_file.h"
#include "rights_json.h"

namespace qxr {

namespace {

struct ListCounts {
  std::optional<rights::TRechteDatei> file;  // none when the lists cannot be loaded
  std::string error;
};

// The lists are counted even when the checksum is wrong, so support sees
// what a damaged file still holds.
ListCounts LoadLists(const std::string& fileName, const std::vector<std::uint8_t>& image) {
  ListCounts counts;
  try {
    counts.file.emplace(fileName);
    counts.file->LoadImage(image, false);
  } catch (const rights::ERightsError& error) {
    counts.file.reset();
    counts.error = error.what();
  }
  return counts;
}

QJsonValue CountJson(const ListCounts& counts, std::size_t (*count)(const rights::TRechteDatei&)) {
  return counts.file ? QJsonValue(static_cast<qint64>(count(*counts.file))) : QJsonValue(QJsonValue::Null);
}

std::size_t Users(const rights::TRechteDatei& file) { return file.UserList().Count(); }
std::size_t Groups(const rights::TRechteDatei& file) { return file.GroupList().Count(); }
std::size_t Assignments(const rights::TRechteDatei& file) { return file.AssgnList().Count(); }
std::size_t AssignedRights(const rights::TRechteDatei& file) { return file.AssRightList().Count(); }

void PrintInfoJson(const std::string& fileName, const HeaderCheck& check, const ListCounts& counts) {
  const auto& header = check.header;
  PrintJson({
      {"file", ToQ(fileName)},
      {"caption_valid", check.CaptionValid()},
      {"rf_version", header.RFVersion},
      {"header_size", static_cast<qint64>(check.headerSize)},
      {"version", header.Version},
      {"time_stamp", TimeStampToJson(header.TimeStamp)},
      {"time_stamp_local", TextOrNull(LocalDateTimeText(header.TimeStamp))},
      {"crc_stored", static_cast<qint64>(header.CRC)},
      {"crc_computed", static_cast<qint64>(check.computedCRC)},
      {"crc_valid", check.ChecksumValid()},
      {"assgn_pos", static_cast<qint64>(header.AssgnPos)},
      {"rights_active", header.RightsActive},
      {"trust_domain_user", header.TrustDomainUser},
      {"win_domain", ToQ(header.DomainText())},
      {"users", CountJson(counts, Users)},
      {"groups", CountJson(counts, Groups)},
      {"assignments", CountJson(counts, Assignments)},
      {"assigned_rights", CountJson(counts, AssignedRights)},
      {"lists_error", counts.file ? QJsonValue(QJsonValue::Null) : QJsonValue(ToQ(counts.error))},
  });
}

std::string CountText(const ListCounts& counts, std::size_t (*count)(const rights::TRechteDatei&)) {
  return counts.file ? std::to_string(count(*counts.file)) : "-";
}

void PrintInfoText(const std::string& fileName, const HeaderCheck& check, const ListCounts& counts) {
  const auto& header = check.header;
  TextTable table({"File:", fileName});
  table.AddRow({"Caption:", check.CaptionValid() ? "valid" : "invalid"});
  table.AddRow({"Header:", "RFVersion " + std::to_string(header.RFVersion) + ", " + std::to_string(check.headerSize) +
                               " bytes"});
  table.AddRow({"Version:", std::to_string(header.Version)});
  table.AddRow({"Time stamp:", LocalDateTimeText(header.TimeStamp).value_or("(not a date)")});
  table.AddRow({"Checksum:", "stored " + Hex32(header.CRC) + ", computed " + Hex32(check.computedCRC) +
                                 (check.ChecksumValid() ? " (valid)" : " (differs)")});
  table.AddRow({"Assignments at:", "body byte " + std::to_string(header.AssgnPos)});
  table.AddRow({"Rights active:", YesNo(header.RightsActive)});
  table.AddRow({"Trust domain user:", YesNo(header.TrustDomainUser)});
  table.AddRow({"Windows domain:", header.DomainText().empty() ? "(none)" : header.DomainText()});
  table.AddRow({"Users:", CountText(counts, Users)});
  table.AddRow({"Groups:", CountText(counts, Groups)});
  table.AddRow({"Assignments:", CountText(counts, Assignments)});
  table.AddRow({"Assigned rights:", CountText(counts, AssignedRights)});
  table.Print();
  if (!counts.file) PrintError("the lists cannot be loaded: " + Quoted(counts.error));
}

int Run(const CommandLine& line) {
  const std::string fileName = line.Argument(0);
  const auto image = ReadFileBytes(fileName, "the rights file");
  const auto check = CheckHeader(image);
  if (!check) throw TooShortFailure(fileName, image.size());
  const ListCounts counts = LoadLists(fileName, image);
  if (line.Json())
    PrintInfoJson(fileName, *check, counts);
  else
    PrintInfoText(fileName, *check, counts);
  return counts.file ? ExitOk : ExitFileError;
}

}  // namespace

const Command InfoCommand{"info", "Shows the header, its checks and the list counts of a rights file.",
                          DeclareRightsFileAndJson, Run};

}  // namespace qxr
