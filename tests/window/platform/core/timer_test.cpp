// Timers on the virtual clock.
#include "os/clock.h"
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/timers.h"

namespace qor::ui::testing {
namespace {

using Timers = PlatformTest;
using Seq = std::vector<std::string>;

// Logs each timer with the time it arrived, relative to the test's start.
class TimerLog : public Timers {
 protected:
  void SetUp() override {
    Timers::SetUp();
    start = host.Now();
    Log().react = [this](Hwnd, uint32_t m, WParam id, LParam) -> std::optional<LResult> {
      if (m == WM_TIMER) arrivals.push_back(std::to_string(id) + "@" + std::to_string(host.Now() - start));
      return std::nullopt;
    };
  }
  uint64_t start = 0;
  std::vector<std::string> arrivals;
};

TEST_F(TimerLog, AdvancingDeliversEveryTimerOnTheWayInTimeOrder) {
  Hwnd w = Make("w", WS_POPUP);
  ASSERT_EQ(SetTimer(w, 1, 100), 1u);
  ASSERT_EQ(SetTimer(w, 2, 150), 2u);
  host.Advance(350);
  EXPECT_EQ(arrivals, (Seq{"1@100", "2@150", "1@200", "1@300", "2@300"}));
  EXPECT_EQ(host.Now() - start, 350u);
}

TEST_F(TimerLog, SettingARunningTimerRestartsIt) {
  Hwnd w = Make("w", WS_POPUP);
  SetTimer(w, 1, 100);
  host.Advance(80);
  SetTimer(w, 1, 100);
  host.Advance(150);
  EXPECT_EQ(arrivals, (Seq{"1@180"}));
  SetTimer(w, 1, 500);  // a new interval
  host.Advance(600);
  EXPECT_EQ(arrivals, (Seq{"1@180", "1@730"}));
}

TEST_F(TimerLog, KilledTimerSendsNothingMore) {
  Hwnd w = Make("w", WS_POPUP);
  SetTimer(w, 1, 100);
  host.Advance(100);
  EXPECT_TRUE(KillTimer(w, 1));
  EXPECT_FALSE(KillTimer(w, 1));
  host.Advance(1000);
  EXPECT_EQ(arrivals, (Seq{"1@100"}));
}

TEST_F(TimerLog, ASlowProcedureGetsOneTimerMessageNotOnePerPeriod) {
  Hwnd w = Make("w", WS_POPUP);
  SetTimer(w, 1, 100);
  host.Advance(100);
  host.Stall(1000);  // the procedure is busy for ten periods
  host.Advance(0);
  host.Advance(99);
  EXPECT_EQ(arrivals, (Seq{"1@100", "1@1100"}));
  host.Advance(1);
  EXPECT_EQ(arrivals.back(), "1@1200");
}

TEST_F(TimerLog, DestroyingAWindowStopsItsTimers) {
  Hwnd w = Make("w", WS_POPUP);
  SetTimer(w, 1, 100);
  DestroyWindow(w);
  host.Advance(500);
  EXPECT_TRUE(arrivals.empty());
  EXPECT_EQ(SetTimer(w, 1, 100), 0u);  // no window, no timer
}

void CountTicks(Hwnd, uint32_t, uintptr_t, uint64_t);
int g_procTicks = 0;
void CountTicks(Hwnd, uint32_t, uintptr_t, uint64_t) { ++g_procTicks; }

TEST_F(TimerLog, ThreadTimerWithItsOwnProcedure) {
  g_procTicks = 0;
  uintptr_t id = SetTimer(Hwnd{}, 0, 250, CountTicks);
  EXPECT_NE(id, 0u);
  host.Advance(1000);
  EXPECT_EQ(g_procTicks, 4);
  EXPECT_TRUE(KillTimer(Hwnd{}, id));
}

TEST_F(TimerLog, TimersDueTogetherComeInTheOrderTheyWereSet) {
  Hwnd w = Make("w", WS_POPUP);
  SetTimer(w, 7, 200);
  SetTimer(w, 3, 200);
  host.Advance(200);
  EXPECT_EQ(arrivals, (Seq{"7@200", "3@200"}));
}

TEST_F(TimerLog, AWaitingLoopSleepsUntilTheNextTimer) {
  Hwnd w = Make("w", WS_POPUP);
  SetTimer(w, 1, 5000);
  Msg msg;
  ASSERT_TRUE(GetMessage(msg));
  EXPECT_EQ(msg.message, WM_TIMER);
  EXPECT_EQ(host.Now() - start, 5000u);
}

TEST_F(TimerLog, AWaitingLoopWakesForScheduledInput) {
  Hwnd w = Make("w", WS_POPUP);
  host.Schedule(700, [&] { PostMessage(w, WM_USER, 0, 0); });
  Msg msg;
  ASSERT_TRUE(GetMessage(msg));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_EQ(host.Now() - start, 700u);
  EXPECT_FALSE(host.Starved());
}

TEST_F(TimerLog, AFilteredWaitIsNotWokenOverAndOverByAnotherWindowsDueTimer) {
  Hwnd a = Make("a", WS_POPUP);
  Hwnd b = Make("b", WS_POPUP);
  SetTimer(b, 1, 100);
  host.Stall(200);  // b's timer is due, and only a's messages are read
  host.Schedule(300, [&] { PostMessage(a, WM_USER, 0, 0); });
  Msg msg;
  ASSERT_TRUE(GetMessage(msg, a));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_EQ(host.Now() - start, 500u);
  host.Pump();
  EXPECT_EQ(arrivals, (Seq{"1@500"}));  // one message for b, however long it waited
}

TEST_F(TimerLog, AWaitingLoopWithNothingToComeEndsInsteadOfHanging) {
  Msg msg;
  EXPECT_FALSE(GetMessage(msg));
  EXPECT_TRUE(host.Starved());
}

TEST_F(TimerLog, ScheduledStepsRunDuringAdvanceAtTheirTime) {
  Hwnd w = Make("w", WS_POPUP);
  SetTimer(w, 1, 100);
  host.Schedule(250, [&] { KillTimer(w, 1); });
  host.Advance(1000);
  EXPECT_EQ(arrivals, (Seq{"1@100", "1@200"}));
}

TEST_F(TimerLog, TheVirtualClockIsTheOneClock) {
  uint64_t before = os::TickCount();
  host.Advance(1500);
  EXPECT_EQ(os::TickCount(), before + 1500);
  EXPECT_EQ(os::GetLocalTime().year, 2026);
}

}  // namespace
}  // namespace qor::ui::testing
