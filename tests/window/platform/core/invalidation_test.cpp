// Painting windows: WM_PAINT through BeginPaint/EndPaint into the top-level window's
// canvas, children at their offsets, clipped to the update area and to what is visible.
#include "tests/window/platform/draw/canvas_check.h"
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::ui::testing {
namespace {

constexpr const char* kWhiteClass = "RecorderWhite";
constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kRed = RGB(255, 0, 0);

// Windows of a class with a white background whose painting, when a test asks, fills the
// whole client area red through BeginPaint: what lands shows where the clip was.
class Painting : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    Log().Heed(WM_ERASEBKGND);
    WindowClass white{kWhiteClass, RecorderProc};
    white.background = GetSysColorBrush(COLOR_WINDOW);
    ASSERT_TRUE(RegisterClass(white));
  }
  void TearDown() override {
    PlatformTest::TearDown();
    EXPECT_TRUE(UnregisterClass(kWhiteClass));
  }

  Hwnd MakeWhite(const std::string& name, uint32_t style, Hwnd parent, Rect at) {
    return Make(name, style, parent, at, kWhiteClass);
  }

  // Paints `red` windows red over their whole client area, recording the update area.
  void PaintRed(std::vector<Hwnd> red) {
    Log().react = [this, red](Hwnd hwnd, uint32_t m, WParam, LParam) -> std::optional<LResult> {
      if (m != WM_PAINT || std::find(red.begin(), red.end(), hwnd) == red.end()) return std::nullopt;
      PaintStruct paint;
      Hdc dc = BeginPaint(hwnd, &paint);
      FillRect(dc, GetClientRect(hwnd), CreateSolidBrush(kRed));
      painted.push_back(paint.paint);
      EndPaint(hwnd, &paint);
      return 0;
    };
  }

  static ColorRef At(Hwnd top, int x, int y) { return ColorFromPixel(WindowCanvas(top)->At(x, y)); }

  std::vector<Rect> painted;
};

TEST_F(Painting, BackgroundIsErasedWithTheClassBrushAndChildrenDrawAtTheirOffset) {
  Hwnd main = MakeWhite("main", WS_POPUP | WS_BORDER | WS_VISIBLE, Hwnd{}, {100, 50, 140, 80});
  Hwnd child = Make("child", WS_CHILD | WS_VISIBLE, main, {10, 5, 20, 10});
  PaintRed({child});
  Take();
  host.Pump();
  EXPECT_EQ(Take(), (std::vector<std::string>{"main WM_PAINT", "main WM_ERASEBKGND", "child WM_PAINT",
                                              "child WM_ERASEBKGND"}));
  std::shared_ptr<Canvas> canvas = WindowCanvas(child);
  ASSERT_EQ(canvas, WindowCanvas(main));
  EXPECT_EQ(canvas->Width(), 40);
  EXPECT_EQ(canvas->Height(), 30);
  EXPECT_EQ(At(main, 0, 0), RGB(0, 0, 0));  // the border, drawn by the core in the window-frame colour
  EXPECT_EQ(At(main, 1, 1), kWhite);   // client area erased
  EXPECT_EQ(At(main, 11, 6), kRed);    // the child's origin: border 1 + offset
  EXPECT_EQ(At(main, 20, 10), kRed);
  EXPECT_EQ(At(main, 21, 11), kWhite);  // just past the child
  EXPECT_EQ(GetUpdateRect(main), Rect{});
}

TEST_F(Painting, DrawingIsClippedToTheUpdateArea) {
  Hwnd main = MakeWhite("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 20, 10});
  host.Pump();
  PaintRed({main});
  Rect dirty{5, 2, 8, 4};
  InvalidateRect(main, &dirty, false);
  host.Pump();
  ASSERT_EQ(painted, std::vector<Rect>{dirty});
  Rect canvasArea = WindowCanvas(main)->Bounds();
  std::vector<std::string> rows = Picture(*WindowCanvas(main), canvasArea, {{kWhite, '.'}, {kRed, 'r'}});
  EXPECT_EQ(rows[1], "....................");
  EXPECT_EQ(rows[2], ".....rrr............");
  EXPECT_EQ(rows[3], ".....rrr............");
  EXPECT_EQ(rows[4], "....................");
}

TEST_F(Painting, EraseIsAskedOnlyWhenInvalidatedWithEraseAndAnsweredEraseIsNotRepeated) {
  Hwnd main = MakeWhite("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 20, 10});
  host.Pump();
  Take();
  InvalidateRect(main, nullptr, false);
  host.Pump();
  EXPECT_EQ(Take(), (std::vector<std::string>{"main WM_PAINT"}));
  Log().react = [](Hwnd hwnd, uint32_t m, WParam, LParam) -> std::optional<LResult> {
    if (m != WM_PAINT) return std::nullopt;
    PaintStruct paint;
    BeginPaint(hwnd, &paint);
    EXPECT_FALSE(paint.erase);  // the default procedure erased it
    EndPaint(hwnd, &paint);
    return 0;
  };
  InvalidateRect(main, nullptr, true);
  host.Pump();
  EXPECT_EQ(Take(), (std::vector<std::string>{"main WM_PAINT", "main WM_ERASEBKGND"}));
}

TEST_F(Painting, ClipChildrenKeepsTheParentOffItsChildrenAndParentClipsChildren) {
  Hwnd main = MakeWhite("main", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, Hwnd{}, {0, 0, 20, 10});
  Hwnd child = MakeWhite("child", WS_CHILD | WS_VISIBLE, main, {15, 5, 30, 20});  // runs past the parent
  host.Pump();
  EXPECT_EQ(VisibleRegion(child, false).Bounds(), (Rect{15, 5, 20, 10}));
  PaintRed({main});
  InvalidateRect(main, nullptr, false);
  host.Pump();
  EXPECT_EQ(At(main, 14, 5), kRed);
  EXPECT_EQ(At(main, 15, 5), kWhite);  // the child's, untouched by the parent
  Hdc dc = GetDC(child);
  EXPECT_EQ(GetPixel(dc, 4, 4), kWhite);
  EXPECT_EQ(SetPixel(dc, 5, 0, kRed), CLR_INVALID);  // beyond the parent's client area
  EXPECT_EQ(ReleaseDC(child, dc), 1);
}

TEST_F(Painting, HiddenWindowsDrawNothingAndCanvasFollowsTheWindowSize) {
  Hwnd main = MakeWhite("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 20, 10});
  host.Pump();
  Hwnd hidden = Make("hidden", WS_CHILD, main, {0, 0, 5, 5});
  Hdc dc = GetDC(hidden);
  EXPECT_EQ(SetPixel(dc, 1, 1, kRed), CLR_INVALID);
  ReleaseDC(hidden, dc);
  EXPECT_TRUE(MoveWindow(main, 0, 0, 30, 12));
  EXPECT_EQ(WindowCanvas(main)->Width(), 30);
  EXPECT_EQ(WindowCanvas(main)->Height(), 12);
  EXPECT_EQ(At(main, 1, 1), kWhite);  // what was drawn stays
  EXPECT_EQ(GetDC(Hwnd{9999}), nullptr);
  PaintStruct paint;
  EXPECT_EQ(BeginPaint(Hwnd{9999}, &paint), nullptr);
  EXPECT_EQ(WindowCanvas(Hwnd{9999}), nullptr);
}

}  // namespace
}  // namespace qor::ui::testing
