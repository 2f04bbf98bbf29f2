// Mouse and keyboard input, focus and capture: the messages each window receives.
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui::testing {
namespace {

using Seq = std::vector<std::string>;

// A frameless main window at the screen's origin with one child "btn" at (10, 10).
class Input : public PlatformTest {
 protected:
  void Build(const char* childClass) {
    main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 300, 200});
    btn = Make("btn", WS_CHILD | WS_VISIBLE, main, {10, 10, 110, 40}, childClass);
    host.Pump();
    Take();
  }
  Hwnd main;
  Hwnd btn;
};

TEST_F(Input, ClickGoesToTheWindowUnderTheMouseInClientCoordinates) {
  Build(kRecorderClass);
  host.Click(btn, {5, 6});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_LBUTTONDOWN 1 5,6", "btn WM_LBUTTONUP 0 5,6"}));
  host.Click(main, {200, 100}, MouseButton::Right);
  host.MouseMove(main, {201, 101});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_RBUTTONDOWN 2 200,100", "main WM_RBUTTONUP 0 200,100", "main WM_MOUSEMOVE 0 201,101"}));
}

TEST_F(Input, DoubleClickNeedsTheClassStyleTheTimeAndThePlace) {
  Build(kDoubleClickClass);
  host.DoubleClick(btn, {5, 5});
  host.Click(btn, {5, 5});  // a third click starts over
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_LBUTTONDOWN 1 5,5", "btn WM_LBUTTONUP 0 5,5", "btn WM_LBUTTONDBLCLK 1 5,5",
                         "btn WM_LBUTTONUP 0 5,5", "btn WM_LBUTTONDOWN 1 5,5", "btn WM_LBUTTONUP 0 5,5"}));
  host.Advance(kDoubleClickTime + 1);
  host.Click(btn, {5, 5});  // too late after the last one
  host.Click(btn, {9, 5});  // too far from it
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_LBUTTONDOWN 1 5,5", "btn WM_LBUTTONUP 0 5,5", "btn WM_LBUTTONDOWN 1 9,5",
                         "btn WM_LBUTTONUP 0 9,5"}));
  host.Click(btn, {10, 6});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_LBUTTONDBLCLK 1 10,6", "btn WM_LBUTTONUP 0 10,6"}));
}

TEST_F(Input, WithoutTheClassStyleTwoClicksAreTwoPresses) {
  Build(kRecorderClass);
  host.DoubleClick(btn, {5, 5});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_LBUTTONDOWN 1 5,5", "btn WM_LBUTTONUP 0 5,5", "btn WM_LBUTTONDOWN 1 5,5",
                         "btn WM_LBUTTONUP 0 5,5"}));
}

TEST_F(Input, CaptureTakesTheMouseWhereverItGoesUntilReleased) {
  Build(kRecorderClass);
  Log().react = [this](Hwnd h, uint32_t m, WParam, LParam) -> std::optional<LResult> {
    if (h == btn && m == WM_LBUTTONDOWN) SetCapture(btn);
    if (h == btn && m == WM_LBUTTONUP) ReleaseCapture();
    return std::nullopt;
  };
  host.MouseDown(btn, {5, 5});
  host.Pump();
  EXPECT_EQ(GetCapture(), btn);
  host.MouseMove(main, {200, 150});  // far outside the button
  host.MouseUp(main, {200, 150});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_LBUTTONDOWN 1 5,5", "btn WM_MOUSEMOVE 1 190,140", "btn WM_LBUTTONUP 0 190,140",
                         "btn WM_CAPTURECHANGED 0"}));
  EXPECT_EQ(GetCapture(), Hwnd{});
  host.MouseMove(main, {200, 150});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_MOUSEMOVE 0 200,150"}));
}

TEST_F(Input, TakingTheCaptureTellsTheWindowThatLosesIt) {
  Build(kRecorderClass);
  SetCapture(btn);
  EXPECT_EQ(SetCapture(main), btn);
  EXPECT_EQ(Take(), (Seq{"btn WM_CAPTURECHANGED main"}));
  DestroyWindow(main);
  EXPECT_EQ(GetCapture(), Hwnd{});
}

