// qxr service-code --key FILE NUMBER: the code that admits an administrator
// once for the one-time name the sign-in dialog shows. For the maker's support.
#include <QFile>

#include "service/service_code.h"
#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "rights/date_time.h"
#include "rights/errors.h"
#include "rights/regular_file.h"

namespace qxr {

namespace {

constexpr std::int64_t kSevenDigits = 9'999'999;

[[noreturn]] void KeyFileFailure(const std::string& fileName, const std::string& problem) {
  throw Failure(ExitFileError, "qxr service-code: cannot read the key file " + fileName + ": " + problem);
}

QByteArray ReadKey(const std::string& fileName) {
  try {
    rights::RequireRegularFile(fileName);
  } catch (const rights::ERightsError& error) {
    KeyFileFailure(fileName, error.what());
  }
  QFile file(ToQ(fileName));
  if (!file.open(QIODevice::ReadOnly)) KeyFileFailure(fileName, file.errorString().toStdString());
  const QByteArray key = file.read(64 * 1024).trimmed();
  if (key.isEmpty()) throw Failure(ExitFileError, "qxr service-code: the key file " + fileName + " is empty");
  return key;
}

void Declare(CommandLine& line) {
  line.AddArgument("NUMBER",
                   "The one-time name shown (seven digits; completed with this machine's clock) or the full number.");
  line.AddOption("key", "FILE", "The service key file (the program's service.key).");
  line.AddJsonFlag();
}

int Run(const CommandLine& line) {
  const QByteArray key = ReadKey(line.RequiredValue("key"));
  const auto shown = ParseInteger(line.Argument(0), 0, INT64_MAX / 2);
  if (!shown) throw Failure(ExitUsage, "qxr service-code: NUMBER must be the digits the sign-in dialog shows");
  const qint64 number = *shown <= kSevenDigits
                            ? service::CompleteOneTimeNumber(*shown, service::OneTimeNumber(rights::NowAsDateTime()))
                            : *shown;
  const QString code = service::ServiceCode(key, number);
  if (line.Json())
    PrintJson({{"number", number}, {"one_time_name", service::OneTimeName(number)}, {"code", code}});
  else
    PrintLine(code.toStdString());
  return ExitOk;
}

}  // namespace

const Command ServiceCodeCommand{"service-code",
                                 "Computes the one-time service code for the name a sign-in dialog shows.", Declare,
                                 Run};

}  // namespace qxr
