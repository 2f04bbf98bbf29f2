// Fonts: the old desktop's face names find installed faces; metrics, extents and drawn
// text behave as the controls that lay text out need.
#include <gtest/gtest.h>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/draw/font.h"

namespace qor::ui::testing {
namespace {

FontHandle Make(const std::string& face, int height = -13, int weight = FW_NORMAL) {
  return CreateFontIndirect(LogFont{height, weight, false, face});
}

TEST(Font, OldFaceNamesFindMetricCompatibleOrSansSerifFaces) {
  EXPECT_EQ(FontFamily(Make("Arial")), "Liberation Sans");
  EXPECT_EQ(FontFamily(Make("courier new")), "Liberation Mono");
  for (const char* face : {"MS Sans Serif", "Helv", "System", ""}) {
    EXPECT_EQ(FontFamily(Make(face)), "Liberation Sans") << face;
  }
  EXPECT_FALSE(FontFamily(Make("No Such Face At All")).empty());  // falls back, never fails
}

TEST(Font, MetricsFollowTheRequestedHeight) {
  DeviceContext dc = CanvasContext(4, 4);
  TextMetrics cell;
  SelectFont(&dc, Make("Arial", 20));  // positive: the cell height
  ASSERT_TRUE(GetTextMetrics(&dc, &cell));
  EXPECT_NEAR(cell.height, 20, 1);
  EXPECT_EQ(cell.height, cell.ascent + cell.descent);
  TextMetrics em;
  SelectFont(&dc, Make("Arial", -20));  // negative: the character height, so a taller cell
  ASSERT_TRUE(GetTextMetrics(&dc, &em));
  EXPECT_GT(em.height, cell.height);
  EXPECT_GT(em.averageCharWidth, 5);
  EXPECT_LT(em.averageCharWidth, 15);
}

TEST(Font, ExtentsMeasureWithoutDrawingAndFixedPitchIsFixed) {
  DeviceContext dc = CanvasContext(4, 4);
  Size narrow, wide, empty;
  SelectFont(&dc, Make("Arial"));
  ASSERT_TRUE(GetTextExtentPoint32(&dc, "iii", &narrow));
  ASSERT_TRUE(GetTextExtentPoint32(&dc, "WWW", &wide));
  ASSERT_TRUE(GetTextExtentPoint32(&dc, "", &empty));
  EXPECT_LT(narrow.cx, wide.cx);
  EXPECT_EQ(empty.cx, 0);
  EXPECT_EQ(narrow.cy, wide.cy);
  SelectFont(&dc, Make("Courier New"));
  GetTextExtentPoint32(&dc, "iii", &narrow);
  GetTextExtentPoint32(&dc, "WWW", &wide);
  EXPECT_EQ(narrow.cx, wide.cx);
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(0, 0)), RGB(255, 255, 255));
}

TEST(Font, TextIsDrawnAntialiasedInTheTextColourInsideTheClipOnly) {
  DeviceContext dc = CanvasContext(40, 20, {}, {0, 0, 40, 10});
  SelectFont(&dc, Make("Arial", -16, FW_BOLD));
  SetTextColor(&dc, RGB(255, 0, 0));
  SetBkMode(&dc, TRANSPARENT);
  ASSERT_TRUE(TextOut(&dc, 2, 0, "H"));
  int full = 0, partial = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      ColorRef c = ColorFromPixel(dc.canvas->At(x, y));
      if (y >= 10) {
        EXPECT_EQ(c, RGB(255, 255, 255)) << x << "," << y;  // clipped off
      }
      if (c == RGB(255, 0, 0)) ++full;
      if (GetRValue(c) == 255 && GetGValue(c) > 0 && GetGValue(c) < 255) ++partial;
    }
  }
  EXPECT_GT(full, 10);
  EXPECT_GT(partial, 0);  // antialiased edges
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(0, 0)), RGB(255, 255, 255));
}

TEST(Font, OpaqueModeFillsTheTextCellWithTheBackgroundColour) {
  DeviceContext dc = CanvasContext(60, 30);
  SetBkColor(&dc, RGB(0, 0, 128));
  ASSERT_TRUE(TextOut(&dc, 5, 5, "a\x80"));  // the default font; the euro sign of code page 1252
  Size size;
  GetTextExtentPoint32(&dc, "a\x80", &size);
  EXPECT_GT(size.cx, 10);
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(5, 5)), RGB(0, 0, 128));
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(5 + size.cx - 1, 5 + size.cy - 1)), RGB(0, 0, 128));
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(5 + size.cx, 5)), RGB(255, 255, 255));
  EXPECT_FALSE(TextOut(nullptr, 0, 0, "x"));
}

}  // namespace
}  // namespace qor::ui::testing
