#include "catalog_access.h"

#include "command.h"
#include "output.h"
#include "rights_file.h"

namespace qxr {

rights::TRightList LoadCatalogFile(const std::string& fileName) {
  const auto bytes = ReadFileBytes(fileName, "the catalog");
  try {
    return rights::TRightList::FromBytes(bytes);
  } catch (const rights::ERightsError& error) {
    throw Failure(ExitFileError, fileName + ": cannot load the catalog: " + Quoted(error.what()));
  }
}

}  // namespace qxr
