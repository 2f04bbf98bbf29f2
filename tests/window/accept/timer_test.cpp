// The window timer through the accept loop, on the virtual clock.
#include <gtest/gtest.h>

#include "tests/window/support/runtime_fixture.h"
#include "window/accept/accept.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/windows/window_lifecycle.h"
#include "window/windows/window_timer.h"

namespace qor::win::testing {
namespace {

using Seq = std::vector<std::string>;
using WindowTimerTest = WindowRuntimeTest;

WindowRecord WithTimer(const std::string& label, uint32_t hundredths) {
  WindowRecord record = SmallWindow(label);
  record.timer = hundredths;
  return record;
}

TEST_F(WindowTimerTest, DefinitionTimerOfFiveSecondsTicksEveryFiveSeconds) {
  OpenWindow(PrepareSmall(WithTimer("T5$WINDOW", 500)));
  LoopFor(4);
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "5000 EVENT:Timer 0",
                         "10000 EVENT:Timer 0"}));
}

TEST_F(WindowTimerTest, SettingSeventyFiveGivesATimerEverySevenHundredFiftyMilliseconds) {
  Window* window = PrepareSmall(SmallWindow("T75$WINDOW"));
  OpenWindow(window);
  Loop([&] {
    if (CurrentEvent() == event::GainFocus) SetWindowTimer(*window, 75);
    return events.size() == 4 ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "750 EVENT:Timer 0", "1500 EVENT:Timer 0"}));
}

TEST_F(WindowTimerTest, SettingZeroStopsTheTimerSoTheStarvedLoopEnds) {
  Window* window = PrepareSmall(WithTimer("T0$WINDOW", 10));
  OpenWindow(window);
  Loop([&] {
    if (CurrentEvent() == event::Timer) SetWindowTimer(*window, 0);
    return kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "100 EVENT:Timer 0"}));
  EXPECT_TRUE(host.Starved());
  EXPECT_FALSE(IsWindowOpen(window));  // the quit closed the loop's window
}

TEST_F(WindowTimerTest, TwentyFiveThenAtOnceFiveHundredKeepsOnlyTheLaterInterval) {
  Window* window = PrepareSmall(SmallWindow("T25$WINDOW"));
  OpenWindow(window);
  Loop([&] {
    if (CurrentEvent() == event::GainFocus) {
      SetWindowTimer(*window, 25);
      SetWindowTimer(*window, 500);
    }
    return events.size() == 3 ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "5000 EVENT:Timer 0"}));
}

TEST_F(WindowTimerTest, AStalledBodyGetsOneTimerNotOnePerPeriod) {
  OpenWindow(PrepareSmall(WithTimer("TS$WINDOW", 10)));
  Loop([&] {
    if (events.size() == 3) host.Stall(1000);  // busy for ten periods
    return events.size() == 5 ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "100 EVENT:Timer 0",
                         "1100 EVENT:Timer 0", "1200 EVENT:Timer 0"}));
}

TEST_F(WindowTimerTest, ExpiriesWhileATimerEventWaitsQueueNothingMore) {
  OpenWindow(PrepareSmall(WithTimer("TP$WINDOW", 10)));
  Loop([&] {
    // The body dispatches messages itself: ten expiries, one event.
    if (CurrentEvent() == event::GainFocus) host.Advance(1000);
    return events.size() == 4 ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "1000 EVENT:Timer 0", "1100 EVENT:Timer 0"}));
}

TEST_F(WindowTimerTest, APostedTimerIsDeliveredAtOnce) {
  OpenWindow(PrepareSmall(WithTimer("TQ$WINDOW", 100)));
  Loop([&] {
    if (CurrentEvent() == event::GainFocus) PostEvent(event::Timer, 0, 0);
    return events.size() == 4 ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "0 EVENT:Timer 0", "1000 EVENT:Timer 0"}));
}

TEST_F(WindowTimerTest, ClosingWithATimerQueuedLeavesNoStaleMark) {
  Window* window = PrepareSmall(WithTimer("TR$WINDOW", 10));
  OpenWindow(window);
  Loop([&] {
    if (CurrentEvent() != event::GainFocus) return kTurnDone;
    host.Advance(150);  // a Timer is now queued and marked pending
    CloseWindow(window);
    return kTurnLeave;
  });
  events.clear();
  start = host.Now();
  OpenWindow(window);
  LoopFor(3);
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "100 EVENT:Timer 0"}));
}

TEST_F(WindowTimerTest, IntervalsAreCappedAndNonPositiveValuesGiveNoTimer) {
  EXPECT_EQ(WindowTimerMilliseconds(75), 750u);
  EXPECT_EQ(WindowTimerMilliseconds(0), 0u);
  EXPECT_EQ(WindowTimerMilliseconds(-5), 0u);
  EXPECT_EQ(WindowTimerMilliseconds(INT32_MAX), static_cast<uint32_t>(INT32_MAX));  // not wrapped
  EXPECT_EQ(WindowTimerMilliseconds(300'000'000), static_cast<uint32_t>(INT32_MAX));
}

}  // namespace
}  // namespace qor::win::testing
