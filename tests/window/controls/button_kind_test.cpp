// The button kind through the accept loop on the virtual clock: plain clicks, immediate
// buttons that repeat while held (by mouse or Space), sliding off and on, a busy
// procedure, flat buttons' hover, the default button and ids beyond 16 bits.
#include <gtest/gtest.h>

#include "tests/window/support/runtime_fixture.h"
#include "window/accept/accept.h"
#include "window/controls/button_kind.h"
#include "window/controls/control.h"
#include "window/controls/control_tips.h"
#include "window/controls/standard_kinds.h"
#include "window/definition/layout.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/draw/canvas.h"
#include "window/platform/draw/color.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/system_controls/button_control.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

using Seq = std::vector<std::string>;

constexpr uint32_t kImmediate = 0x800;
constexpr uint32_t kFlat = 0x4000;

class ButtonKindTest : public WindowRuntimeTest {
 protected:
  void SetUp() override {
    WindowRuntimeTest::SetUp();
    RegisterStandardControlKinds();
  }

  // Opens a window with button 1 (and any others) and returns button 1's window.
  ui::Hwnd Open(std::vector<ControlRecord> buttons) {
    window = PrepareSmall(SmallWindow("B" + std::to_string(++windows) + "$WINDOW", std::move(buttons)));
    OpenWindow(window);
    return ButtonWindow(1);
  }
  ui::Hwnd ButtonWindow(int32_t number) { return ui::GetDlgItem(WindowHandle(window), 0x4000 + number); }

  static ControlRecord Immediate(uint16_t delay, uint16_t interval, uint32_t flags = kImmediate) {
    ControlRecord record = Button(1);
    record.flags = flags;
    record.repeatDelay = delay;
    record.repeatInterval = interval;
    return record;
  }

  // Runs the loop; `script` runs once when the window has the focus (time 0).
  void Run(const std::function<void(ui::Hwnd)>& script, ui::Hwnd button) {
    Loop([&] {
      if (CurrentEvent() == event::GainFocus) script(button);
      return kTurnDone;
    });
  }

  void At(uint64_t ms, std::function<void()> step) { host.Schedule(ms - Elapsed(), std::move(step)); }

  // The logged events a button posted (where the focus starts is the window's concern).
  Seq Posts() const {
    Seq posts;
    for (const std::string& line : events) {
      if (line.find("EVENT:Accepted") != std::string::npos) posts.push_back(line);
    }
    return posts;
  }

  Window* window = nullptr;
  int windows = 0;
};


TEST_F(ButtonKindTest, PlainButtonPostsAcceptedOnClickAndOnEachPressOfADoubleClick) {
  ui::Hwnd button = Open({Button(1)});
  Run([&](ui::Hwnd b) {
    host.Click(b, {2, 2});
    At(1000, [&, b] { host.DoubleClick(b, {2, 2}); });
  }, button);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "1000 EVENT:Accepted 1",
                                     "1000 EVENT:Accepted 1"}));
}

TEST_F(ButtonKindTest, AButtonReportsTheFocusItGains) {
  ui::Hwnd button = Open({Button(1), Button(2)});
  Run([&](ui::Hwnd) {
    ui::SetFocus(ButtonWindow(2));
    EXPECT_EQ(window->focus, window->controls[1].get());
  }, button);
  EXPECT_EQ(events.back(), "0 EVENT:Selected 2");
}

TEST_F(ButtonKindTest, ImmediateTwentyTenPostsAtPressThenAfterTheDelayThenEachInterval) {
  ui::Hwnd button = Open({Immediate(20, 10)});
  Run([&](ui::Hwnd b) {
    host.MouseDown(b, {2, 2});
    At(650, [&, b] { host.MouseUp(b, {2, 2}); });
  }, button);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "200 EVENT:Accepted 1",
                                     "300 EVENT:Accepted 1", "400 EVENT:Accepted 1", "500 EVENT:Accepted 1",
                                     "600 EVENT:Accepted 1"}));
  EXPECT_TRUE(host.Starved());  // no timer left after the release
}

