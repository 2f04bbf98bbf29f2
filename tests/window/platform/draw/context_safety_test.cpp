// Device contexts used wrongly: given back twice, used after they were given back, or
// null. Nothing is touched that is not the caller's, and nothing is drawn.
#include "tests/window/platform/core/recorder.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/device_context.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::ui::testing {
namespace {

constexpr ColorRef kRed = RGB(255, 0, 0);

using Contexts = PlatformTest;

TEST_F(Contexts, AContextGivenBackTwiceOrToAnotherWindowIsRefused) {
  Hwnd main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 20, 10});
  Hwnd other = Make("other", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 20, 10});
  host.Pump();
  Hdc dc = GetDC(main);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(ReleaseDC(other, dc), 0);
  EXPECT_EQ(ReleaseDC(main, dc), 1);
  EXPECT_EQ(ReleaseDC(main, dc), 0);
  EXPECT_EQ(ReleaseDC(main, nullptr), 0);
}

TEST_F(Contexts, AContextUsedAfterItWasGivenBackDrawsNothing) {
  Hwnd main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 20, 10});
  host.Pump();
  Pixel before = WindowCanvas(main)->At(5, 5);
  Hdc stale = GetDC(main);
  ReleaseDC(main, stale);
  FillRect(stale, {0, 0, 20, 10}, CreateSolidBrush(kRed));
  EXPECT_EQ(SetPixel(stale, 5, 5, kRed), CLR_INVALID);
  EXPECT_EQ(GetPixel(stale, 5, 5), CLR_INVALID);
  SetTextColor(stale, kRed);
  TextOut(stale, 0, 0, "stale");
  MoveToEx(stale, 0, 0, nullptr);
  LineTo(stale, 19, 9);
  EXPECT_EQ(WindowCanvas(main)->At(5, 5), before);
}

TEST_F(Contexts, SettersAndQueriesOnANullContextFailQuietly) {
  EXPECT_EQ(SetTextColor(nullptr, kRed), CLR_INVALID);
  EXPECT_EQ(SetBkColor(nullptr, kRed), CLR_INVALID);
  EXPECT_EQ(SetBkMode(nullptr, OPAQUE), 0);
  EXPECT_EQ(SetDCPenColor(nullptr, kRed), CLR_INVALID);
  EXPECT_EQ(SetDCBrushColor(nullptr, kRed), CLR_INVALID);
  IntersectClipRect(nullptr, {0, 0, 1, 1});
  EXPECT_FALSE(FillRect(nullptr, {0, 0, 1, 1}, CreateSolidBrush(kRed)));
}

TEST(Fonts, EqualFontsShareOneLoadedFaceAndDifferentOnesDoNot) {
  LogFont small{-11, FW_NORMAL, false, "MS Sans Serif"};
  FontHandle a = CreateFontIndirect(small);
  FontHandle b = CreateFontIndirect(small);
  ASSERT_TRUE(a);
  EXPECT_EQ(a, b);
  LogFont bold = small;
  bold.weight = FW_BOLD;
  FontHandle c = CreateFontIndirect(bold);
  EXPECT_NE(c, a);
  LogFont turned = small;
  turned.escapement = 900;
  EXPECT_NE(CreateFontIndirect(turned), a);
}

}  // namespace
}  // namespace qor::ui::testing
