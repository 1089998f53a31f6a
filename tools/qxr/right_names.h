#pragma once
// What a right number means: a module, a general client right, or an entry of
// the catalog when one is given.
#include <cstdint>
#include <optional>
#include <string>

#include "rights/right_list.h"

namespace qxr {

// Nothing for a number none of these know.
std::optional<std::string> RightName(std::int32_t rightID, const rights::TRightList* catalog);

}  // namespace qxr
