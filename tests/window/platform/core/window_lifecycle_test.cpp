// Creation, showing and destruction: the exact messages each window receives.
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/properties.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui::testing {
namespace {

using Lifecycle = PlatformTest;
using Seq = std::vector<std::string>;

constexpr uint32_t kFramed = WS_OVERLAPPED | WS_CAPTION;

TEST_F(Lifecycle, HiddenWindowIsCreatedSizedAndMovedOnly) {
  Hwnd main = Make("main", kFramed);
  ASSERT_TRUE(main);
  // 200x100 with a 3-pixel frame and an 18-pixel caption leaves a 194x76 client area.
  EXPECT_EQ(Take(), (Seq{"main WM_CREATE", "main WM_SIZE 194,76", "main WM_MOVE 13,31"}));
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(host.Pump(), 0);  // nothing to paint while hidden
}

TEST_F(Lifecycle, VisibleTopLevelWindowIsShownActivatedFocusedThenPainted) {
  Hwnd main = Make("main", kFramed | WS_VISIBLE);
  EXPECT_EQ(Take(), (Seq{"main WM_CREATE", "main WM_SIZE 194,76", "main WM_MOVE 13,31", "main WM_SHOWWINDOW 1",
                         "main WM_ACTIVATE 1 0", "main WM_SETFOCUS 0"}));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_PAINT"}));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), main);
}

TEST_F(Lifecycle, VisibleChildIsShownButNeverActivated) {
  Hwnd main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 300, 200});
  Take();
  Hwnd child = Make("child", WS_CHILD | WS_VISIBLE, main, {5, 6, 55, 26});
  EXPECT_EQ(Take(), (Seq{"child WM_CREATE", "child WM_SIZE 50,20", "child WM_MOVE 5,6", "child WM_SHOWWINDOW 1"}));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetParent(child), main);
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_PAINT", "child WM_PAINT"}));  // parents first
}

TEST_F(Lifecycle, WindowRefusedInCreateIsDestroyedAndNoHandleReturned) {
  Log().react = [](Hwnd, uint32_t m, WParam, LParam) -> std::optional<LResult> {
    if (m == WM_CREATE) return -1;
    return std::nullopt;
  };
  Hwnd refused = Make("refused", kFramed | WS_VISIBLE);
  EXPECT_FALSE(refused);
  EXPECT_EQ(Take(), (Seq{"refused WM_CREATE", "refused WM_DESTROY", "refused WM_NCDESTROY"}));
  EXPECT_TRUE(GetChildren(Hwnd{}).empty());
}

TEST_F(Lifecycle, CreationFailsForUnknownClassOrChildWithoutParent) {
  CreateParams params;
  params.className = "NoSuchClass";
  EXPECT_FALSE(CreateWindow(params));
  params.className = kRecorderClass;
  params.style = WS_CHILD;
  EXPECT_FALSE(CreateWindow(params));
  params.parent = Hwnd{987654};
  EXPECT_FALSE(CreateWindow(params));
  EXPECT_TRUE(Take().empty());
}

TEST_F(Lifecycle, DestructionGoesDownTheTreeThenBackUp) {
  Hwnd main = Make("main", WS_POPUP | WS_VISIBLE);
  Hwnd a = Make("a", WS_CHILD | WS_VISIBLE, main);
  Make("b", WS_CHILD | WS_VISIBLE, a);
  Make("c", WS_CHILD, main);
  Take();
  EXPECT_TRUE(DestroyWindow(main));
  // Children in z-order, the first made first.
  EXPECT_EQ(Take(), (Seq{"main WM_ACTIVATE 0 0", "main WM_KILLFOCUS 0", "main WM_DESTROY", "a WM_DESTROY",
                         "b WM_DESTROY", "c WM_DESTROY", "c WM_NCDESTROY", "b WM_NCDESTROY",
                         "a WM_NCDESTROY", "main WM_NCDESTROY"}));
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(IsWindow(a));
  EXPECT_EQ(GetFocus(), Hwnd{});
  EXPECT_EQ(GetActiveWindow(), Hwnd{});
}

TEST_F(Lifecycle, OwnedWindowsGoBeforeTheirOwner) {
  Hwnd owner = Make("owner", WS_POPUP);
  Make("owned", WS_POPUP, owner);
  Take();
  DestroyWindow(owner);
  EXPECT_EQ(Take(), (Seq{"owned WM_DESTROY", "owned WM_NCDESTROY", "owner WM_DESTROY", "owner WM_NCDESTROY"}));
}

