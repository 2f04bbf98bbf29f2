// Classes, superclassing, subclassing, per-window storage, properties and geometry.
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/properties.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui::testing {
namespace {

using Classes = PlatformTest;
using Seq = std::vector<std::string>;

// A superclass of the recorder: logs "super" and hands the message to the base procedure.
WindowProc g_baseProc = nullptr;
LResult SuperProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_USER) return 42;
  return CallWindowProc(g_baseProc, hwnd, message, wParam, lParam);
}

WindowProc g_replaced = nullptr;
LResult SubclassProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_USER + 1) return 7;
  return CallWindowProc(g_replaced, hwnd, message, wParam, lParam);
}

TEST_F(Classes, RegistrationChecksItsInputAndNamesMatchWithoutCase) {
  EXPECT_FALSE(RegisterClass(WindowClass{"", RecorderProc}));
  EXPECT_FALSE(RegisterClass(WindowClass{"NoProc", nullptr}));
  WindowClass negative{"Negative", RecorderProc};
  negative.extraBytes = -4;
  EXPECT_FALSE(RegisterClass(negative));
  EXPECT_FALSE(RegisterClass(WindowClass{"RECORDER", RecorderProc}));  // taken, whatever the case
  ASSERT_TRUE(GetClassInfo("recorder"));
  EXPECT_EQ(GetClassInfo("recorder")->name, kRecorderClass);
  EXPECT_FALSE(GetClassInfo("Nothing"));
  EXPECT_FALSE(UnregisterClass("Nothing"));
}

TEST_F(Classes, ClassCannotGoWhileItHasWindows) {
  ASSERT_TRUE(RegisterClass(WindowClass{"Busy", RecorderProc}));
  CreateParams params;
  params.className = "busy";
  params.title = "w";
  Hwnd w = CreateWindow(params);
  ASSERT_TRUE(w);
  EXPECT_EQ(GetClassName(w), "Busy");
  EXPECT_FALSE(UnregisterClass("Busy"));
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClass("Busy"));
}

TEST_F(Classes, SuperclassKeepsTheBaseProcedureForDefaultHandling) {
  std::optional<WindowClass> base = GetClassInfo(kDoubleClickClass);
  ASSERT_TRUE(base);
  g_baseProc = base->proc;
  WindowClass derived = *base;
  derived.name = "QorSuper";
  derived.proc = SuperProc;
  derived.extraBytes += static_cast<int>(sizeof(intptr_t));
  derived.cursor = CursorHandle::None;
  ASSERT_TRUE(RegisterClass(derived));
  Hwnd w = Make("sup", WS_POPUP, Hwnd{}, {0, 0, 10, 10}, "QorSuper");
  EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 42);
  EXPECT_EQ(GetClassStyle(w), static_cast<uint32_t>(CS_DBLCLKS));
  EXPECT_EQ(Take(), (Seq{"sup WM_CREATE", "sup WM_SIZE 10,10", "sup WM_MOVE 0,0"}));  // WM_USER never reached the base
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClass("QorSuper"));
}

TEST_F(Classes, SubclassingOneWindowLeavesItsSiblingsAlone) {
  Hwnd a = Make("a", WS_POPUP);
  Hwnd b = Make("b", WS_POPUP);
  g_replaced = SetWindowProc(a, SubclassProc);
  EXPECT_EQ(g_replaced, &RecorderProc);
  EXPECT_EQ(GetWindowProc(a), &SubclassProc);
  Take();
  EXPECT_EQ(SendMessage(a, WM_USER + 1, 0, 0), 7);
  EXPECT_EQ(SendMessage(b, WM_USER + 1, 0, 0), 0);
  SendMessage(a, WM_USER + 2, 0, 0);
  EXPECT_EQ(Take(), (Seq{"b WM_USER+1", "a WM_USER+2"}));
  EXPECT_EQ(SetWindowProc(a, nullptr), nullptr);  // refused
  EXPECT_EQ(GetWindowProc(a), &SubclassProc);
}

TEST_F(Classes, ExtraBytesHoldPointersAndRefuseOutOfBoundsAccess) {
  WindowClass withStorage{"Storage", RecorderProc};
  withStorage.extraBytes = 12;
  ASSERT_TRUE(RegisterClass(withStorage));
  Hwnd w = Make("w", WS_POPUP, Hwnd{}, {0, 0, 10, 10}, "Storage");
  int object = 0;
  auto address = reinterpret_cast<intptr_t>(&object);
  EXPECT_EQ(GetWindowExtra(w, 0), 0);  // cleared at creation
  EXPECT_TRUE(SetWindowExtra(w, 0, address));
  EXPECT_EQ(GetWindowExtra(w, 0), address);
  EXPECT_TRUE(SetWindowExtra32(w, 8, 0xDEADBEEF));
  EXPECT_EQ(GetWindowExtra32(w, 8), 0xDEADBEEFu);
  EXPECT_FALSE(SetWindowExtra(w, 8, 1));   // would run past the 12 bytes
  EXPECT_FALSE(SetWindowExtra32(w, -1, 1));
  EXPECT_EQ(GetWindowExtra(w, 12), 0);
  EXPECT_EQ(GetWindowExtra(w, 0), address);  // untouched by the refused writes
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClass("Storage"));
}

