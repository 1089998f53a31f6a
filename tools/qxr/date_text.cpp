#include "date_text.h"

#include <cmath>
#include <cstdio>

namespace qxr {

namespace {
// 0001-01-01 and 10000-01-01 as TDateTime.
constexpr double kFirstDay = -693593.0;
constexpr double kPastLastDay = 2958466.0;
}  // namespace

std::optional<std::string> LocalDateTimeText(rights::TDateTime value) {
  if (!std::isfinite(value) || value < kFirstDay || value >= kPastLastDay) return std::nullopt;
  const std::tm tm = rights::TmFromDateTime(value);
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                tm.tm_hour, tm.tm_min, tm.tm_sec);
  return std::string(text);
}

}  // namespace qxr