TEST_F(Lifecycle, CloseDestroysThroughTheDefaultProcedureUnlessTheWindowSaysNo) {
  Hwnd stubborn = Make("stubborn", WS_POPUP);
  Log().react = [](Hwnd, uint32_t m, WParam, LParam) -> std::optional<LResult> {
    if (m == WM_CLOSE) return 0;
    return std::nullopt;
  };
  Take();
  PostMessage(stubborn, WM_SYSCOMMAND, SC_CLOSE, 0);
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"stubborn WM_SYSCOMMAND", "stubborn WM_CLOSE"}));
  EXPECT_TRUE(IsWindow(stubborn));
  Log().react = nullptr;
  SendMessage(stubborn, WM_CLOSE, 0, 0);
  EXPECT_EQ(Take(), (Seq{"stubborn WM_CLOSE", "stubborn WM_DESTROY", "stubborn WM_NCDESTROY"}));
  EXPECT_FALSE(IsWindow(stubborn));
}

TEST_F(Lifecycle, HandlesAreNeverReusedSoStaleHandlesStayInvalid) {
  Hwnd first = Make("first", WS_POPUP);
  DestroyWindow(first);
  Hwnd second = Make("second", WS_POPUP);
  EXPECT_NE(first, second);
  EXPECT_GT(second.value, first.value);
  Take();
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(DestroyWindow(first));
  EXPECT_FALSE(PostMessage(first, WM_USER, 0, 0));
  EXPECT_EQ(SendMessage(first, WM_USER, 0, 0), 0);
  EXPECT_FALSE(SetWindowText(first, "x"));
  EXPECT_FALSE(SetProp(first, "lo_pfield", 1));
  EXPECT_FALSE(ShowWindow(first, SW_SHOW));
  EXPECT_TRUE(Take().empty());
}

TEST_F(Lifecycle, ShowAndHideSendShowWindowOnlyWhenTheStateChanges) {
  Hwnd main = Make("main", WS_POPUP | WS_VISIBLE);
  Hwnd child = Make("child", WS_CHILD, main);
  Take();
  EXPECT_FALSE(ShowWindow(child, SW_SHOW));
  EXPECT_TRUE(ShowWindow(child, SW_SHOW));
  EXPECT_TRUE(ShowWindow(child, SW_HIDE));
  EXPECT_FALSE(ShowWindow(child, SW_HIDE));
  EXPECT_EQ(Take(), (Seq{"child WM_SHOWWINDOW 1", "child WM_SHOWWINDOW 0"}));
  ShowWindow(main, SW_HIDE);
  EXPECT_EQ(Take(), (Seq{"main WM_SHOWWINDOW 0", "main WM_ACTIVATE 0 0", "main WM_KILLFOCUS 0"}));
  EXPECT_FALSE(IsWindowVisible(main));
}

TEST_F(Lifecycle, ShowingWithoutActivationLeavesTheActiveWindowAlone) {
  Hwnd first = Make("first", WS_POPUP | WS_VISIBLE);
  Hwnd second = Make("second", WS_POPUP);
  Take();
  ShowWindow(second, SW_SHOWNA);
  EXPECT_EQ(Take(), (Seq{"second WM_SHOWWINDOW 1"}));
  EXPECT_EQ(GetActiveWindow(), first);
  ShowWindow(second, SW_SHOW);
  EXPECT_EQ(Take(), (Seq{"first WM_ACTIVATE 0 second", "first WM_KILLFOCUS 0", "second WM_ACTIVATE 1 first",
                         "second WM_SETFOCUS 0"}));
}

TEST_F(Lifecycle, TextGoesThroughTheWindowProcedure) {
  Hwnd main = Make("main", WS_POPUP);
  Take();
  EXPECT_EQ(GetWindowText(main), "main");
  EXPECT_TRUE(SetWindowText(main, "Tester"));
  EXPECT_EQ(Take(), (Seq{"main WM_SETTEXT \"Tester\""}));
  EXPECT_EQ(GetWindowText(main), "Tester");
  char small[4];
  EXPECT_EQ(SendMessage(main, WM_GETTEXT, sizeof small, reinterpret_cast<LParam>(small)), 3);
  EXPECT_STREQ(small, "Tes");  // cut to the buffer, never past it
}

TEST_F(Lifecycle, EnableSendsEnableAndTakesTheFocusAway) {
  Hwnd main = Make("main", WS_POPUP | WS_VISIBLE);
  Hwnd edit = Make("edit", WS_CHILD | WS_VISIBLE, main);
  SetFocus(edit);
  Take();
  EXPECT_FALSE(EnableWindow(edit, false));
  EXPECT_EQ(Take(), (Seq{"edit WM_KILLFOCUS 0", "edit WM_ENABLE 0"}));
  EXPECT_FALSE(IsWindowEnabled(edit));
  EXPECT_TRUE(EnableWindow(edit, false));  // already disabled: nothing sent
  EXPECT_TRUE(Take().empty());
  EnableWindow(main, false);
  Take();
  EnableWindow(edit, true);
  EXPECT_FALSE(IsWindowEnabled(edit));  // its parent is still disabled
}

}  // namespace
}  // namespace qor::ui::testing
