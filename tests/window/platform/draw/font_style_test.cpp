// Weight, slant and escapement: bold and italic faces (or made-up ones), and text turned
// about the top left of its cell.
#include <gtest/gtest.h>

#include <climits>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/font_face.h"

namespace qor::ui::testing {
namespace {

FontHandle Make(int weight, bool italic, int escapement = 0, const std::string& face = "Arial", int height = -16) {
  return CreateFontIndirect(LogFont{height, weight, italic, face, escapement, 0});
}

// The darkness of all ink in an area: coverage summed over the pixels.
long Darkness(const Canvas& canvas, const Rect& area) {
  long sum = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) sum += 255 - GetGValue(ColorFromPixel(canvas.At(x, y)));
  }
  return sum;
}

struct Drawn {
  DeviceContext dc = CanvasContext(200, 200);
  Size extent;
  TextMetrics metrics;
  Drawn(FontHandle font, std::string_view text, Point at = {50, 100}) {
    SelectFont(&dc, std::move(font));
    SetBkMode(&dc, TRANSPARENT);
    GetTextExtentPoint32(&dc, text, &extent);
    GetTextMetrics(&dc, &metrics);
    TextOut(&dc, at.x, at.y, text);
  }
  Rect Ink() const { return InkBounds(*dc.canvas, dc.canvas->Bounds()); }
  long Dark() const { return Darkness(*dc.canvas, dc.canvas->Bounds()); }
};

TEST(FontStyle, BoldIsWiderAndDarker) {
  Drawn normal(Make(FW_NORMAL, false), "Hello world");
  Drawn bold(Make(FW_BOLD, false), "Hello world");
  EXPECT_GT(bold.extent.cx, normal.extent.cx);
  EXPECT_GT(bold.Dark(), normal.Dark() * 5 / 4);
  EXPECT_FALSE(bold.dc.font->Emboldened());  // the installed bold face
  EXPECT_EQ(FontFamily(bold.dc.font), "Liberation Sans");
}

TEST(FontStyle, ItalicLeansToTheRight) {
  // The ink of an upright "l" has the same middle at the top and at the bottom; the
  // italic one's top lies further right.
  auto lean = [](const Drawn& drawn) {
    Rect ink = drawn.Ink();
    Rect top = InkBounds(*drawn.dc.canvas, {0, ink.top, 200, ink.top + 3});
    Rect bottom = InkBounds(*drawn.dc.canvas, {0, ink.bottom - 3, 200, ink.bottom});
    return (top.left + top.right) - (bottom.left + bottom.right);
  };
  Drawn upright(Make(FW_NORMAL, false, 0, "Arial", -40), "l", {50, 20});
  Drawn italic(Make(FW_NORMAL, true, 0, "Arial", -40), "l", {50, 20});
  EXPECT_LE(std::abs(lean(upright)), 1);
  EXPECT_GE(lean(italic), 8);  // about 12 degrees over 28 rows, counted twice
  EXPECT_FALSE(italic.dc.font->Slanted());  // the installed italic face
}

TEST(FontStyle, AFaceWithoutBoldOrItalicGetsThemMadeUp) {
  const std::string face = "DejaVu Math TeX Gyre";  // installed with a regular face only
  if (FontFamily(Make(FW_NORMAL, false, 0, face)) != face) GTEST_SKIP() << face << " is not installed";
  Drawn normal(Make(FW_NORMAL, false, 0, face), "Hello");
  Drawn bold(Make(FW_BOLD, false, 0, face), "Hello");
  Drawn slanted(Make(FW_NORMAL, true, 0, face), "Hello");
  EXPECT_TRUE(bold.dc.font->Emboldened());
  EXPECT_GT(bold.extent.cx, normal.extent.cx);
  EXPECT_GT(bold.Dark(), normal.Dark() * 6 / 5);
  EXPECT_TRUE(slanted.dc.font->Slanted());
  EXPECT_EQ(slanted.extent.cx, normal.extent.cx);
  EXPECT_GT(slanted.Ink().right, normal.Ink().right);
}

TEST(FontStyle, TurnedTextGoesUpFromItsReferencePoint) {
  Point at{50, 150};
  Drawn flat(Make(FW_NORMAL, false), "Hello", at);
  Drawn up(Make(FW_NORMAL, false, 900), "Hello", at);
  EXPECT_EQ(up.extent, flat.extent);  // measured along the line, as unturned
  Rect ink = up.Ink();
  EXPECT_GT(ink.Height(), 2 * ink.Width());  // tall and narrow
  // The cell lies to the right of the reference point, going up from it.
  EXPECT_GE(ink.left, at.x);
  EXPECT_LE(ink.right, at.x + up.metrics.height);
  EXPECT_LE(ink.bottom, at.y);
  EXPECT_GE(ink.top, at.y - up.extent.cx);
  // Each flat ink pixel (x, y) turns to (at.x + (y - at.y), at.y - 1 - (x - at.x)).
  Rect flatInk = flat.Ink();
  EXPECT_EQ(ink.Height(), flatInk.Width());
  EXPECT_EQ(ink.Width(), flatInk.Height());
  EXPECT_EQ(ink.left - at.x, flatInk.top - at.y);
  EXPECT_EQ(at.y - ink.bottom, flatInk.left - at.x);
  EXPECT_NEAR(up.Dark(), flat.Dark(), flat.Dark() / 20);
}

