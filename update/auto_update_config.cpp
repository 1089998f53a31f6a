#include "update/auto_update_config.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "clients/paths.h"
#include "clients/text_utils.h"
#include "platform/files.h"
#include "rights/codepage.h"
#include "update/use_temp_dir.h"

namespace update {

namespace {

constexpr int kOpenAttempts = 50;
constexpr int kAttemptPauseMs = 50;

const std::string kDays = "Tage";
const std::string kLastCheck = "Letzte Prüfung";
const std::string kManual = "Manuell";
const std::string kAsAdmin = "als Admin";

TUpdateErrorHandler& ErrorHandler() {
  static TUpdateErrorHandler handler;
  return handler;
}

void ReportError(const std::string& message) {
  if (ErrorHandler())
    ErrorHandler()(message);
  else
    qWarning("%s", message.c_str());
}

// Waits between two attempts while the program's events go on.
void PauseResponsive() {
  const QDeadlineTimer deadline(kAttemptPauseMs);
  while (!deadline.hasExpired()) {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(5);
  }
}

template <class Attempt>
auto WithAttempts(Attempt attempt) {
  for (int i = 1;; ++i) {
    auto result = attempt();
    if (result || i == kOpenAttempts) return result;
    PauseResponsive();
  }
}

// The lines of the file as a list of "name=value", names without regard to case.
class TValueLines {
 public:
  explicit TValueLines(const std::string& bytes) {
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

  std::string Value(const std::string& name) const {
    const auto* line = Find(name);
    return line ? line->substr(name.size() + 1) : std::string();
  }

  void SetValue(const std::string& name, const std::string& value) {
    if (auto* line = const_cast<std::string*>(Find(name)))
      *line = name + "=" + value;
    else
      fLines.push_back(name + "=" + value);
  }

  std::string Bytes() const {
    std::string text;
    for (const std::string& line : fLines) text += line + "\r\n";
    return rights::Utf8ToCp1252(text);
  }

 private:
  const std::string* Find(const std::string& name) const {
    for (const std::string& line : fLines) {
      const std::size_t equals = line.find('=');
      if (equals != std::string::npos && rights::SameTextIgnoringCase(line.substr(0, equals), name)) return &line;
    }
    return nullptr;
  }

  std::vector<std::string> fLines;
};

const char* YesNo(bool value) { return value ? "J" : "N"; }

TAutoUpdateValues StoredValues(const TValueLines& lines) {
  TAutoUpdateValues stored;
  stored.Days = std::max(0, clients::TryStrToInt(clients::Trim(lines.Value(kDays))).value_or(0));
  stored.LastCheck = ParseCheckTime(lines.Value(kLastCheck));
  stored.Manual = lines.Value(kManual) != "N";
  stored.AsAdmin = lines.Value(kAsAdmin) != "N";
  return stored;
}

// Changes the lines for a write; answers whether anything changed.
bool ApplyWrite(TValueLines& lines, const TAutoUpdateValues& stored, const TAutoUpdateValues& values) {
  if (values.LastCheck == 0) {
    if (values.Days == stored.Days && values.Manual == stored.Manual && values.AsAdmin == stored.AsAdmin)
      return false;
    lines.SetValue(kManual, YesNo(values.Manual));
    lines.SetValue(kDays, std::to_string(values.Days));
    lines.SetValue(kAsAdmin, YesNo(values.AsAdmin));
    return true;
  }
  if (values.LastCheck <= stored.LastCheck) return false;
  lines.SetValue(kLastCheck, FormatCheckTime(values.LastCheck));
  return true;
}

}  // namespace

std::string AutoUpdateConfigFileName(const std::string& code) {
  return clients::SettingsDir() + code + "AUTOUPD.CFG";
}

bool ReadWriteAutoUpdateConfig(const std::string& code, bool read, TAutoUpdateValues& values) {
  if (read || values.LastCheck == 0) values.UseTemp = UseTempDirSetting(read, values.UseTemp);
  const std::string fileName = AutoUpdateConfigFileName(code);
  if (!platform::FileExists(fileName)) {
    if (read) {
      values = TAutoUpdateValues{};
      return false;
    }
    QFile created(QString::fromStdString(fileName));
    if (!created.open(QIODevice::WriteOnly)) {
      ReportError("Internet-Update-Konfigurationsdatei " + fileName + " konnte nicht angelegt werden!\r" +
                  created.errorString().toStdString() + ".");
      return false;
    }
    created.close();
  }
  const std::optional<std::string> bytes =
      WithAttempts([&fileName] { return platform::TryReadFileShared(fileName); });
  TValueLines lines(bytes.value_or(std::string()));
  const TAutoUpdateValues stored = StoredValues(lines);
  if (read) {
    const bool useTemp = values.UseTemp;
    values = stored;
    values.UseTemp = useTemp;
    return true;
  }
  if (!ApplyWrite(lines, stored, values)) return true;
  const std::string content = lines.Bytes();
  return WithAttempts([&] { return platform::TryWriteFileExclusive(fileName, content); });
}

bool ReadWriteAutoUpdateConfig(const std::string& code, bool read, int& days, bool& useTemp, bool& asAdmin,
                               bool& manual, rights::TDateTime& lastCheck) {
  TAutoUpdateValues values{days, useTemp, asAdmin, manual, lastCheck};
  const bool result = ReadWriteAutoUpdateConfig(code, read, values);
  days = values.Days;
  useTemp = values.UseTemp;
  asAdmin = values.AsAdmin;
  manual = values.Manual;
  lastCheck = values.LastCheck;
  return result;
}

void SetUpdateErrorHandler(TUpdateErrorHandler handler) { ErrorHandler() = std::move(handler); }

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