TEST_F(Classes, PropertiesAreNamedValuesThatGoWithTheWindow) {
  Hwnd w = Make("w", WS_POPUP);
  EXPECT_FALSE(FindProp(w, "lo_pfield"));
  EXPECT_EQ(GetProp(w, "lo_pfield"), 0u);
  EXPECT_TRUE(SetProp(w, "lo_pfield", 0x1234));
  EXPECT_TRUE(SetProp(w, "hi_pfield", 0));
  EXPECT_EQ(GetProp(w, "LO_PFIELD"), 0x1234u);
  ASSERT_TRUE(FindProp(w, "hi_pfield"));  // a stored 0 is there
  EXPECT_EQ(*FindProp(w, "hi_pfield"), 0u);
  EXPECT_FALSE(SetProp(w, "", 1));
  EXPECT_EQ(RemoveProp(w, "lo_pfield"), 0x1234u);
  EXPECT_FALSE(FindProp(w, "lo_pfield"));
  EXPECT_EQ(RemoveProp(w, "lo_pfield"), 0u);
  DestroyWindow(w);
  EXPECT_FALSE(FindProp(w, "hi_pfield"));
}

TEST_F(Classes, ChildGeometryIsInTheParentsClientArea) {
  Hwnd main = Make("main", WS_CAPTION | WS_VISIBLE, Hwnd{}, {100, 50, 400, 250});
  Hwnd child = Make("child", WS_CHILD | WS_BORDER | WS_VISIBLE, main, {10, 20, 60, 40}, kRecorderClass, 16400);
  EXPECT_EQ(GetClientRect(main), (Rect{0, 0, 294, 176}));
  EXPECT_EQ(GetWindowRect(child), (Rect{113, 91, 163, 111}));
  EXPECT_EQ(GetClientRect(child), (Rect{0, 0, 48, 18}));
  EXPECT_EQ(ClientToScreen(child, {0, 0}), (Point{114, 92}));
  EXPECT_EQ(ScreenToClient(main, {103, 71}), (Point{0, 0}));
  EXPECT_EQ(GetDlgItem(main, 16400), child);
  EXPECT_EQ(GetDlgCtrlID(child), 16400);
  EXPECT_EQ(WindowFromPoint({120, 95}), child);
  EXPECT_EQ(WindowFromPoint({300, 200}), main);
  EXPECT_EQ(WindowFromPoint({5, 5}), Hwnd{});
}

TEST_F(Classes, MovingSendsMoveAndSizeOnlyForWhatChanged) {
  Hwnd main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 300, 200});
  Hwnd child = Make("child", WS_CHILD, main, {0, 0, 50, 20});
  Take();
  MoveWindow(child, 5, 5, 50, 20);
  EXPECT_EQ(Take(), (Seq{"child WM_MOVE 5,5"}));
  MoveWindow(child, 5, 5, 60, 20);
  EXPECT_EQ(Take(), (Seq{"child WM_SIZE 60,20"}));
  MoveWindow(child, 5, 5, 60, 20);
  EXPECT_TRUE(Take().empty());
}

TEST_F(Classes, ZOrderPutsTheFirstChildAndTheRaisedOnTop) {
  Hwnd main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 300, 200});
  Hwnd a = Make("a", WS_CHILD | WS_VISIBLE, main, {0, 0, 100, 100});
  Hwnd b = Make("b", WS_CHILD | WS_VISIBLE, main, {50, 50, 150, 150});
  EXPECT_EQ(GetChildren(main), (std::vector<Hwnd>{a, b}));
  EXPECT_EQ(WindowFromPoint({60, 60}), a);
  BringWindowToTop(b);
  EXPECT_EQ(GetChildren(main), (std::vector<Hwnd>{b, a}));
  EXPECT_EQ(WindowFromPoint({60, 60}), b);
  SetWindowPos(b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(WindowFromPoint({60, 60}), a);
}

TEST_F(Classes, TopmostWindowsStayAboveTheOthers) {
  CreateParams tip;
  tip.className = kRecorderClass;
  tip.title = "tip";
  tip.style = WS_POPUP;
  tip.exStyle = WS_EX_TOPMOST;
  Hwnd top = CreateWindow(tip);
  Hwnd later = Make("later", WS_POPUP);
  EXPECT_EQ(GetChildren(Hwnd{}).front(), top);
  BringWindowToTop(later);
  EXPECT_EQ(GetChildren(Hwnd{}).front(), top);
}

TEST_F(Classes, StyleChangesKeepVisibilityAndEnabledStateToTheirOwnCalls) {
  Hwnd w = Make("w", WS_POPUP | WS_VISIBLE);
  uint32_t before = SetWindowStyle(w, WS_POPUP | WS_DISABLED | WS_TABSTOP);
  EXPECT_EQ(before & WS_VISIBLE, WS_VISIBLE);
  EXPECT_EQ(GetWindowStyle(w), WS_POPUP | WS_VISIBLE | WS_TABSTOP);
}

}  // namespace
}  // namespace qor::ui::testing
