// qxr import JSON FILE: a rights file built from what `qxr export` printed.
#include <QJsonDocument>
#include <QJsonParseError>
#include <iostream>
#include <iterator>

#include "command_line.h"
#include "commands.h"
#include "import_checks.h"
#include "output.h"
#include "rights_file.h"
#include "rights_json.h"

namespace qxr {

namespace {

// Far above the export of any real rights file; keeps a wrong input from
// exhausting memory.
constexpr std::size_t kMaxJsonSize = 256 * 1024 * 1024;

std::vector<std::uint8_t> ReadJsonInput(const std::string& name) {
  std::vector<std::uint8_t> bytes;
  if (name == "-") {
    for (std::istreambuf_iterator<char> in(std::cin), end; in != end && bytes.size() <= kMaxJsonSize; ++in)
      bytes.push_back(static_cast<std::uint8_t>(*in));
  } else {
    bytes = ReadFileBytes(name, "the JSON file", kMaxJsonSize);
  }
  if (bytes.size() > kMaxJsonSize)
    throw Failure(ExitFileError, name + ": larger than " + std::to_string(kMaxJsonSize) + " bytes");
  return bytes;
}

QJsonObject ParseJsonObject(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
      &error);
  if (error.error != QJsonParseError::NoError)
    throw Failure(ExitFileError, name + ": not JSON: " + error.errorString().toStdString() + " at byte " +
                                     std::to_string(error.offset));
  if (!document.isObject()) throw Failure(ExitFileError, name + ": expected a JSON object, as qxr export writes");
  return document.object();
}

void Declare(CommandLine& line) {
  line.AddArgument("JSON", "What qxr export --with-passwords printed; - for standard input.");
  line.AddArgument("FILE", "The rights file to create.");
  line.AddFlag("force", "Replace FILE if it exists.");
}

int Run(const CommandLine& line) {
  const std::string jsonName = line.Argument(0);
  const std::string fileName = line.Argument(1);
  if (!line.IsSet("force")) RefuseExisting(fileName, "use --force to replace it");
  const std::vector<std::uint8_t> bytes = ReadJsonInput(jsonName);
  const QJsonObject json = ParseJsonObject(jsonName, bytes);
  rights::TRechteDatei file(fileName);
  try {
    CheckNoDuplicateKeys(bytes);
    RightsFileFromJson(json, file);
    CheckImportedRecords(file);
  } catch (const Failure& failure) {
    throw Failure(failure.Code(), jsonName + ": " + failure.what());
  }
  SaveRightsFile(file);
  return ExitOk;
}

}  // namespace

const Command ImportCommand{"import", "Builds a rights file from the JSON of qxr export --with-passwords.", Declare,
                            Run};

}  // namespace qxr