TEST(FontStyle, HalfAndThreeQuarterTurnsPlaceTheCellAroundTheReferencePoint) {
  Point at{100, 100};
  Drawn flat(Make(FW_NORMAL, false), "Hello", at);
  Drawn upsideDown(Make(FW_NORMAL, false, 1800), "Hello", at);
  Drawn down(Make(FW_NORMAL, false, 2700), "Hello", at);
  Drawn wrapped(Make(FW_NORMAL, false, 900 - 3600), "Hello", at);  // angles are taken round the circle
  Rect ink = upsideDown.Ink();
  EXPECT_LE(ink.right, at.x + 1);
  EXPECT_GE(ink.left, at.x - flat.extent.cx);
  EXPECT_LE(ink.bottom, at.y + 1);
  EXPECT_GE(ink.top, at.y - flat.metrics.height);
  ink = down.Ink();
  EXPECT_GT(ink.Height(), 2 * ink.Width());
  EXPECT_LE(ink.right, at.x + 1);
  EXPECT_GE(ink.left, at.x - flat.metrics.height);
  EXPECT_GE(ink.top, at.y);
  Drawn up(Make(FW_NORMAL, false, 900), "Hello", at);
  EXPECT_EQ(wrapped.Ink(), up.Ink());
}

TEST(FontStyle, AnyAngleTurnsTheText) {
  Point at{50, 150};
  Drawn diagonal(Make(FW_NORMAL, false, 450), "Hello world", at);
  Rect ink = diagonal.Ink();
  // Going up to the right at 45 degrees: about as tall as wide, and reaching well above.
  EXPECT_NEAR(ink.Width(), ink.Height(), diagonal.metrics.height * 3 / 2);
  EXPECT_LT(ink.top, at.y - diagonal.extent.cx / 2);
  EXPECT_GT(ink.right, at.x + diagonal.extent.cx / 2);
}

TEST(FontStyle, OpaqueModeFillsTheTurnedCell) {
  DeviceContext dc = CanvasContext(120, 120);
  SelectFont(&dc, Make(FW_NORMAL, false, 900));
  SetBkColor(&dc, RGB(0, 0, 255));
  Size extent;
  TextMetrics metrics;
  GetTextExtentPoint32(&dc, "Hi there", &extent);
  GetTextMetrics(&dc, &metrics);
  ASSERT_TRUE(TextOut(&dc, 30, 100, "Hi there"));
  Rect cell{30, 100 - extent.cx, 30 + metrics.height, 100};
  EXPECT_EQ(InkBounds(*dc.canvas, dc.canvas->Bounds()), cell);
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(cell.left, cell.top)), RGB(0, 0, 255));
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(cell.right - 1, cell.bottom - 1)), RGB(0, 0, 255));
}

TEST(FontStyle, SizesBeyondReasonAreRefusedAndOddAnglesAndWeightsStillWork) {
  for (int height : {INT_MIN, -kLargestFontHeight - 1, kLargestFontHeight + 1, INT_MAX}) {
    EXPECT_EQ(CreateFontIndirect(LogFont{height, FW_NORMAL, false, "Arial"}), nullptr) << height;
  }
  EXPECT_NE(CreateFontIndirect(LogFont{-kLargestFontHeight, FW_NORMAL, false, "Arial"}), nullptr);
  for (int weight : {INT_MIN, 0, 1000, INT_MAX}) {
    EXPECT_NE(CreateFontIndirect(LogFont{-12, weight, false, "Arial"}), nullptr) << weight;
  }
  Drawn full(Make(FW_NORMAL, false, INT_MIN), "Hi");  // -214748364.8 degrees: some angle
  EXPECT_FALSE(full.Ink().IsEmpty());
  Drawn round(Make(FW_NORMAL, false, 7200), "Hi");  // two whole turns: not turned
  EXPECT_FALSE(round.dc.font->Turned());
  EXPECT_EQ(round.Ink(), Drawn(Make(FW_NORMAL, false), "Hi").Ink());
}

}  // namespace
}  // namespace qor::ui::testing
