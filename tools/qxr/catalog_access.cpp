#include "catalog_access.h"

#include "command.h"
#include "output.h"
#include "rights/catalog_file.h"

namespace qxr {

rights::TRightList LoadCatalogFile(const std::string& fileName) {
  try {
    // The catalog's own reader refuses an oversized file before reading it.
    const auto bytes = rights::ReadCatalogFile(fileName);
    if (!bytes) throw Failure(ExitFileError, fileName + ": the catalog does not exist");
    return rights::TRightList::FromBytes(*bytes);
  } catch (const rights::ERightsError& error) {
    throw Failure(ExitFileError, fileName + ": cannot load the catalog: " + Quoted(error.what()));
  }
}

}  // namespace qxr
