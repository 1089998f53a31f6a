// Reads arbitrary bytes as the JSON that qxr import takes. What it accepts
// (the import's checks included) must export and import again to the same
// JSON, and make a file image.
#include <QByteArray>
#include <QJsonDocument>
#include <cstdint>

#include "command.h"
#include "import_checks.h"
#include "rights_json.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!document.isObject()) return 0;
  rights::TRechteDatei file("unused.qxr");
  try {
    qxr::CheckNoDuplicateKeys({data, size});
    qxr::RightsFileFromJson(document.object(), file);
    qxr::CheckImportedRecords(file);
  } catch (const qxr::Failure&) {
    return 0;
  }
  const QJsonObject exported = qxr::RightsFileToJson(file, true);
  rights::TRechteDatei again("unused.qxr");
  qxr::RightsFileFromJson(exported, again);
  Check(qxr::RightsFileToJson(again, true) == exported);
  again.BuildImage();
  return 0;
}