TEST_F(ButtonKindTest, ImmediateFiftyTen) {
  ui::Hwnd button = Open({Immediate(50, 10)});
  Run([&](ui::Hwnd b) {
    host.MouseDown(b, {2, 2});
    At(750, [&, b] { host.MouseUp(b, {2, 2}); });
  }, button);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "500 EVENT:Accepted 1",
                                     "600 EVENT:Accepted 1", "700 EVENT:Accepted 1"}));
}

TEST_F(ButtonKindTest, ImmediateWithEqualDelayAndIntervalKeepsOnePeriod) {
  ui::Hwnd button = Open({Immediate(15, 15)});
  Run([&](ui::Hwnd b) {
    host.MouseDown(b, {2, 2});
    At(500, [&, b] { host.MouseUp(b, {2, 2}); });
  }, button);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "150 EVENT:Accepted 1",
                                     "300 EVENT:Accepted 1", "450 EVENT:Accepted 1"}));
}

TEST_F(ButtonKindTest, ReleaseOutsideStopsTheRepeatsAndClicksNothing) {
  ui::Hwnd button = Open({Immediate(20, 10)});
  Run([&](ui::Hwnd b) {
    host.MouseDown(b, {2, 2});
    At(250, [&, b] { host.MouseMove(b, {-30, 2}); });
    At(450, [&, b] { host.MouseUp(b, {-30, 2}); });
  }, button);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "200 EVENT:Accepted 1"}));
  EXPECT_TRUE(host.Starved());
}

TEST_F(ButtonKindTest, SlidingOffDropsOnlyTheLookAndBackOnTheRepeatsResumeWithoutAPostOfTheirOwn) {
  ui::Hwnd button = Open({Immediate(20, 10)});
  Control* control = nullptr;
  Run([&](ui::Hwnd b) {
    control = window->controls[0].get();
    host.MouseDown(b, {2, 2});
    At(250, [&, b] {
      host.MouseMove(b, {-30, 2});
      host.Pump();
      EXPECT_FALSE(control->HasState(kStatePressed));
    });
    At(420, [&, b] {
      host.MouseMove(b, {2, 2});
      host.Pump();
      EXPECT_TRUE(control->HasState(kStatePressed));
    });
    At(560, [&, b] { host.MouseUp(b, {2, 2}); });
  }, button);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "200 EVENT:Accepted 1",
                                     "500 EVENT:Accepted 1"}));
}

TEST_F(ButtonKindTest, DisabledWhileHeldStopsTheRepeats) {
  ui::Hwnd button = Open({Immediate(20, 10)});
  Run([&](ui::Hwnd b) {
    host.MouseDown(b, {2, 2});
    At(350, [&] { window->controls[0]->SetDisabled(true); });
    At(600, [&, b] { host.MouseUp(b, {2, 2}); });
  }, button);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "200 EVENT:Accepted 1",
                                     "300 EVENT:Accepted 1"}));
  EXPECT_TRUE(host.Starved());
}

TEST_F(ButtonKindTest, SpaceHeldRepeatsAndItsReleasePostsNothingMore) {
  ui::Hwnd button = Open({Immediate(20, 10)});
  Run([&](ui::Hwnd b) {
    ui::SetFocus(b);
    host.KeyDown(ui::VK_SPACE, ' ');
    At(100, [&] { host.KeyDown(ui::VK_SPACE, ' '); });  // the key's own repeat
    At(350, [&] { host.KeyUp(ui::VK_SPACE); });
  }, button);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "200 EVENT:Accepted 1",
                                     "300 EVENT:Accepted 1"}));
}

TEST_F(ButtonKindTest, ABusyProcedureFindsOneWaitingAcceptedNotAPile) {
  ui::Hwnd button = Open({Immediate(20, 10)});
  int accepted = 0;
  Loop([&] {
    if (CurrentEvent() == event::GainFocus) {
      host.MouseDown(button, {2, 2});
      At(1150, [&] { host.MouseUp(button, {2, 2}); });
    }
    // The first Accepted keeps the procedure busy for a second while messages flow.
    if (CurrentEvent() == event::Accepted && ++accepted == 1) host.Advance(1000);
    return kTurnDone;
  });
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "1000 EVENT:Accepted 1",
                                     "1100 EVENT:Accepted 1"}));
}

