#include "update/ftp_list_parser.h"

#include <array>
#include <charconv>
#include <chrono>
#include <ctime>
#include <vector>

#include "rights/codepage.h"

namespace update {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

template <typename Int>
bool ToNumber(std::string_view s, Int& value) {
  if (s.empty()) return false;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  return error == std::errc() && end == s.data() + s.size();
}

bool IsDotEntry(std::string_view name) { return name == "." || name == ".."; }

// Splits off up to count blank-separated words; rest is what follows them.
std::vector<std::string_view> Words(std::string_view line, std::size_t count, std::string_view& rest) {
  std::vector<std::string_view> words;
  while (words.size() < count) {
    const auto start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    line.remove_prefix(start);
    const auto end = std::min(line.find(' '), line.size());
    words.push_back(line.substr(0, end));
    line.remove_prefix(end);
  }
  if (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  rest = line;
  return words;
}

bool ValidDate(int year, int month, int day, int hour, int minute, int second) {
  return year >= 1900 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
         hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 60;
}

rights::TDateTime LocalDate(int year, int month, int day, int hour, int minute, int second = 0) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  return rights::DateTimeFromTm(tm);
}

// MLSD's "modify" is UTC: YYYYMMDDHHMMSS with optional fraction.
std::optional<rights::TDateTime> MlsdTime(std::string_view value) {
  int y, mo, d, h, mi, s;
  if (value.size() < 14 || !ToNumber(value.substr(0, 4), y) || !ToNumber(value.substr(4, 2), mo) ||
      !ToNumber(value.substr(6, 2), d) || !ToNumber(value.substr(8, 2), h) ||
      !ToNumber(value.substr(10, 2), mi) || !ToNumber(value.substr(12, 2), s) ||
      !ValidDate(y, mo, d, h, mi, s))
    return std::nullopt;
  using namespace std::chrono;
  const auto day = sys_days(year_month_day(year(y), month(static_cast<unsigned>(mo)), std::chrono::day(static_cast<unsigned>(d))));
  return rights::DateTimeFromSystemTime(time_point_cast<system_clock::duration>(day + hours(h) + minutes(mi) + seconds(s)));
}

int MonthOfName(std::string_view name) {
  static constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                               "jul", "aug", "sep", "oct", "nov", "dec"};
  for (std::size_t i = 0; i < kMonths.size(); ++i)
    if (rights::SameTextIgnoringCase(name, kMonths[i])) return static_cast<int>(i) + 1;
  return 0;
}

// "drwxr-xr-x 2 owner group 4096 Jan 15 10:30 name" (the group may be missing).
std::optional<TFtpFileListItem> ParseUnixLine(std::string_view line, int currentYear) {
  if (line.size() < 10 || std::string_view("-dl").find(line[0]) == std::string_view::npos) return std::nullopt;
  std::string_view rest;
  auto words = Words(line, 9, rest);
  if (words.size() < 8) return std::nullopt;
  // Find the month: the size stands right before it.
  std::size_t monthAt = 0;
  for (std::size_t i = 3; i + 2 < words.size() && monthAt == 0; ++i)
    if (std::int64_t size = 0; MonthOfName(words[i]) > 0 && ToNumber(words[i - 1], size)) monthAt = i;
  if (monthAt == 0) return std::nullopt;
  // Re-split so that the name keeps its inner blanks.
  words = Words(line, monthAt + 3, rest);
  if (words.size() != monthAt + 3) return std::nullopt;
  TFtpFileListItem item;
  int day = 0;
  if (!ToNumber(words[monthAt - 1], item.FSize) || item.FSize < 0 || !ToNumber(words[monthAt + 1], day))
    return std::nullopt;
  const std::string_view yearOrTime = words[monthAt + 2];
  int year = currentYear, hour = 0, minute = 0;
  if (const auto colon = yearOrTime.find(':'); colon != std::string_view::npos) {
    if (!ToNumber(yearOrTime.substr(0, colon), hour) || !ToNumber(yearOrTime.substr(colon + 1), minute))
      return std::nullopt;
  } else if (!ToNumber(yearOrTime, year)) {
    return std::nullopt;
  }
  const int month = MonthOfName(words[monthAt]);
  if (!ValidDate(year, month, day, hour, minute, 0)) return std::nullopt;
  item.FModifiedDate = LocalDate(year, month, day, hour, minute);
  std::string_view name = rest;
  if (line[0] == 'l') return std::nullopt;  // links are neither files nor folders to fetch
  name = Trim(name);
  if (name.empty() || IsDotEntry(name)) return std::nullopt;
  item.fFileName = std::string(name);
  item.FItemType = line[0] == 'd' ? TFtpItemType::ditDirectory : TFtpItemType::ditFile;
  return item;
}

