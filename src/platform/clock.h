#pragma once
// The wall clock, in local time.
#include <cstdint>

namespace platform {

struct DateTime {
  int year, month, day, hour, minute, second;
};

DateTime Now();
// Milliseconds of a steady clock, for pacing (never for dates).
int64_t TickCountMs();

}  // namespace platform