TEST_F(ButtonKindTest, ClicksWithoutAPressPostOnceOnAnImmediateButton) {
  ui::Hwnd button = Open({Immediate(20, 10)});
  Run([&](ui::Hwnd b) {
    ui::SendMessage(b, ui::BM_CLICK, 0, 0);  // pressed and let go at once
    ui::SendMessage(WindowHandle(window), ui::WM_COMMAND, ui::PackWords(0x4001, ui::BN_CLICKED),
                    static_cast<ui::LParam>(b.AsParam()));
  }, button);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 1", "0 EVENT:Accepted 1"}));
}

TEST_F(ButtonKindTest, FlatButtonIsHotWhileTheMouseIsOverItAndItsTimerGoesWithinTwentyMilliseconds) {
  ui::Hwnd button = Open({Immediate(20, 10, kFlat)});
  Control& control = *window->controls[0];
  host.MouseMove(button, {2, 2});
  host.Pump();
  EXPECT_TRUE(control.HasState(kStateHot));
  host.MouseMove(WindowHandle(window), {300, 100});
  host.Pump();
  EXPECT_TRUE(control.HasState(kStateHot));
  host.Advance(kHoverTimerMs);
  EXPECT_FALSE(control.HasState(kStateHot));
  EXPECT_FALSE(ui::KillTimer(button, kHoverTimerId));  // it no longer runs
}

TEST_F(ButtonKindTest, FlatButtonLooksFlatAtRestRaisedWhenHotSunkenWhenPressed) {
  ui::Hwnd button = Open({Immediate(0, 0, kFlat)});
  auto corners = [&] {
    ui::UpdateWindow(button);
    auto canvas = ui::WindowCanvas(button);
    ui::Rect at = ui::ClientRectOnCanvas(button);
    return std::pair{ui::ColorFromPixel(canvas->At(at.left, at.top)),
                     ui::ColorFromPixel(canvas->At(at.right - 1, at.bottom - 1))};
  };
  const ui::ColorRef face = ui::GetSysColor(ui::COLOR_BTNFACE);
  const ui::ColorRef light = ui::GetSysColor(ui::COLOR_3DHIGHLIGHT);
  const ui::ColorRef shadow = ui::GetSysColor(ui::COLOR_3DSHADOW);
  EXPECT_EQ(corners(), std::pair(face, face));
  host.MouseMove(button, {2, 2});
  host.Pump();
  EXPECT_EQ(corners(), std::pair(light, shadow));
  host.MouseDown(button, {2, 2});
  host.Pump();
  EXPECT_EQ(corners(), std::pair(shadow, light));
  host.MouseUp(button, {2, 2});
  host.MouseMove(WindowHandle(window), {300, 100});
  host.Advance(kHoverTimerMs);
  EXPECT_EQ(corners(), std::pair(face, face));
}

TEST_F(ButtonKindTest, TheRecordsIconIsDrawnAtItsPlacementAndSizesAnAutomaticButton) {
  ControlRecord withIcon = Button(1);
  withIcon.icon = std::string("\xFF\x01\x04\x7F", 4);  // the stock exclamation: a yellow triangle
  withIcon.iconPlacement = 2;                              // above the text
  withIcon.at.width = withIcon.at.height = layout::kNotGiven;
  ControlRecord plain = Button(2);
  plain.text = withIcon.text;
  plain.at.width = plain.at.height = layout::kNotGiven;
  ui::Hwnd button = Open({withIcon, plain});
  ui::Rect with = ui::GetClientRect(button), without = ui::GetClientRect(ButtonWindow(2));
  EXPECT_EQ(with.Height(), without.Height() + 16 + 4);  // the small icon and its gap
  EXPECT_EQ(with.Width(), without.Width());            // the text is wider than the icon

  ui::UpdateWindow(button);
  auto canvas = ui::WindowCanvas(button);
  ui::Rect at = ui::ClientRectOnCanvas(button);
  ui::Rect yellow{at.right, at.bottom, at.left, at.top};
  for (int y = at.top; y < at.bottom; ++y) {
    for (int x = at.left; x < at.right; ++x) {
      ui::ColorRef c = ui::ColorFromPixel(canvas->At(x, y));
      if (ui::GetRValue(c) < 200 || ui::GetGValue(c) < 200 || ui::GetBValue(c) > 100) continue;
      yellow = {std::min(yellow.left, x), std::min(yellow.top, y), std::max(yellow.right, x + 1),
                std::max(yellow.bottom, y + 1)};
    }
  }
  yellow = yellow.Offset(-at.left, -at.top);
  ASSERT_FALSE(yellow.IsEmpty());
  EXPECT_LE(yellow.Width(), 16);
  EXPECT_NEAR(yellow.left + yellow.right, with.right, 3);  // centred across
  EXPECT_LT(yellow.bottom, with.bottom / 2);                 // in the upper half, above the text
}