TEST_F(Input, ClickingAnInactiveWindowActivatesItFirst) {
  Build(kRecorderClass);
  Hwnd other = Make("other", WS_POPUP | WS_VISIBLE, Hwnd{}, {400, 0, 600, 100});
  host.Pump();
  Take();
  host.Click(btn, {1, 1});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"other WM_ACTIVATE 0 main", "other WM_KILLFOCUS 0", "main WM_ACTIVATE 2 other",
                         "main WM_SETFOCUS 0", "btn WM_LBUTTONDOWN 1 1,1", "btn WM_LBUTTONUP 0 1,1"}));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetChildren(Hwnd{}).front(), main);
  (void)other;
}

TEST_F(Input, DisabledChildPassesTheMouseToItsParentAndHiddenOnesAreTransparent) {
  Build(kRecorderClass);
  EnableWindow(btn, false);
  host.Pump();
  Take();
  host.Click(btn, {5, 5});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_LBUTTONDOWN 1 15,15", "main WM_LBUTTONUP 0 15,15"}));
  EnableWindow(btn, true);
  ShowWindow(btn, SW_HIDE);
  host.Pump();
  Take();
  HostMouseButton(MouseButton::Left, true, {20, 20});
  HostMouseButton(MouseButton::Left, false, {20, 20});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_LBUTTONDOWN 1 20,20", "main WM_LBUTTONUP 0 20,20"}));
}

TEST_F(Input, MouseOutsideEveryClientAreaReachesNoWindow) {
  Hwnd framed = Make("framed", WS_CAPTION | WS_VISIBLE, Hwnd{}, {0, 0, 200, 100});
  host.Pump();
  Take();
  HostMouseButton(MouseButton::Left, true, {50, 10});  // on the caption
  HostMouseButton(MouseButton::Left, false, {50, 10});
  HostMouseMove({700, 700});  // on no window at all
  host.Pump();
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(GetCursorPos(), (Point{700, 700}));
  (void)framed;
}

TEST_F(Input, KeysGoToTheFocusWindowAndTypeTheirCharacters) {
  Build(kRecorderClass);
  SetFocus(btn);
  Take();
  EXPECT_TRUE(host.Type("Hi!"));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_KEYDOWN 16", "btn WM_KEYDOWN 72", "btn WM_CHAR 'H'", "btn WM_KEYUP 72",
                         "btn WM_KEYUP 16", "btn WM_KEYDOWN 73", "btn WM_CHAR 'i'", "btn WM_KEYUP 73",
                         "btn WM_KEYDOWN 16", "btn WM_KEYDOWN 49", "btn WM_CHAR '!'", "btn WM_KEYUP 49",
                         "btn WM_KEYUP 16"}));
  host.Press(VK_RETURN);
  host.Press(VK_LEFT);
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_KEYDOWN 13", "btn WM_CHAR '\r'", "btn WM_KEYUP 13", "btn WM_KEYDOWN 37",
                         "btn WM_KEYUP 37"}));
}

TEST_F(Input, TypingACharacterNoKeyTypesSaysSoAndTypesTheRest) {
  Build(kRecorderClass);
  SetFocus(btn);
  Take();
  EXPECT_FALSE(host.Type("\xE9z"));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_KEYDOWN 90", "btn WM_CHAR 'z'", "btn WM_KEYUP 90"}));
}

TEST_F(Input, KeyMessagesCarryRepeatAndTransitionBits) {
  Build(kRecorderClass);
  std::vector<LParam> flags;
  Log().react = [&](Hwnd, uint32_t m, WParam, LParam l) -> std::optional<LResult> {
    if (m == WM_KEYDOWN || m == WM_KEYUP) flags.push_back(l);
    return std::nullopt;
  };
  host.KeyDown(VK_DOWN);
  host.KeyDown(VK_DOWN);  // held: auto-repeat
  host.KeyUp(VK_DOWN);
  host.Pump();
  ASSERT_EQ(flags.size(), 3u);
  EXPECT_EQ(flags[0], 1);
  EXPECT_EQ(flags[1], 1 | (1 << 30));
  EXPECT_EQ(static_cast<uint32_t>(flags[2]), 1u | (1u << 30) | (1u << 31));
}

