// DrawText with a real font: measuring, the mnemonic underline, clipping, the opaque
// background and the values it returns.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/draw/draw_text.h"
#include "window/platform/draw/font.h"

namespace qor::ui::testing {
namespace {

struct TextCanvas {
  DeviceContext dc = CanvasContext(160, 80);
  TextMetrics metrics;
  TextCanvas() {
    SelectFont(&dc, CreateFontIndirect(LogFont{-13, FW_NORMAL, false, "Arial"}));
    SetBkMode(&dc, TRANSPARENT);
    GetTextMetrics(&dc, &metrics);
  }
  int Width(std::string_view text) {
    Size size;
    GetTextExtentPoint32(&dc, text, &size);
    return size.cx;
  }
  Rect Row(int y) const { return {0, y, dc.canvas->Width(), y + 1}; }
};

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
  TextCanvas t;
  Rect rect{10, 5, 11, 6};
  EXPECT_EQ(DrawText(&t.dc, "Hello world", &rect, DT_SINGLELINE | DT_CALCRECT), t.metrics.height);
  EXPECT_EQ(rect, (Rect{10, 5, 10 + t.Width("Hello world"), 5 + t.metrics.height}));
  rect = {0, 0, 1000, 0};
  EXPECT_EQ(DrawText(&t.dc, "ab\nHello", &rect, DT_CALCRECT), 2 * t.metrics.height);
  EXPECT_EQ(rect.right, t.Width("Hello"));
  // Wrapping: the width given is where lines break; the result is the widest line.
  rect = {0, 0, t.Width("Hello wor"), 0};
  EXPECT_EQ(DrawText(&t.dc, "Hello world again", &rect, DT_WORDBREAK | DT_CALCRECT), 3 * t.metrics.height);
  EXPECT_EQ(rect.right, std::max({t.Width("Hello"), t.Width("world"), t.Width("again")}));
  rect = {0, 0, 100, 0};
  EXPECT_EQ(DrawText(&t.dc, "&Save", &rect, DT_CALCRECT | DT_SINGLELINE), t.metrics.height);
  EXPECT_EQ(rect.right, t.Width("Save"));
  EXPECT_EQ(InkCount(*t.dc.canvas, t.dc.canvas->Bounds()), 0);
}

TEST(DrawText, TheMnemonicIsUnderlinedBelowItsCharacterOnly) {
  TextCanvas t;
  UnderlineStroke stroke;
  ASSERT_TRUE(GetUnderlineStroke(&t.dc, &stroke));
  EXPECT_GE(stroke.top, t.metrics.ascent);
  EXPECT_LE(stroke.top + stroke.thickness, t.metrics.height);
  Rect rect{10, 10, 150, 40};
  DrawText(&t.dc, "E&HI", &rect, DT_SINGLELINE);
  int left = 10 + t.Width("E");
  EXPECT_EQ(InkBounds(*t.dc.canvas, t.Row(10 + stroke.top)), (Rect{left, 10 + stroke.top, left + t.Width("H"), 11 + stroke.top}));
  // The same text without a mnemonic, or with the "&" shown, has nothing on that row.
  for (unsigned format : {0u, unsigned{DT_NOPREFIX}}) {
    TextCanvas plain;
    DrawText(&plain.dc, format ? "E&HI" : "EHI", &rect, DT_SINGLELINE | format);
    EXPECT_TRUE(InkBounds(*plain.dc.canvas, plain.Row(10 + stroke.top)).IsEmpty()) << format;
    EXPECT_GT(InkCount(*plain.dc.canvas, plain.dc.canvas->Bounds()), 20);
  }
}

TEST(DrawText, DrawingStaysInsideTheRectangleUnlessNoClip) {
  TextCanvas t;
  Rect rect{20, 20, 40, 24};  // lower than a line: the centred line sticks out both ways
  DrawText(&t.dc, "WWWWWW", &rect, DT_SINGLELINE | DT_VCENTER);
  Rect ink = InkBounds(*t.dc.canvas, t.dc.canvas->Bounds());
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_EQ(Intersection(ink, rect), ink);
  TextCanvas unclipped;
  DrawText(&unclipped.dc, "WWWWWW", &rect, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
  ink = InkBounds(*unclipped.dc.canvas, unclipped.dc.canvas->Bounds());
  EXPECT_GT(ink.right, 50);
  EXPECT_LT(ink.top, 20);
  // The context's own clip is back as it was.
  EXPECT_EQ(t.dc.clip.Bounds(), t.dc.canvas->Bounds());
}

TEST(DrawText, OpaqueModeFillsWholeLinesTabGapsIncluded) {
  TextCanvas t;
  SetBkMode(&t.dc, OPAQUE);
  SetBkColor(&t.dc, RGB(0, 0, 255));
  Rect rect{0, 0, 160, 80};
  DrawText(&t.dc, "a\tb", &rect, DT_EXPANDTABS);
  int tab = 8 * t.metrics.averageCharWidth;
  EXPECT_EQ(ColorFromPixel(t.dc.canvas->At(tab - 2, 1)), RGB(0, 0, 255));
  EXPECT_EQ(ColorFromPixel(t.dc.canvas->At(tab + t.Width("b") - 1, t.metrics.height - 1)), RGB(0, 0, 255));
  EXPECT_EQ(ColorFromPixel(t.dc.canvas->At(tab + t.Width("b") + 1, 1)), RGB(255, 255, 255));
  EXPECT_EQ(ColorFromPixel(t.dc.canvas->At(1, t.metrics.height)), RGB(255, 255, 255));
  EXPECT_EQ(t.dc.backMode, OPAQUE);
}

TEST(DrawText, ReturnsTheHeightOrTheBottomOfAPlacedLine) {
  TextCanvas t;
  Rect rect{0, 10, 100, 50};
  EXPECT_EQ(DrawText(&t.dc, "x", &rect, DT_SINGLELINE), t.metrics.height);
  EXPECT_EQ(DrawText(&t.dc, "x", &rect, DT_SINGLELINE | DT_VCENTER), (40 - t.metrics.height) / 2 + t.metrics.height);
  EXPECT_EQ(DrawText(&t.dc, "x", &rect, DT_SINGLELINE | DT_BOTTOM), 40);
  EXPECT_EQ(DrawText(&t.dc, "x\ny\nz", &rect, 0), 3 * t.metrics.height);
  EXPECT_EQ(DrawText(&t.dc, "", &rect, 0), 0);
  EXPECT_EQ(rect, (Rect{0, 10, 100, 50}));
  EXPECT_EQ(DrawText(nullptr, "x", &rect, 0), 0);
  EXPECT_EQ(DrawText(&t.dc, "x", nullptr, 0), 0);
  // Vertically centred ink sits in the middle of the rectangle.
  TextCanvas centred;
  DrawText(&centred.dc, "H", &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  Rect ink = InkBounds(*centred.dc.canvas, centred.dc.canvas->Bounds());
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 50, 2);
  int cellTop = 10 + (40 - centred.metrics.height) / 2;
  EXPECT_GE(ink.top, cellTop);
  EXPECT_LE(ink.bottom, cellTop + centred.metrics.ascent);
}

}  // namespace
}  // namespace qor::ui::testing
