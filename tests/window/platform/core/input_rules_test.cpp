// Input rules the window runtime relies on: the z-order of children (also their tab
// order), hit testing through a window transparent to the mouse, mouse moves merged while
// they wait, and a window that takes the focus back while it is losing it.
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui::testing {
namespace {

using Seq = std::vector<std::string>;

class InputRules : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 300, 200});
    host.Pump();
    Take();
  }
  Hwnd Child(const std::string& name, Rect at, Hwnd parent = Hwnd{}) {
    return Make(name, WS_CHILD | WS_VISIBLE, parent ? parent : main, at);
  }
  Hwnd main;
};

TEST_F(InputRules, TheFirstChildMadeIsOnTopSoOverlapsGoToItAndNewTopLevelWindowsGoAbove) {
  Hwnd first = Child("first", {0, 0, 100, 100});
  Child("second", {50, 50, 150, 150});
  host.Pump();
  Take();
  host.Click(main, {60, 60});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"first WM_LBUTTONDOWN 1 60,60", "first WM_LBUTTONUP 0 60,60"}));
  EXPECT_EQ(GetChildren(main).front(), first);
  Hwnd later = Make("later", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 50, 50});
  EXPECT_EQ(GetChildren(Hwnd{}).front(), later);
}

TEST_F(InputRules, AWindowTransparentToTheMouseLetsItReachItsChildrenAndWhatLiesBeneath) {
  Hwnd panel = Child("panel", {0, 0, 200, 150});
  Hwnd inner = Child("inner", {10, 10, 60, 60}, panel);
  Hwnd under = Child("under", {100, 100, 180, 140});
  SetMouseTransparent(panel, true);
  host.Pump();
  Take();
  EXPECT_EQ(WindowFromPoint({20, 20}), inner);
  EXPECT_EQ(WindowFromPoint({120, 120}), under);
  EXPECT_EQ(WindowFromPoint({80, 20}), main);
  host.Click(inner, {1, 1});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"inner WM_LBUTTONDOWN 1 1,1", "inner WM_LBUTTONUP 0 1,1"}));
}

TEST_F(InputRules, MouseMovesWaitingInTheQueueAreMergedIntoTheLastOne) {
  Child("left", {0, 0, 100, 100});
  Child("right", {100, 0, 200, 100});
  host.Pump();
  Take();
  host.MouseMove(main, {10, 10});
  host.MouseMove(main, {11, 12});
  host.MouseMove(main, {13, 14});
  host.MouseMove(main, {150, 10});
  host.MouseMove(main, {151, 11});
  host.MouseDown(main, {151, 11});
  host.MouseMove(main, {152, 12});
  host.MouseMove(main, {153, 13});
  host.MouseUp(main, {153, 13});
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"left WM_MOUSEMOVE 0 13,14", "right WM_MOUSEMOVE 0 51,11", "right WM_LBUTTONDOWN 1 51,11",
                         "right WM_MOUSEMOVE 1 53,13", "right WM_LBUTTONUP 0 53,13"}));
}

TEST_F(InputRules, AWindowThatTakesTheFocusBackWhileLosingItKeepsIt) {
  Hwnd field = Child("field", {0, 0, 100, 20});
  Hwnd other = Child("other", {0, 30, 100, 50});
  SetFocus(field);
  host.Pump();
  Take();
  Log().react = [&](Hwnd hwnd, uint32_t m, WParam, LParam) -> std::optional<LResult> {
    if (hwnd == field && m == WM_KILLFOCUS) {
      EXPECT_EQ(GetFocus(), other);  // the focus has already moved on
      SetFocus(field);
    }
    return std::nullopt;
  };
  EXPECT_EQ(SetFocus(other), field);
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(Take(), (Seq{"field WM_KILLFOCUS other", "field WM_SETFOCUS other"}));  // other never had it
  Log().react = nullptr;
  SetFocus(other);
  EXPECT_EQ(Take(), (Seq{"field WM_KILLFOCUS other", "other WM_SETFOCUS field"}));
}

}  // namespace
}  // namespace qor::ui::testing