TEST_F(Input, AltMakesSystemKeysAndAltF4ClosesTheTopLevelWindow) {
  Build(kRecorderClass);
  SetFocus(btn);
  Take();
  host.KeyDown(VK_MENU);
  host.KeyDown('X', 'x');
  host.KeyUp('X');
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"btn WM_SYSKEYDOWN 18", "btn WM_SYSKEYDOWN 88", "btn WM_SYSCHAR 'x'", "btn WM_SYSKEYUP 88"}));
  host.KeyDown(VK_F4);
  host.Pump();
  std::vector<std::string> closing = Take();
  ASSERT_GE(closing.size(), 3u);
  EXPECT_EQ(closing[0], "btn WM_SYSKEYDOWN 115");
  EXPECT_EQ(closing[1], "main WM_SYSCOMMAND");
  EXPECT_EQ(closing[2], "main WM_CLOSE");
  EXPECT_FALSE(IsWindow(main));
  host.KeyUp(VK_F4);
  host.KeyUp(VK_MENU);
  host.Pump();  // no window left for them: dropped
  EXPECT_TRUE(Take().empty());
}

TEST_F(Input, WithoutFocusKeysGoToTheActiveWindow) {
  Build(kRecorderClass);
  SetFocus(Hwnd{});
  Take();
  host.Press(VK_ESCAPE);
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_KEYDOWN 27", "main WM_CHAR '\x1b'", "main WM_KEYUP 27"}));
}

TEST_F(Input, FocusMovesBetweenWindowsWithKillAndSetFocus) {
  Build(kRecorderClass);
  Hwnd edit = Make("edit", WS_CHILD | WS_VISIBLE, main, {10, 50, 110, 70});
  Take();
  EXPECT_EQ(SetFocus(btn), main);
  EXPECT_EQ(SetFocus(edit), btn);
  EXPECT_EQ(SetFocus(edit), edit);  // already there: nothing sent
  EXPECT_EQ(Take(), (Seq{"main WM_KILLFOCUS btn", "btn WM_SETFOCUS main", "btn WM_KILLFOCUS edit",
                         "edit WM_SETFOCUS btn"}));
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(Input, DisabledWindowsRefuseTheFocus) {
  Build(kRecorderClass);
  EnableWindow(btn, false);
  Take();
  EXPECT_EQ(SetFocus(btn), Hwnd{});
  EXPECT_EQ(GetFocus(), main);
  EXPECT_EQ(SetFocus(Hwnd{999999}), Hwnd{});
  EXPECT_TRUE(Take().empty());
}

TEST_F(Input, FocusInAnInactiveWindowActivatesItFirst) {
  Build(kRecorderClass);
  Hwnd other = Make("other", WS_POPUP | WS_VISIBLE, Hwnd{}, {400, 0, 600, 100});
  Take();
  SetFocus(btn);
  EXPECT_EQ(Take(), (Seq{"other WM_ACTIVATE 0 main", "other WM_KILLFOCUS 0", "main WM_ACTIVATE 1 other",
                         "main WM_SETFOCUS 0", "main WM_KILLFOCUS btn", "btn WM_SETFOCUS main"}));
  (void)other;
}

TEST_F(Input, KeyStateFollowsTheKeysAndTogglesLocks) {
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
  HostKey(VK_SHIFT, true, 0);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  EXPECT_EQ(MouseKeyFlags(), MK_SHIFT);
  HostKey(VK_SHIFT, false, 0);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
  int16_t before = GetKeyState(VK_CAPITAL) & 1;
  HostKey(VK_CAPITAL, true, 0);
  HostKey(VK_CAPITAL, false, 0);
  EXPECT_NE(GetKeyState(VK_CAPITAL) & 1, before);
  HostKey(VK_CAPITAL, true, 0);
  HostKey(VK_CAPITAL, false, 0);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, before);
}

}  // namespace
}  // namespace qor::ui::testing
