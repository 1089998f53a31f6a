#pragma once
// TDateTime: days since 1899-12-30 00:00 as a double, the fraction being the
// time of day (local time).
#include <chrono>
#include <ctime>

namespace rights {

using TDateTime = double;

TDateTime NowAsDateTime();
// A point in time as local date and time.
TDateTime DateTimeFromSystemTime(std::chrono::system_clock::time_point when);
TDateTime DateTimeFromTm(const std::tm& local, int milliseconds = 0);
// Broken-down local date and time of a TDateTime (milliseconds dropped).
std::tm TmFromDateTime(TDateTime value);

}  // namespace rights
