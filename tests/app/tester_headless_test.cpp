// The running tester on the headless host, with the real window runtime: the warning
// flash on the virtual clock and the button timing, read back through the properties.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/tester/start_handlers.h"
#include "app/tester/tester_program.h"
#include "app/tester_state.h"
#include "os/module.h"
#include "resources/windows/window_definitions.h"
#include "window/accept/idle_hooks.h"
#include "window/events/event_codes.h"
#include "window/events/post_event.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/hosts/headless_host.h"
#include "window/property_access/property_calls.h"
#include "window/windows/window_lifecycle.h"

namespace qor::app {
namespace {

using Lines = std::vector<std::string>;
namespace ev = win::event;

struct Step {
  uint64_t after = 0;  // virtual milliseconds to let pass first
  std::function<void()> run;
};

// Runs the application main in this process. Each step runs once the loop is idle, after
// the clock has moved on by its `after` (the loop sleeps through the timers due on the
// way). The window closes after the last step.
class StepRunner {
 public:
  StepRunner(ui::HeadlessHost& host, std::deque<Step> steps) : host_(host), steps_(std::move(steps)) {}

  void Run() {
    static const bool once = [] {
      res::RegisterWindowDefinitions(os::ExecutableModule());
      for (const rt::InitRecord& record : ApplicationHandlers()) record.routine(rt::kInitStart);
      return true;
    }();
    (void)once;
    win::SetIdleHook([this] { AtIdle(); });
    ApplicationMain();
    win::SetIdleHook({});
  }

 private:
  void AtIdle() {
    ui::Msg pending;
    if (ui::PeekMessage(pending, ui::Hwnd{}, 0, 0, ui::PM_NOREMOVE)) return;
    if (waitUntil_ && host_.Now() < *waitUntil_) return;
    waitUntil_.reset();
    if (steps_.empty()) {
      RequestClose();
      return;
    }
    if (steps_.front().after) {
      waitUntil_ = host_.Now() + steps_.front().after;
      // The loop sleeps until then; a platform message wakes it to look again.
      host_.Schedule(steps_.front().after, [] { Wake(); });
      steps_.front().after = 0;
      return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step.run();
    // Events posted from the loop's own thread do not wake it.
    Wake();
  }

  static void Wake() { ui::PostMessage(win::WindowHandle(RunningTesterWindow()), ui::WM_NULL, 0, 0); }

  ui::HeadlessHost& host_;
  std::deque<Step> steps_;
  std::optional<uint64_t> waitUntil_;
};

std::string Property(int32_t control, int32_t number) { return win::ReadPropertyText(control, number); }

TEST(TesterHeadless, AFailedCheckFlashesTheRangeRuleRedThreeTimesOnTheWindowTimer) {
  ui::HeadlessHost host;
  uint64_t start = 0;
  Lines seen;
  auto look = [&] {
    seen.push_back(std::to_string(host.Now() - start) + " colour " + Property(62, 0x7C12) + " timer " +
                   Property(0, 0x7C86));
  };
  auto fail = [&] {
    RunningTesterState()->V2.U = 32;
    start = host.Now();
    win::PostEvent(ev::Accepted, 67);
  };
  StepRunner(host, {{0, fail}, {0, look}, {740, look}, {20, look}, {230, look}, {20, look}, {730, look},
                    {20, look}, {230, look}, {20, look}, {730, look}, {20, look}, {4990, look}, {20, look}})
      .Run();
  EXPECT_EQ(seen, (Lines{
      "0 colour 255 timer 75",     // red at once
      "740 colour 255 timer 75",
      "760 colour 0 timer 25",     // black at 750
      "990 colour 0 timer 25",
      "1010 colour 255 timer 75",  // red at 1000
      "1740 colour 255 timer 75",
      "1760 colour 0 timer 25",
      "1990 colour 0 timer 25",
      "2010 colour 255 timer 75",
      "2740 colour 255 timer 75",
      "2760 colour 0 timer 500",   // black for good at 2750
      "7750 colour 0 timer 500",   // the idle tick at 7750 changes nothing
      "7770 colour 0 timer 500",
  }));
}

TEST(TesterHeadless, EveryButtonGetsTheTimingAtOpenAndAgainOnlyFromTheDelayArrowsOrATypedRepeat) {
  ui::HeadlessHost host;
  Lines seen;
  auto look = [&](const char* when) {
    return [&, when] {
      seen.push_back(std::string(when) + ": 81 " + Property(81, 0x7A0F) + "/" + Property(81, 0x7A08) + ", 31 " +
                     Property(31, 0x7A0F) + "/" + Property(31, 0x7A08) + ", fields " +
                     std::to_string(RunningTesterState()->ButtonDelay) + "/" +
                     std::to_string(RunningTesterState()->ButtonRepeat));
    };
  };
  auto set = [](int32_t delay, int32_t repeat, uint32_t event, int32_t control) {
    return [=] {
      RunningTesterState()->ButtonDelay = delay;
      RunningTesterState()->ButtonRepeat = repeat;
      win::PostEvent(event, control);
    };
  };
  StepRunner(host, {{0, look("open")},
                    {0, set(100, 10, ev::Accepted, 64)}, {0, look("typed delay")},
                    {0, set(100, 10, ev::NewSelection, 64)}, {0, look("delay arrows")},
                    {0, set(100, 30, ev::NewSelection, 66)}, {0, look("repeat arrows")},
                    {0, set(0, 9999, ev::Accepted, 66)}, {0, look("typed repeat")}})
      .Run();
  EXPECT_EQ(seen, (Lines{
      "open: 81 20/10, 31 20/10, fields 20/10",
      "typed delay: 81 20/10, 31 20/10, fields 100/10",
      "delay arrows: 81 100/10, 31 100/10, fields 100/10",
      "repeat arrows: 81 100/10, 31 100/10, fields 100/30",
      "typed repeat: 81 1/500, 31 1/500, fields 1/500",  // held to 1..1000 and 1..500
  }));
}

TEST(TesterHeadless, NumberButtonsGiveV2TheNumberTheyShow) {
  ui::HeadlessHost host;
  std::string values;
  std::deque<Step> steps;
  for (int32_t button = 31; button <= 50; ++button) {
    steps.push_back({0, [button] { win::PostEvent(ev::Accepted, button); }});
    steps.push_back({0, [&values] { values += std::to_string(RunningTesterState()->V2.U) + " "; }});
  }
  StepRunner(host, std::move(steps)).Run();
  EXPECT_EQ(values, "0 1 2 4 6 8 10 12 14 15 16 18 20 22 24 26 28 30 31 32 ");
}

TEST(TesterHeadless, ASliceStartMovedToTheEndLimitsTheLengthAndTheSliceOperationsStayInside) {
  ui::HeadlessHost host;
  std::string g1Before, g1After;
  int32_t length = 0;
  StepRunner(host, {{0, [] {
                       RunningTesterState()->G1S = 90;  // as the arrows leave it
                       win::PostEvent(ev::NewSelection, 92);
                     }},
                    {0, [&] {
                       length = RunningTesterState()->GL;
                       g1Before.assign(RunningTesterState()->G1, kBlockSize);
                       win::PostEvent(ev::Accepted, 104);  // GROL ( G1S , GL ): one byte turns into itself
                     }},
                    {0, [&] { g1After.assign(RunningTesterState()->G1, kBlockSize); }}})
      .Run();
  EXPECT_EQ(length, 1);
  EXPECT_EQ(g1After, g1Before);
}

}  // namespace
}  // namespace qor::app
