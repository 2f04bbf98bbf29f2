// Timers that cannot hang a test or call what is not a procedure, and a virtual clock
// other threads may read.
#include <atomic>
#include <thread>

#include "os/clock.h"
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/timers.h"

namespace qor::ui::testing {
namespace {

using Seq = std::vector<std::string>;

class TimerSafety : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    start = host.Now();
  }
  uint64_t start = 0;
};

int g_called = 0;
void Called(Hwnd, uint32_t, uintptr_t, uint64_t) { ++g_called; }

TEST_F(TimerSafety, AWaitKeptGoingOnlyByATimerEndsWhenItsVirtualTimeIsSpent) {
  Hwnd w = Make("w", WS_POPUP);
  SetTimer(w, 1, 100);
  host.SetWaitBudget(5000);
  Msg msg;
  int timers = 0;
  while (GetMessage(msg)) ++timers;  // a script whose click missed: nothing else will come
  EXPECT_TRUE(host.TimedOut());
  EXPECT_FALSE(host.Starved());
  EXPECT_EQ(host.Now() - start, 5000u);
  EXPECT_EQ(timers, 50);  // at 100, 200, ... 5000
}

TEST_F(TimerSafety, AScheduledStepStartsTheBudgetAgain) {
  Hwnd w = Make("w", WS_POPUP);
  SetTimer(w, 1, 100);
  host.SetWaitBudget(1000);
  host.Schedule(800, [&] { PostMessage(w, WM_USER, 0, 0); });
  Msg msg;
  while (GetMessage(msg) && msg.message != WM_USER) {
  }
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_FALSE(host.TimedOut());
  while (GetMessage(msg)) {
  }
  EXPECT_TRUE(host.TimedOut());
  EXPECT_EQ(host.Now() - start, 1800u);
}

TEST_F(TimerSafety, OnlyTimersTheSystemMadeCallAProcedure) {
  Hwnd w = Make("w", WS_POPUP);
  Take();
  g_called = 0;
  auto notAProcedure = static_cast<LParam>(0x1234);
  PostMessage(w, WM_TIMER, 5, notAProcedure);
  PostMessage(w, WM_TIMER, 6, reinterpret_cast<LParam>(&Called));
  PostThreadMessage(static_cast<uint32_t>(os::CurrentThreadId()), WM_TIMER, 7, notAProcedure);
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"w WM_TIMER 5", "w WM_TIMER 6"}));  // handed to the window as they are
  EXPECT_EQ(g_called, 0);
  uintptr_t id = SetTimer(w, 9, 100, Called);
  host.Advance(100);
  EXPECT_EQ(g_called, 1);
  EXPECT_TRUE(Take().empty());  // the procedure took it
  KillTimer(w, id);
}

TEST_F(TimerSafety, OtherThreadsReadTheVirtualClockWhileItMoves) {
  std::atomic<bool> done{false};
  std::atomic<bool> wentBack{false};
  std::thread reader([&] {
    uint64_t last = 0;
    while (!done) {
      uint64_t now = os::TickCount();
      if (now < last) wentBack = true;
      last = now;
    }
  });
  for (int i = 0; i < 2000; ++i) host.Advance(1);
  done = true;
  reader.join();
  EXPECT_FALSE(wentBack);
  EXPECT_EQ(host.Now() - start, 2000u);
}

}  // namespace
}  // namespace qor::ui::testing