// "01-15-20  10:30AM       <DIR>          name" or "01-15-2020  10:30PM  1234 name".
std::optional<TFtpFileListItem> ParseDosLine(std::string_view line) {
  std::string_view rest;
  const auto words = Words(line, 3, rest);
  if (words.size() != 3 || words[0].size() < 8 || words[0][2] != '-' || words[0][5] != '-') return std::nullopt;
  int month, day, year;
  if (!ToNumber(words[0].substr(0, 2), month) || !ToNumber(words[0].substr(3, 2), day) ||
      !ToNumber(words[0].substr(6), year))
    return std::nullopt;
  if (words[0].size() == 8) year += year < 70 ? 2000 : 1900;
  std::string_view time = words[1];
  int hour, minute;
  const auto colon = time.find(':');
  if (colon == std::string_view::npos || !ToNumber(time.substr(0, colon), hour)) return std::nullopt;
  std::string_view minutePart = time.substr(colon + 1);
  const bool pm = minutePart.size() == 4 && (minutePart.substr(2) == "PM" || minutePart.substr(2) == "pm");
  const bool am = minutePart.size() == 4 && (minutePart.substr(2) == "AM" || minutePart.substr(2) == "am");
  if (pm || am) {
    minutePart = minutePart.substr(0, 2);
    if (hour < 1 || hour > 12) return std::nullopt;
    hour = hour % 12 + (pm ? 12 : 0);
  }
  if (!ToNumber(minutePart, minute) || !ValidDate(year, month, day, hour, minute, 0)) return std::nullopt;
  TFtpFileListItem item;
  if (words[2] == "<DIR>") {
    item.FItemType = TFtpItemType::ditDirectory;
  } else if (!ToNumber(words[2], item.FSize) || item.FSize < 0) {
    return std::nullopt;
  }
  const std::string_view name = Trim(rest);
  if (name.empty() || IsDotEntry(name)) return std::nullopt;
  item.fFileName = std::string(name);
  item.FModifiedDate = LocalDate(year, month, day, hour, minute);
  return item;
}

}  // namespace

std::optional<TFtpFileListItem> ParseMlsdLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  const auto blank = line.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  std::string_view facts = line.substr(0, blank);
  const std::string_view name = Trim(line.substr(blank + 1));
  if (name.empty() || IsDotEntry(name)) return std::nullopt;
  TFtpFileListItem item;
  item.fFileName = std::string(name);
  std::optional<std::string> type;
  while (!facts.empty()) {
    const auto end = std::min(facts.find(';'), facts.size());
    const std::string_view fact = facts.substr(0, end);
    facts.remove_prefix(std::min(end + 1, facts.size()));
    const auto equals = fact.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string key = rights::LowerCase(fact.substr(0, equals));
    const std::string_view value = fact.substr(equals + 1);
    if (key == "type") {
      type = rights::LowerCase(value);
    } else if (key == "size" || key == "sizd") {
      if (!ToNumber(value, item.FSize) || item.FSize < 0) return std::nullopt;
    } else if (key == "modify") {
      const auto when = MlsdTime(value);
      if (!when) return std::nullopt;
      item.FModifiedDate = *when;
    }
  }
  if (!type || *type == "cdir" || *type == "pdir") return std::nullopt;
  if (*type == "dir") item.FItemType = TFtpItemType::ditDirectory;
  else if (*type == "file") item.FItemType = TFtpItemType::ditFile;
  else return std::nullopt;  // links and other kinds of the server's OS
  return item;
}

std::optional<TFtpFileListItem> ParseListLine(std::string_view line, int currentYear) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  if (line.empty()) return std::nullopt;
  if (line[0] >= '0' && line[0] <= '9') return ParseDosLine(line);
  return ParseUnixLine(line, currentYear);
}

TQVFtpFileList ParseFtpListing(std::string_view text, bool mlsd, int currentYear) {
  TQVFtpFileList list;
  while (!text.empty()) {
    const auto end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    auto item = mlsd ? ParseMlsdLine(line) : ParseListLine(line, currentYear);
    if (item) list.push_back(std::make_unique<TFtpFileListItem>(std::move(*item)));
  }
  return list;
}

}  // namespace update
