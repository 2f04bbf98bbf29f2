// What gets painted again when windows change: a parent that does not clip its children
// takes the children under the area with it; hiding, moving and destroying a window
// repaint its old place only; enabling leaves the redrawing to the window; hidden windows
// keep no request for painting.
#include "tests/window/platform/draw/canvas_check.h"
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::ui::testing {
namespace {

constexpr const char* kWhiteClass = "RepaintWhite";
constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kRed = RGB(255, 0, 0);
using Rows = std::vector<std::string>;
using Seq = std::vector<std::string>;

// A white parent (erased with its class brush) and children that paint themselves red,
// every painting's update area kept by window name.
class Repainting : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    WindowClass white{kWhiteClass, RecorderProc};
    white.background = GetSysColorBrush(COLOR_WINDOW);
    ASSERT_TRUE(RegisterClass(white));
    Log().react = [](Hwnd hwnd, uint32_t m, WParam, LParam) -> std::optional<LResult> {
      if (m != WM_PAINT || GetParent(hwnd) == Hwnd{}) return std::nullopt;
      PaintStruct paint;
      Hdc dc = BeginPaint(hwnd, &paint);
      FillRect(dc, GetClientRect(hwnd), CreateSolidBrush(kRed));
      EndPaint(hwnd, &paint);
      return 0;
    };
    main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 12, 6}, kWhiteClass);
  }
  void TearDown() override {
    PlatformTest::TearDown();
    EXPECT_TRUE(UnregisterClass(kWhiteClass));
  }

  Hwnd Child(const std::string& name, Rect at, uint32_t style = 0) {
    return Make(name, WS_CHILD | WS_VISIBLE | style, main, at);
  }
  Rows Screen() { return Picture(*WindowCanvas(main), WindowCanvas(main)->Bounds(), {{kWhite, '.'}, {kRed, 'r'}}); }
  // Every window waiting for painting, with its update area.
  Seq Waiting(std::initializer_list<Hwnd> windows) {
    Seq waiting;
    for (Hwnd w : windows) {
      Rect r = GetUpdateRect(w);
      if (r.IsEmpty()) continue;
      waiting.push_back(Log().NameOf(w) + " " + std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
                        std::to_string(r.right) + "," + std::to_string(r.bottom));
    }
    return waiting;
  }

  Hwnd main;
};

TEST_F(Repainting, AParentThatDoesNotClipItsChildrenPaintsThemAgainUnderTheArea) {
  Hwnd a = Child("a", {1, 1, 5, 4});
  Hwnd b = Child("b", {7, 1, 11, 4});
  host.Pump();
  Take();
  Rect left{0, 0, 3, 3};
  InvalidateRect(main, &left, true);
  EXPECT_EQ(Waiting({main, a, b}), (Seq{"main 0,0-3,3", "a 0,0-2,2"}));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_PAINT", "a WM_PAINT"}));
  InvalidateRect(main, nullptr, true);
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_PAINT", "a WM_PAINT", "b WM_PAINT"}));
  EXPECT_EQ(Screen(), (Rows{"............",
                            ".rrrr..rrrr.",
                            ".rrrr..rrrr.",
                            ".rrrr..rrrr.",
                            "............",
                            "............"}));
}

TEST_F(Repainting, AParentThatClipsItsChildrenPaintsAroundThem) {
  SetWindowStyle(main, GetWindowStyle(main) | WS_CLIPCHILDREN);
  Hwnd a = Child("a", {1, 1, 5, 4});
  host.Pump();
  Take();
  InvalidateRect(main, nullptr, true);
  EXPECT_EQ(Waiting({main, a}), (Seq{"main 0,0-12,6"}));
}

TEST_F(Repainting, HidingMovingAndDestroyingRepaintTheOldPlaceOnly) {
  Hwnd a = Child("a", {1, 1, 3, 3});
  Hwnd b = Child("b", {4, 1, 6, 3});
  Hwnd c = Child("c", {8, 1, 10, 3});
  host.Pump();
  Take();
  ShowWindow(a, SW_HIDE);
  EXPECT_EQ(Waiting({main, a, b, c}), (Seq{"main 1,1-3,3"}));
  host.Pump();
  MoveWindow(b, 4, 3, 2, 2);
  EXPECT_EQ(Waiting({main, a, b, c}), (Seq{"main 4,1-6,3", "b 0,0-2,2"}));
  host.Pump();
  DestroyWindow(c);
  EXPECT_EQ(Waiting({main, a, b}), (Seq{"main 8,1-10,3"}));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"a WM_SHOWWINDOW 0", "main WM_PAINT", "b WM_MOVE 4,3", "main WM_PAINT", "b WM_PAINT",
                         "c WM_DESTROY", "c WM_NCDESTROY", "main WM_PAINT"}));
  EXPECT_EQ(Screen(), (Rows{"............",
                            "............",
                            "............",
                            "....rr......",
                            "....rr......",
                            "............"}));
}

TEST_F(Repainting, WhatAHiddenWindowLeavesIsRepaintedWithTheSiblingsUnderIt) {
  SetWindowStyle(main, GetWindowStyle(main) | WS_CLIPCHILDREN);
  Hwnd top = Child("top", {2, 1, 6, 5});
  Hwnd under = Child("under", {4, 2, 10, 4}, WS_CLIPSIBLINGS);
  host.Pump();
  Take();
  ShowWindow(top, SW_HIDE);
  EXPECT_EQ(Waiting({main, under}), (Seq{"main 2,1-6,5", "under 0,0-2,2"}));
  host.Pump();
  EXPECT_EQ(Screen(), (Rows{"............",
                            "............",
                            "....rrrrrr..",
                            "....rrrrrr..",
                            "............",
                            "............"}));
}

TEST_F(Repainting, EnablingSendsWmEnableAndLeavesTheRedrawingToTheWindow) {
  Hwnd a = Child("a", {1, 1, 5, 4});
  host.Pump();
  Take();
  EnableWindow(main, false);
  EXPECT_EQ(Waiting({main, a}), Seq{});
  EnableWindow(main, true);
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_KILLFOCUS 0", "main WM_ENABLE 0", "main WM_ENABLE 1"}));
}

TEST_F(Repainting, HiddenWindowsKeepNoRequestAndShowingPaintsThemWhole) {
  Hwnd a = Make("a", WS_CHILD, main, {1, 1, 5, 4});
  host.Pump();
  Take();
  InvalidateRect(a, nullptr, true);
  EXPECT_EQ(Waiting({a}), Seq{});
  ShowWindow(a, SW_SHOWNA);
  EXPECT_EQ(Waiting({main, a}), (Seq{"a 0,0-4,3"}));
  InvalidateRect(a, nullptr, true);
  ShowWindow(main, SW_HIDE);
  EXPECT_EQ(Waiting({main, a}), Seq{});  // hiding drops what was waiting
}

}  // namespace
}  // namespace qor::ui::testing
