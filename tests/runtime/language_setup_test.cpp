#include "runtime/startup/language_setup.h"

#include <gtest/gtest.h>

#include "os/clock.h"
#include "runtime/builtins/random.h"

namespace qor::rt {
namespace {

class FixedClock : public os::ClockSource {
 public:
  os::LocalTime time{2026, 12, 8, 2, 10, 20, 30, 0};
  uint64_t Ticks() override { return 0; }
  os::LocalTime Now() override { return time; }
};

TEST(LanguageSetUpTest, SeedsFromTheClockOnceOnly) {
  FixedClock clock;
  os::InstallClock(&clock);
  LanguageSetUpOnce();
  RandomGenerator expected;
  expected.Seed(ClockSeed(clock.time));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(DrawRandom(), expected.Draw());

  // A second call leaves the generator where it is.
  SeedRandom(1);
  clock.time.second = 31;
  LanguageSetUpOnce();
  RandomGenerator seededWithOne;
  seededWithOne.Seed(1);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(DrawRandom(), seededWithOne.Draw());
  os::InstallClock(nullptr);
}

}  // namespace
}  // namespace qor::rt
