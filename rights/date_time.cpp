#include "date_time.h"

#include <chrono>
#include <cmath>
#include <mutex>

namespace rights {

namespace {

// Days from 1899-12-30 to 1970-01-01.
constexpr int kUnixEpochOffsetDays = 25569;

std::chrono::sys_days CivilDay(int year, unsigned month, unsigned day) {
  return std::chrono::sys_days{std::chrono::year{year} / std::chrono::month{month} /
                               std::chrono::day{day}};
}

}  // namespace

TDateTime DateTimeFromTm(const std::tm& local, int milliseconds) {
  const auto day = CivilDay(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                            static_cast<unsigned>(local.tm_mday));
  const double days = day.time_since_epoch().count() + kUnixEpochOffsetDays;
  const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                         milliseconds / 1000.0;
  return days + seconds / 86400.0;
}

TDateTime DateTimeFromSystemTime(std::chrono::system_clock::time_point when) {
  const auto seconds = std::chrono::floor<std::chrono::seconds>(when);
  const std::time_t t = std::chrono::system_clock::to_time_t(seconds);
  const int ms = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(when - seconds).count());
  static std::mutex guard;  // std::localtime shares one buffer
  std::tm local;
  {
    std::lock_guard lock(guard);
    local = *std::localtime(&t);
  }
  return DateTimeFromTm(local, ms);
}

TDateTime NowAsDateTime() { return DateTimeFromSystemTime(std::chrono::system_clock::now()); }

std::tm TmFromDateTime(TDateTime value) {
  const double wholeDays = std::floor(value);
  long long seconds = std::llround((value - wholeDays) * 86400.0);
  long long dayNumber = static_cast<long long>(wholeDays);
  if (seconds >= 86400) {
    seconds -= 86400;
    ++dayNumber;
  }
  const std::chrono::year_month_day ymd{
      std::chrono::sys_days{std::chrono::days{dayNumber - kUnixEpochOffsetDays}}};
  std::tm tm{};
  tm.tm_year = static_cast<int>(ymd.year()) - 1900;
  tm.tm_mon = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1;
  tm.tm_mday = static_cast<int>(static_cast<unsigned>(ymd.day()));
  tm.tm_hour = static_cast<int>(seconds / 3600);
  tm.tm_min = static_cast<int>(seconds / 60 % 60);
  tm.tm_sec = static_cast<int>(seconds % 60);
  tm.tm_isdst = -1;
  return tm;
}

}  // namespace rights
