#include "os/clock.h"

#include <atomic>
#include <ctime>

namespace qor::os {
namespace {

class SystemClock final : public ClockSource {
 public:
  uint64_t Ticks() override {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
  }

  LocalTime Now() override {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm parts{};
    localtime_r(&ts.tv_sec, &parts);
    LocalTime t;
    t.year = parts.tm_year + 1900;
    t.month = parts.tm_mon + 1;
    t.day = parts.tm_mday;
    t.dayOfWeek = parts.tm_wday;
    t.hour = parts.tm_hour;
    t.minute = parts.tm_min;
    t.second = parts.tm_sec > 59 ? 59 : parts.tm_sec;
    t.milliseconds = static_cast<int>(ts.tv_nsec / 1000000);
    return t;
  }
};

// Read by every thread that asks the time; installed by a host on its own thread.
std::atomic<ClockSource*> g_installed{nullptr};

}  // namespace

ClockSource& RealClock() {
  static SystemClock clock;
  return clock;
}

ClockSource& CurrentClock() {
  ClockSource* installed = g_installed.load(std::memory_order_acquire);
  return installed ? *installed : RealClock();
}

void InstallClock(ClockSource* clock) { g_installed.store(clock, std::memory_order_release); }

uint64_t TickCount() { return CurrentClock().Ticks(); }

LocalTime GetLocalTime() { return CurrentClock().Now(); }

}  // namespace qor::os
