#pragma once
// Loading a rights catalog for the commands: a missing or malformed file is
// ExitFileError with the loader's message.
#include <string>

#include "rights/right_list.h"

namespace qxr {

rights::TRightList LoadCatalogFile(const std::string& fileName);

}  // namespace qxr
