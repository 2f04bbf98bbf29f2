#include "os/clock.h"

#include <gtest/gtest.h>

namespace qor::os {
namespace {

class FixedClock final : public ClockSource {
 public:
  uint64_t Ticks() override { return 1234; }
  LocalTime Now() override { return LocalTime{2026, 12, 8, 2, 5, 32, 40, 0}; }
};

TEST(Clock, InstalledClockReplacesTheRealOneUntilRemoved) {
  FixedClock fixed;
  InstallClock(&fixed);
  EXPECT_EQ(TickCount(), 1234u);
  EXPECT_EQ(GetLocalTime().year, 2026);
  InstallClock(nullptr);
  EXPECT_EQ(&CurrentClock(), &RealClock());
  LocalTime now = GetLocalTime();
  EXPECT_GE(now.year, 2024);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
}

TEST(Clock, RealTicksNeverGoBack) {
  uint64_t a = RealClock().Ticks();
  uint64_t b = RealClock().Ticks();
  EXPECT_LE(a, b);
}

}  // namespace
}  // namespace qor::os
