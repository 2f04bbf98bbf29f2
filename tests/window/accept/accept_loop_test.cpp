// The accept loop: turns, outcomes, default actions, nesting, keys and the trace log.
#include <gtest/gtest.h>

#include "tests/window/support/runtime_fixture.h"
#include "window/accept/accept.h"
#include "window/accept/select_control.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

using Seq = std::vector<std::string>;
using AcceptLoop = WindowRuntimeTest;

bool Is(uint32_t code) { return CurrentEvent() == code; }

TEST_F(AcceptLoop, CloseRequestStoresTheFocusedEditThenOutcomeOneKeepsTheWindowOpen) {
  Window* window = PrepareSmall(SmallWindow("CL$WINDOW", {Entry(1), Entry(2)}));
  OpenWindow(window);
  int closes = 0;
  Loop([&] {
    if (Is(event::GainFocus)) {
      SelectControl(2);
      return kTurnDone;
    }
    if (Is(event::Selected)) ui::PostMessage(WindowHandle(window), ui::WM_CLOSE, 0, 0);
    if (!Is(event::CloseWindow)) return kTurnDone;
    if (++closes == 1) {
      StandInLog().push_back(IsWindowOpen(window) ? "open" : "closed");
      ui::PostMessage(WindowHandle(window), ui::WM_CLOSE, 0, 0);
      return kTurnNoDefault;
    }
    return kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "0 EVENT:Selected 2",
                         "0 EVENT:CloseWindow 0", "0 EVENT:CloseWindow 0"}));
  EXPECT_FALSE(IsWindowOpen(window));
  EXPECT_EQ(StandInLog(), (Seq{"display 1", "display 2", "select 2 0-0", "display 2", "store 2", "open", "store 2"}));
}

TEST_F(AcceptLoop, CloseDownClosesEveryWindowOfTheThreadUnlessCancelled) {
  Window* first = PrepareSmall(SmallWindow("CD1$WINDOW"));
  Window* second = PrepareSmall(SmallWindow("CD2$WINDOW"));
  OpenWindow(first);
  OpenWindow(second);
  int downs = 0;
  Loop([&] {
    if (Is(event::GainFocus)) PostEvent(event::CloseDown);
    if (!Is(event::CloseDown)) return kTurnDone;
    if (++downs == 1) {
      PostEvent(event::CloseDown);
      return kTurnNoDefault;  // cancelled
    }
    return kTurnDone;
  });
  EXPECT_EQ(downs, 2);
  EXPECT_FALSE(IsWindowOpen(first));
  EXPECT_FALSE(IsWindowOpen(second));
}

TEST_F(AcceptLoop, OpenFailedLeavesTheLoopWhateverTheOutcome) {
  OpenWindow(PrepareSmall(SmallWindow("OF$WINDOW")));
  Loop([&] {
    if (Is(event::GainFocus)) PostEvent(event::OpenFailed);
    return kTurnNoDefault;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "0 EVENT:OpenFailed 0"}));
}

TEST_F(AcceptLoop, CompletionPassAcceptsEachShownEnabledFieldThenCompletes) {
  Window* window = PrepareSmall(SmallWindow("CP$WINDOW", {Button(1), Entry(2), Entry(3), Entry(4)}));
  OpenWindow(window);
  ui::EnableWindow(ui::GetDlgItem(WindowHandle(window), 0x4000 + 3), false);
  Loop([&] {
    if (Is(event::GainFocus)) SelectControl(0);
    return Is(event::Completed) ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "0 EVENT:Accepted 2", "0 EVENT:Accepted 4",
                         "0 EVENT:Completed 0"}));
}

TEST_F(AcceptLoop, AnInvalidFieldEndsThePassAndIsSelected) {
  InvalidControls() = {3};
  Window* window = PrepareSmall(SmallWindow("CI$WINDOW", {Entry(2), Entry(3), Entry(4)}));
  OpenWindow(window);
  Loop([&] {
    if (Is(event::GainFocus)) SelectControl(0);
    if (Is(event::Accepted)) SelectControl(4);  // ignored: not the event's control while the pass runs
    return Is(event::Selected) ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "0 EVENT:Accepted 2", "0 EVENT:Selected 3"}));
  EXPECT_EQ(FocusControl(), 3);
}

TEST_F(AcceptLoop, SelectedIsQueuedOnEveryFocusButOnlyTheMarkedControlGetsTheDefaultAction) {
  Window* window = PrepareSmall(SmallWindow("SE$WINDOW", {Entry(1), Entry(2)}));
  OpenWindow(window);
  Loop([&] {
    if (Is(event::GainFocus)) SelectControl(1, 2, 5);
    if (Is(event::Selected) && EventControl() == 1) {
      StandInLog().push_back("user focus");
      SetFocusTo(window, 2);  // focus moved by the user, not by SelectControl
    }
    return events.size() == 4 ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "0 EVENT:Selected 1", "0 EVENT:Selected 2"}));
  // Control 1's default action redisplayed it; control 2's Selected has none.
  EXPECT_EQ(StandInLog(), (Seq{"display 1", "display 2", "select 1 2-5", "user focus", "display 1"}));
}

