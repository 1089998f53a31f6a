// qxr verify FILE: the caption and checksum checks the suite makes on reading.
#include "command_line.h"
#include "commands.h"
#include "header_check.h"
#include "output.h"
#include "rights/errors.h"
#include "rights_file.h"

namespace qxr {

namespace {

// Why the file is not sound, or empty when it is.
std::string Unsoundness(const std::string& fileName, const std::optional<HeaderCheck>& check, std::size_t size) {
  if (!check) return "shorter than a rights file header (" + std::to_string(size) + " bytes)";
  if (!check->CaptionValid())
    return "the caption is wrong: " + Quoted(rights::ERangeError::BadCaption(fileName).what());
  if (!check->ChecksumValid())
    return "the checksum stored is " + Hex32(check->header.CRC) + ", the body's is " + Hex32(check->computedCRC) +
           ": " + Quoted(rights::ERangeError::BadChecksum(fileName).what());
  return {};
}

void PrintVerifyJson(const std::string& fileName, const std::optional<HeaderCheck>& check,
                     const std::string& reason) {
  const QJsonValue none(QJsonValue::Null);
  PrintJson({
      {"file", ToQ(fileName)},
      {"sound", reason.empty()},
      {"caption_valid", check && check->CaptionValid()},
      {"crc_stored", check ? QJsonValue(static_cast<qint64>(check->header.CRC)) : none},
      {"crc_computed", check ? QJsonValue(static_cast<qint64>(check->computedCRC)) : none},
      {"crc_valid", check && check->ChecksumValid()},
      {"reason", reason.empty() ? none : QJsonValue(ToQ(reason))},
  });
}

int Run(const CommandLine& line) {
  const std::string fileName = line.Argument(0);
  const auto image = ReadFileBytes(fileName, "the rights file");
  const auto check = CheckHeader(image);
  const std::string reason = Unsoundness(fileName, check, image.size());
  if (line.Json())
    PrintVerifyJson(fileName, check, reason);
  else if (!reason.empty())
    PrintError("qxr verify: " + fileName + ": " + reason);
  return reason.empty() ? ExitOk : ExitCheckFailed;
}

}  // namespace

const Command VerifyCommand{"verify", "Checks the caption and checksum of a rights file (quiet when sound).",
                            DeclareRightsFileAndJson, Run};

}  // namespace qxr
