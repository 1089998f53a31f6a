#include "update/auto_update_lines.h"

#include <QDateTime>

#include <algorithm>
#include <cstdio>

#include "clients/text_utils.h"
#include "rights/codepage.h"

namespace update {

namespace {

const std::string kDays = "Tage";
const std::string kLastCheck = "Letzte Prüfung";
const std::string kManual = "Manuell";
const std::string kAsAdmin = "als Admin";

const char* YesNo(bool value) { return value ? "J" : "N"; }

}  // namespace

TAutoUpdateLines::TAutoUpdateLines(const std::string& bytes) {
  const std::string text = rights::Cp1252ToUtf8(bytes);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    fLines.push_back(std::move(line));
    start = end + 1;
  }
}

int TAutoUpdateLines::Find(const std::string& name) const {
  for (std::size_t i = 0; i < fLines.size(); ++i) {
    const std::size_t equals = fLines[i].find('=');
    if (equals != std::string::npos && rights::SameTextIgnoringCase(fLines[i].substr(0, equals), name))
      return static_cast<int>(i);
  }
  return -1;
}

std::string TAutoUpdateLines::Value(const std::string& name) const {
  const int index = Find(name);
  if (index < 0) return {};
  const std::string& line = fLines[static_cast<std::size_t>(index)];
  return line.substr(line.find('=') + 1);
}

void TAutoUpdateLines::SetValue(const std::string& name, const std::string& value) {
  const int index = Find(name);
  if (index < 0)
    fLines.push_back(name + "=" + value);
  else
    fLines[static_cast<std::size_t>(index)] = name + "=" + value;
}

TAutoUpdateValues TAutoUpdateLines::Stored() const {
  TAutoUpdateValues stored;
  stored.Days = std::max(0, clients::TryStrToInt(clients::Trim(Value(kDays))).value_or(0));
  stored.LastCheck = ParseCheckTime(Value(kLastCheck));
  stored.Manual = Value(kManual) != "N";
  stored.AsAdmin = Value(kAsAdmin) != "N";
  return stored;
}

bool TAutoUpdateLines::Apply(const TAutoUpdateValues& stored, const TAutoUpdateValues& values) {
  if (values.LastCheck == 0) {
    if (values.Days == stored.Days && values.Manual == stored.Manual && values.AsAdmin == stored.AsAdmin)
      return false;
    SetValue(kManual, YesNo(values.Manual));
    SetValue(kDays, std::to_string(values.Days));
    SetValue(kAsAdmin, YesNo(values.AsAdmin));
    return true;
  }
  if (values.LastCheck <= stored.LastCheck) return false;
  SetValue(kLastCheck, FormatCheckTime(values.LastCheck));
  return true;
}

std::string TAutoUpdateLines::Bytes() const {
  std::string text;
  for (const std::string& line : fLines) text += line + "\r\n";
  return rights::Utf8ToCp1252(text);
}

std::string FormatCheckTime(rights::TDateTime value) {
  if (value == 0) return {};
  const std::tm tm = rights::TmFromDateTime(value);
  char text[80];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", tm.tm_mday, tm.tm_mon + 1,
                tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec);
  return text;
}

rights::TDateTime ParseCheckTime(const std::string& text) {
  const QString trimmed = QString::fromStdString(text).trimmed();
  QDateTime parsed;
  for (const char* format : {"d.M.yyyy H:m:s", "d.M.yyyy H:m", "d.M.yyyy"}) {
    parsed = QDateTime::fromString(trimmed, QString::fromLatin1(format));
    if (parsed.isValid()) break;
  }
  if (!parsed.isValid()) return 0;
  std::tm tm{};
  tm.tm_year = parsed.date().year() - 1900;
  tm.tm_mon = parsed.date().month() - 1;
  tm.tm_mday = parsed.date().day();
  tm.tm_hour = parsed.time().hour();
  tm.tm_min = parsed.time().minute();
  tm.tm_sec = parsed.time().second();
  return rights::DateTimeFromTm(tm);
}

}  // namespace update