TEST_F(AcceptLoop, NestedLoopsRestoreTheOuterCurrentEvent) {
  Window* outer = PrepareSmall(SmallWindow("NO$WINDOW", {Entry(1)}));
  Window* inner = PrepareSmall(SmallWindow("NI$WINDOW", {Entry(7), Entry(9)}));
  OpenWindow(outer);
  std::vector<std::string> seen;
  Loop([&] {
    if (!Is(event::GainFocus)) return kTurnDone;
    OpenWindow(inner);
    seen.push_back("inner fields " + std::to_string(FirstFieldNumber()) + "-" + std::to_string(LastFieldNumber()));
    Loop([&] { return events.size() == 4 ? kTurnLeave : kTurnDone; });
    CloseWindow(inner);
    seen.push_back("after " + EventName(CurrentEvent()) + " fields " + std::to_string(FirstFieldNumber()));
    return kTurnLeave;
  });
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0"}));
  EXPECT_EQ(seen, (Seq{"inner fields 7-9", "after EVENT:GainFocus fields 1"}));
}

TEST_F(AcceptLoop, TargetsNameAnotherWindowUntilCleared) {
  Window* first = PrepareSmall(SmallWindow("TA$WINDOW", {Entry(3), Entry(5)}));
  Window* second = PrepareSmall(SmallWindow("TB$WINDOW", {Entry(11)}));
  OpenWindow(first);
  OpenWindow(second);
  EXPECT_EQ(FirstFieldNumber(), 11);
  SetTarget(first, CurrentThread());
  EXPECT_EQ(FirstFieldNumber(), 3);
  EXPECT_EQ(LastFieldNumber(), 5);
  SetTarget(nullptr, CurrentThread());  // the thread's active window
  EXPECT_EQ(FirstFieldNumber(), 11);
  SetTarget(nullptr, 99);  // no such thread: no target, back to the active window
  EXPECT_EQ(LastFieldNumber(), 11);
  SetTarget(first);
  ReleaseWindow(first);  // releasing clears the target
  prepared.erase(prepared.begin());
  EXPECT_EQ(FirstFieldNumber(), 11);
}

TEST_F(AcceptLoop, KeyCodesCarryShiftCtrlAndAltIntoQueuedEvents) {
  OpenWindow(PrepareSmall(SmallWindow("KC$WINDOW", {Entry(1)})));
  std::vector<uint32_t> keys;
  Loop([&] {
    if (Is(event::GainFocus)) {
      host.KeyDown(ui::VK_CONTROL);
      host.KeyDown(ui::VK_SHIFT);
      host.KeyDown('K');
      // A scheduled step runs inside the wait, not as a message: the null message ends
      // the wait as the return from a control's handler would.
      host.Schedule(10, [] {
        PostEvent(event::Accepted, 1);
        ui::PostMessage(ui::Hwnd{}, ui::WM_NULL, 0, 0);
      });
    }
    if (!Is(event::Accepted)) return kTurnDone;
    keys.push_back(EventKeyCode());
    SetEventKeyCode(0x0D);
    keys.push_back(EventKeyCode());
    return kTurnLeave;
  });
  host.KeyUp('K');
  host.KeyUp(ui::VK_SHIFT);
  host.KeyUp(ui::VK_CONTROL);
  host.Pump();
  EXPECT_EQ(keys, (std::vector<uint32_t>{0x34B, 0x00D}));
  EXPECT_EQ(EventKeyCode(), 0x00Du);  // no current event: the thread's last key
}

TEST_F(AcceptLoop, QueriesGiveZeroWithoutAnEventOrAWindow) {
  EXPECT_EQ(CurrentEvent(), 0u);
  EXPECT_EQ(EventControl(), 0);
  EXPECT_EQ(AcceptedControl(), 0);
  EXPECT_EQ(FocusControl(), 0);
  EXPECT_EQ(FirstFieldNumber(), 0);
  EXPECT_EQ(LastFieldNumber(), 0);
}

TEST_F(AcceptLoop, AcceptedControlIsZeroForOtherEventsAndWindowEventsHaveNoControl) {
  OpenWindow(PrepareSmall(SmallWindow("AC$WINDOW", {Entry(4)})));
  std::vector<std::string> seen;
  Loop([&] {
    if (Is(event::GainFocus)) {
      PostEvent(event::NewSelection, 4);
      PostEvent(event::Accepted, 4);
    }
    seen.push_back(std::to_string(EventControl()) + "/" + std::to_string(AcceptedControl()));
    return Is(event::Accepted) ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(seen, (Seq{"0/0", "0/0", "4/0", "4/4"}));
}

TEST_F(AcceptLoop, EachEventHandedOutIsOneTraceLine) {
  OpenWindow(PrepareSmall(SmallWindow("TR$WINDOW", {Entry(2)})));
  Loop([&] {
    if (Is(event::GainFocus)) {
      PostEvent(event::Accepted, 2);
      PostEvent(0x400);
    }
    return Is(0x400) ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(trace.lines, (Seq{"Event EVENT:OpenWindow control 0 window TR$WINDOW",
                              "Event EVENT:GainFocus control 0 window TR$WINDOW",
                              "Event EVENT:Accepted control 2 window TR$WINDOW",
                              "Event EVENT:400h control 0 window TR$WINDOW"}));
}

TEST_F(AcceptLoop, ChangedVariablesAreRedisplayedBeforeTheNextWait) {
  int32_t a = 1, b = 2;
  Window* window = PrepareSmall(SmallWindow("RD$WINDOW", {Entry(1), Entry(2)}),
                                {{&a, 6, 4}, {&b, 6, 4}});
  OpenWindow(window);
  Loop([&] {
    if (Is(event::GainFocus)) {
      StandInLog().push_back("b = 5");
      b = 5;
      PostEvent(event::Accepted, 1);
    }
    return Is(event::Accepted) ? kTurnLeave : kTurnDone;
  });
  EXPECT_EQ(StandInLog(), (Seq{"display 1", "display 2", "b = 5", "display 2"}));
}

}  // namespace
}  // namespace qor::win::testing
