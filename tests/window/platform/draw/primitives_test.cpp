// Drawing primitives on a small canvas: where fills, frames, lines and focus rectangles
// land, and that nothing lands outside the clipping region.
#include <gtest/gtest.h>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui::testing {
namespace {

using Rows = std::vector<std::string>;

constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kRed = RGB(255, 0, 0);
constexpr ColorRef kBlack = RGB(0, 0, 0);
const std::map<ColorRef, char> kLetters = {{kWhite, '.'}, {kRed, 'r'}, {kBlack, '#'}};

TEST(Drawing, FillIsClippedToTheRegionAndShiftedByTheOrigin) {
  DeviceContext dc = CanvasContext(6, 4, {1, 1}, {0, 0, 4, 4});
  EXPECT_TRUE(FillRect(&dc, {0, 0, 10, 2}, CreateSolidBrush(kRed)));
  EXPECT_EQ(Picture(*dc.canvas, dc.canvas->Bounds(), kLetters), (Rows{
                                                                  "......",
                                                                  ".rrr..",
                                                                  ".rrr..",
                                                                  "......",
                                                              }));
}

TEST(Drawing, FillWithSystemBrushFollowsTheSchemeAndNullBrushFillsNothing) {
  DeviceContext dc = CanvasContext(2, 1);
  EXPECT_TRUE(FillRect(&dc, {0, 0, 1, 1}, GetSysColorBrush(COLOR_BTNFACE)));
  EXPECT_EQ(GetPixel(&dc, 0, 0), RGB(192, 192, 192));
  EXPECT_TRUE(SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3)));
  EXPECT_TRUE(FillRect(&dc, {1, 0, 2, 1}, COLOR_BTNFACE + 1));  // the class-background form
  ResetSysColors();
  EXPECT_EQ(GetPixel(&dc, 1, 0), RGB(1, 2, 3));
  EXPECT_FALSE(FillRect(&dc, {0, 0, 2, 1}, kNullBrush));
  EXPECT_FALSE(FillRect(&dc, {0, 0, 2, 1}, 12345678));
  EXPECT_EQ(GetPixel(&dc, 1, 0), RGB(1, 2, 3));
}

TEST(Drawing, FrameIsOnePixelInsideTheRectangle) {
  DeviceContext dc = CanvasContext(5, 4);
  EXPECT_TRUE(FrameRect(&dc, {0, 0, 5, 4}, CreateSolidBrush(kBlack)));
  EXPECT_EQ(Picture(*dc.canvas, dc.canvas->Bounds(), kLetters), (Rows{
                                                                  "#####",
                                                                  "#...#",
                                                                  "#...#",
                                                                  "#####",
                                                              }));
}

TEST(Drawing, LinesLeaveOutTheirEndPointAndMoveThePen) {
  DeviceContext dc = CanvasContext(5, 5);
  SetDCPenColor(&dc, kBlack);
  MoveToEx(&dc, 0, 0);
  EXPECT_TRUE(LineTo(&dc, 4, 4));
  EXPECT_TRUE(LineTo(&dc, 4, 0));
  Point previous;
  MoveToEx(&dc, 0, 4, &previous);
  EXPECT_EQ(previous, (Point{4, 0}));
  EXPECT_EQ(Picture(*dc.canvas, dc.canvas->Bounds(), kLetters), (Rows{
                                                                  "#....",
                                                                  ".#..#",
                                                                  "..#.#",
                                                                  "...##",
                                                                  "....#",
                                                              }));
}

TEST(Drawing, LineCrossingTheClipEdgeDrawsOnlyInside) {
  DeviceContext dc = CanvasContext(6, 1, {}, {2, 0, 4, 1});
  SetDCPenColor(&dc, kRed);
  MoveToEx(&dc, -3, 0);
  LineTo(&dc, 9, 0);
  EXPECT_EQ(Picture(*dc.canvas, dc.canvas->Bounds(), kLetters), (Rows{"..rr.."}));
}

TEST(Drawing, FocusRectangleIsDottedAndGoesAwayWhenDrawnAgain) {
  DeviceContext dc = CanvasContext(5, 4);
  EXPECT_TRUE(DrawFocusRect(&dc, {0, 0, 5, 4}));
  EXPECT_EQ(Picture(*dc.canvas, dc.canvas->Bounds(), kLetters), (Rows{
                                                                  "#.#.#",
                                                                  ".....",
                                                                  "#...#",
                                                                  ".#.#.",
                                                              }));
  DrawFocusRect(&dc, {0, 0, 5, 4});
  EXPECT_EQ(Picture(*dc.canvas, dc.canvas->Bounds(), kLetters), (Rows{".....", ".....", ".....", "....."}));
}

TEST(Drawing, PixelsOutsideTheClipAreNeitherWrittenNorRead) {
  DeviceContext dc = CanvasContext(4, 4, {}, {1, 1, 3, 3});
  EXPECT_EQ(SetPixel(&dc, 1, 1, kRed), kRed);
  EXPECT_EQ(GetPixel(&dc, 1, 1), kRed);
  EXPECT_EQ(SetPixel(&dc, 0, 0, kRed), CLR_INVALID);
  EXPECT_EQ(GetPixel(&dc, 0, 0), CLR_INVALID);
  EXPECT_EQ(SetPixel(&dc, 100, -7, kRed), CLR_INVALID);
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(0, 0)), kWhite);
  EXPECT_TRUE(InvertRect(&dc, {0, 0, 4, 4}));
  EXPECT_EQ(GetPixel(&dc, 1, 1), RGB(0, 255, 255));
  EXPECT_EQ(GetPixel(&dc, 2, 2), kBlack);
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(3, 3)), kWhite);
}

TEST(Drawing, ColoursAreStoredRedInTheLowByte) {
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x00563412u);
  EXPECT_EQ(PixelFromColor(RGB(0x12, 0x34, 0x56)), 0xFF123456u);
  EXPECT_EQ(ColorFromPixel(0xFF123456u), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0, 0, 128));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColor(99), RGB(0, 0, 0));
  EXPECT_FALSE(SetSysColor(-1, kRed));
}

}  // namespace
}  // namespace qor::ui::testing
