#pragma once

#include <cstdint>
#include <ctime>

namespace tavrosine {

// Seconds since 1970-01-01 00:00:00 counted in local time (the product's date values).
int64_t LocalNowSeconds();
// Converts between a local-time date value and a real time point.
std::time_t LocalSecondsToTime(int64_t local_seconds);
int64_t TimeToLocalSeconds(std::time_t time);
// The local calendar time of now.
std::tm LocalCalendarNow();

}  // namespace tavrosine