TEST_F(ButtonKindTest, RecreatedInPlaceItKeepsItsPlaceIdStyleTipAndFocusAndStillClicks) {
  ControlRecord record = Button(1);
  record.help = "V1 = 0";
  record.buttonFlags = kDefaultButtonFlag;
  ui::Hwnd before = Open({record, Button(2)});
  Control& button = *window->controls[0];
  ui::SetFocus(before);
  ui::Rect placed = ui::GetWindowPlacement(before);
  uint32_t style = ui::GetWindowStyle(before);
  ASSERT_TRUE(button.Recreate());
  ui::Hwnd after = button.Handle();
  EXPECT_NE(after, before);
  EXPECT_FALSE(ui::IsWindow(before));
  EXPECT_EQ(ButtonWindow(1), after);
  EXPECT_EQ(ui::GetWindowPlacement(after), placed);
  EXPECT_EQ(ui::GetWindowStyle(after), style);
  EXPECT_EQ(ui::GetFocus(), after);
  EXPECT_TRUE(HasControlTip(button));
  EXPECT_EQ(ui::GetChildren(WindowHandle(window)).front(), after);  // still above button 2
  events.clear();
  start = host.Now();
  Run([&](ui::Hwnd b) { host.Click(b, {2, 2}); }, after);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), "0 EVENT:Accepted 1");
}

TEST_F(ButtonKindTest, OneDefaultButtonPerWindowTabStopsAndIdsBeyondSixteenBits) {
  ControlRecord first = Button(1);
  ControlRecord second = Button(2);
  ControlRecord high = Button(50000);
  high.at = {4, 30, 36, 12};
  ControlRecord skipped = Button(3);
  skipped.flags = 0x20;
  first.buttonFlags = second.buttonFlags = kDefaultButtonFlag;
  Open({first, second, high, skipped});
  EXPECT_EQ(window->defaultButton, window->controls[1].get());
  EXPECT_FALSE(window->controls[0]->HasState(kStateDefault));
  EXPECT_TRUE(window->controls[1]->HasState(kStateDefault));
  EXPECT_EQ(ui::GetWindowStyle(ButtonWindow(2)) & ui::BS_TYPEMASK, ui::BS_DEFPUSHBUTTON);
  EXPECT_EQ(ui::GetWindowStyle(ButtonWindow(1)) & ui::BS_TYPEMASK, ui::BS_PUSHBUTTON);

  EXPECT_EQ(ui::GetWindowStyle(ButtonWindow(3)) & ui::WS_TABSTOP, 0u);  // out of the tab order
  EXPECT_EQ(ui::GetWindowStyle(ButtonWindow(2)) & ui::WS_TABSTOP, ui::WS_TABSTOP);

  ui::Hwnd far = ButtonWindow(50000);  // id 0x10350: WM_COMMAND carries only 0x0350
  Run([&](ui::Hwnd b) { host.Click(b, {2, 2}); }, far);
  EXPECT_EQ(Posts(), (Seq{"0 EVENT:Accepted 50000"}));
}

}  // namespace
}  // namespace qor::win::testing
