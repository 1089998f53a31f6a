#pragma once
// A TDateTime as people read it.
#include <optional>
#include <string>

#include "rights/date_time.h"

namespace qxr {

// "2026-03-01 14:22:05" in local time; nothing for a value that is no date
// from the year 1 to 9999 (a damaged header may hold any eight bytes).
std::optional<std::string> LocalDateTimeText(rights::TDateTime value);

}  // namespace qxr
