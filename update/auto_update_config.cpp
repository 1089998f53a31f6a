#include "update/auto_update_config.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <optional>

#include "clients/paths.h"
#include "platform/files.h"
#include "update/use_temp_dir.h"

namespace update {

namespace {

constexpr int kOpenAttempts = 50;
constexpr int kAttemptPauseMs = 50;

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
  TAutoUpdateLines lines(bytes.value_or(std::string()));
  const TAutoUpdateValues stored = lines.Stored();
  if (read) {
    const bool useTemp = values.UseTemp;
    values = stored;
    values.UseTemp = useTemp;
    return true;
  }
  if (!lines.Apply(stored, values)) return true;
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

}  // namespace update
