#pragma once
// The one clock of the process. Everything that waits or asks the time reads it:
// window timers, button repeat, caret blink, the runtime's TODAY and CLOCK.
// The desktop host uses the real clock; the headless test host installs a virtual
// one that only moves when a test advances it.
#include <cstdint>

namespace qor::os {

// Local calendar time, as the OS reports it.
struct LocalTime {
  int year = 0;         // e.g. 2026
  int month = 0;        // 1..12
  int day = 0;          // 1..31
  int dayOfWeek = 0;    // 0 = Sunday
  int hour = 0;         // 0..23
  int minute = 0;       // 0..59
  int second = 0;       // 0..59
  int milliseconds = 0; // 0..999
};

// A source of time. Ticks are milliseconds from an arbitrary origin and never go back.
class ClockSource {
 public:
  virtual ~ClockSource() = default;
  virtual uint64_t Ticks() = 0;
  virtual LocalTime Now() = 0;
};

// The real clock: CLOCK_MONOTONIC ticks and the local time of the process's time zone.
ClockSource& RealClock();

// The clock in force. Installing nullptr puts the real clock back.
ClockSource& CurrentClock();
void InstallClock(ClockSource* clock);

// Shorthands for the clock in force.
uint64_t TickCount();
LocalTime GetLocalTime();

}  // namespace qor::os
