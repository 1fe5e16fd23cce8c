#include "platform/clock.h"

namespace tavrosine {

int64_t TimeToLocalSeconds(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  return static_cast<int64_t>(time) + local.tm_gmtoff;
}

std::time_t LocalSecondsToTime(int64_t local_seconds) {
  // Read the value as a UTC calendar date, then let mktime place it in local time
  // (it resolves the zone offset and daylight saving of that date).
  const std::time_t as_utc = static_cast<std::time_t>(local_seconds);
  std::tm calendar{};
  gmtime_r(&as_utc, &calendar);
  calendar.tm_isdst = -1;
  return mktime(&calendar);
}

int64_t LocalNowSeconds() { return TimeToLocalSeconds(std::time(nullptr)); }

std::tm LocalCalendarNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace tavrosine
