#include "client_file.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <thread>

#include "ini_file.h"
#include "paths.h"
#include "rights/codepage.h"
#include "rights/errors.h"
#include "rights/file_io.h"
#include "text_utils.h"

namespace clients {

namespace {

const std::string kDemoName = "Demodaten";
const std::string kDefaultClientName = "Betriebsdaten";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> Digits(std::string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
  return TryStrToInt(text);
}

// "dd.mm.yyyy" as a date; 0 when it is none.
rights::TDateTime ParseDate(std::string_view text) {
  if (text.size() != 10 || text[2] != '.' || text[5] != '.') return 0;
  const auto day = Digits(text.substr(0, 2));
  const auto month = Digits(text.substr(3, 2));
  const auto year = Digits(text.substr(6, 4));
  if (!day || !month || !year || *year < 1) return 0;
  const std::chrono::year_month_day date{std::chrono::year(*year), std::chrono::month(*month),
                                         std::chrono::day(*day)};
  if (!date.ok()) return 0;
  std::tm tm{};
  tm.tm_year = *year - 1900;
  tm.tm_mon = *month - 1;
  tm.tm_mday = *day;
  return rights::DateTimeFromTm(tm);
}

// "h:m" as a fraction of a day; 0 when it is no valid time.
rights::TDateTime ParseTime(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0) return 0;
  const int hours = TryStrToInt(text.substr(0, colon)).value_or(0);
  const int minutes = TryStrToInt(text.substr(colon + 1)).value_or(0);
  if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) return 0;
  return (hours * 60 + minutes) / 1440.0;
}

// "letzte Änderung": "dd.mm.yyyy hh:nn", where day and month may have one digit.
rights::TDateTime ParseLastModified(std::string text) {
  if (text.empty()) return 0;
  if (text.size() >= 2 && IsDigit(text[0]) && text[1] == '.') text.insert(0, "0");
  if (text.size() >= 5 && IsDigit(text[3]) && text[4] == '.') text.insert(3, "0");
  const rights::TDateTime date = ParseDate(std::string_view(text).substr(0, 10));
  const rights::TDateTime time = text.size() > 11 ? ParseTime(std::string_view(text).substr(11)) : 0;
  return date + time;
}

// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"
bool IsGuidText(std::string_view text) {
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return false;
  for (std::size_t i = 1; i < 37; ++i) {
    const bool hyphen = i == 9 || i == 14 || i == 19 || i == 24;
    if (hyphen ? text[i] != '-' : !std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

// The section of a demo client named "0_<folder>" counts as client 0 only when
// its DemoDir names that folder.
std::string SectionNumberText(const TQVCustomIniFile& ini, const std::string& section) {
  if (!section.starts_with("0_") || !ini.ValueExists(section, "DemoDir")) return section;
  return ini.ReadString(section, "DemoDir", "") == section.substr(2) ? "0" : section;
}

}  // namespace

void TQVClientFileItem::LoadFromIni(const TQVCustomIniFile& ini, const std::string& section) {
  fClientNr = static_cast<std::uint16_t>(ini.ReadInteger(section, "NR", -1));
  fClientName = ini.ReadString(section, "Name", "");
  fProjects = 0;
  for (int project = 0; project < kClientProjectCount; ++project) {
    const std::string key = ClientProjectKey(project);
    if (ini.ValueExists(section, key) && ini.ReadInteger(section, key, 0) != 0)
      fProjects |= ProjectSet(static_cast<TQVClientProject>(project));
  }
  fHint = ini.ReadString(section, "Info", "");
  fClientConfig = ini.ReadString(section, "Client Konfiguration", "");
  fDemoDir = fClientNr == 0 ? ini.ReadString(section, "DemoDir", "") : "";
  fLastModified = ParseLastModified(ini.ReadString(section, "letzte Änderung", ""));
  const std::string guid = ini.ReadString(section, "DB-GUID", "");
  fClientGUID = IsGuidText(guid) ? guid : "";
}

std::string TQVClientFileItem::ClientName() const { return fClientNr == 0 ? kDemoName : fClientName; }

std::string TQVClientFileItem::ClientNrAsString() const {
  char text[8];
  std::snprintf(text, sizeof text, "%02u", static_cast<unsigned>(fClientNr));
  return text;
}

std::string TQVClientFileItem::ClientNrName() const { return ClientNrAsString() + " " + fClientName; }

std::string TQVClientFileItem::ClientPath() const {
  return DataDir() + ClientNrAsString() + fDemoDir + platform::kPathDelimiter;
}

TQVClientFile::TQVClientFile(TQVClientProjects filter, const std::string& plainFileName)
    : fFileName(SettingsDir() + plainFileName), fFilter(filter), fFileReader(platform::ReadFileDenyingWrites) {}

TQVClientFileItem& TQVClientFile::GetItem(std::size_t index) const {
  if (index >= fClientList.size()) throw rights::EListError(static_cast<long>(index));
  return *fClientList[index];
}

std::unique_ptr<TQVClientFileItem> TQVClientFile::CreateItem() {
  return std::make_unique<TQVClientFileItem>(this);
}

void TQVClientFile::Clear() {
  fClientList.clear();
  fIniFileText.clear();
  fLastLastModifyDate = 0;
}

std::optional<std::string> TQVClientFile::ReadFile() {
  fLastFileError = 0;
  bool foldersCreated = false;
  for (int tries = 1;; ++tries) {
    platform::FileReadResult result = fFileReader(fFileName);
    fLastFileError = result.systemCode;
    switch (result.failure) {
      case platform::OpenFailure::None:
        return std::move(result.bytes);
      case platform::OpenFailure::FileNotFound:
        return std::nullopt;
      case platform::OpenFailure::PathNotFound: {
        const std::size_t slash = fFileName.find_last_of(platform::kPathDelimiter);
        const std::string folder = slash == std::string::npos ? "" : fFileName.substr(0, slash);
        // One more try once the folders are there; they make the file itself no less missing.
        if (foldersCreated || !platform::CreateFolders(folder)) return std::nullopt;
        foldersCreated = true;
        break;
      }
      case platform::OpenFailure::AccessDenied:
        if (tries >= kAccessDeniedTries) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        break;
      case platform::OpenFailure::NotRegularFile:
      case platform::OpenFailure::Other:
        throw rights::EFileError(
            rights::FileOpenErrorText(platform::ExpandFileName(fFileName), result.systemMessage));
    }
  }
}

void TQVClientFile::Load() {
  Clear();
  const auto bytes = ReadFile();
  TSectionsSeen seen;
  if (bytes) {
    const auto written = platform::FileLastWriteTime(fFileName);
    fLastLastModifyDate = written ? rights::DateTimeFromSystemTime(*written) : 0;
    seen = ReadClients(*bytes);
  }
  AddDefaultClients(seen);
}

void TQVClientFile::LoadFromBytes(std::string_view bytes) {
  Clear();
  AddDefaultClients(ReadClients(bytes));
}

void TQVClientFile::AddDefaultClients(const TSectionsSeen& seen) {
  // A file with the demo client alone still gives client 1: there is always a
  // client to grant rights for.
  if (!seen.client) AddClient(1, kDefaultClientName);
  if (!seen.demo && GetIsDemoVisible()) AddClient(0, kDemoName);
}

TQVClientFile::TSectionsSeen TQVClientFile::ReadClients(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  fIniFileText = std::string(bytes);
  TQVCustomIniFile ini;
  ini.SetText(fIniFileText);
  TSectionsSeen seen;
  for (const std::string& section : ini.ReadSections()) {
    const auto parts = SplitString(section, '-');
    if (rights::SameTextIgnoringCase(parts.front(), "SERVER")) {
      ReadServer(ini, section, parts);
      continue;
    }
    const int number = TryStrToInt(SectionNumberText(ini, section)).value_or(-1);
    if (number == -1) continue;
    if (number == 0) {
      seen.demo = true;
      if (!GetIsDemoVisible()) continue;
    } else {
      seen.client = true;
    }
    auto item = CreateItem();
    item->LoadFromIni(ini, section);
    if (number == 0) {
      item->fProjects |= fFilter;
      item->fClientName = kDemoName;
    }
    fClientList.push_back(std::move(item));
  }
  for (const auto& item : fClientList) item->fDBServerItem = DBServerList().ServerOfClient(item->fClientNr);
  return seen;
}

void TQVClientFile::ReadServer(TQVCustomIniFile& ini, const std::string& section,
                               const std::vector<std::string>& parts) {
  const auto number = parts.size() == 2 ? TryStrToInt(parts[1]) : std::nullopt;
  if (!number || *number < 1 || *number > 255) return;
  const auto nr = static_cast<std::uint8_t>(*number);
  if (DBServerList().ByNr(nr)) return;
  try {
    auto server = std::make_shared<TkdrDBServerItem>(nr);
    server->LoadFromIni(ini, section);
    DBServerList().Add(std::move(server));
  } catch (const std::exception&) {
    // A server that cannot be read is left out.
  }
}

void TQVClientFile::AddClient(std::uint16_t number, const std::string& name) {
  auto item = CreateItem();
  item->fClientNr = number;
  item->fClientName = name;
  item->fProjects = fFilter;
  fClientList.push_back(std::move(item));
}

void TQVClientFile::SortOnNr() {
  std::stable_sort(fClientList.begin(), fClientList.end(), [](const auto& a, const auto& b) {
    if (a->fClientNr != b->fClientNr) return a->fClientNr < b->fClientNr;
    return rights::LowerCase(a->fDemoDir) < rights::LowerCase(b->fDemoDir);
  });
}

}  // namespace clients
