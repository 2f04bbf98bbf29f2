// Icons: the stock icons as drawn, drawing with transparency and clipping, sizes, the
// program's icon, cursors and the beep.
#include <gtest/gtest.h>

#include "tests/window/platform/draw/canvas_check.h"
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/input.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/resources/cursor.h"
#include "window/platform/resources/stock_icons.h"

namespace qor::ui::testing {
namespace {

constexpr ColorRef kWhite = RGB(255, 255, 255);

Pixel PixelOf(IconHandle icon, int size, int x, int y) {
  return IconFromHandle(icon)->ImageFor(size, size).At(x, y);
}
unsigned Alpha(Pixel p) { return p >> 24; }
ColorRef Color(Pixel p) { return ColorFromPixel(p); }

TEST(StockIcons, EachHasBothSizesAndKeepsItsHandle) {
  for (uint16_t id : {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
    IconHandle icon = LoadIcon(nullptr, id);
    ASSERT_NE(icon, IconHandle::None) << id;
    EXPECT_EQ(LoadIcon(nullptr, id), icon);
    EXPECT_EQ(GetIconSize(icon), (Size{kIconSize, kIconSize}));
    EXPECT_EQ(IconFromHandle(icon)->ImageFor(kSmallIconSize, kSmallIconSize).width, kSmallIconSize);
    EXPECT_TRUE(DestroyIcon(icon));  // shared: stays
    EXPECT_NE(IconFromHandle(icon), nullptr);
  }
  EXPECT_EQ(LoadIcon(nullptr, 32517), IconHandle::None);
  EXPECT_EQ(LoadIcon(nullptr, "QUESTION"), IconHandle::None);
}

TEST(StockIcons, ThePicturesAreTheClassicOnes) {
  IconHandle stop = LoadIcon(nullptr, IDI_HAND);
  EXPECT_EQ(Alpha(PixelOf(stop, 32, 0, 0)), 0u);          // round: the corner is clear
  EXPECT_EQ(Color(PixelOf(stop, 32, 16, 4)), RGB(255, 0, 0));   // red disc
  EXPECT_EQ(Color(PixelOf(stop, 32, 15, 15)), kWhite);         // the cross
  EXPECT_EQ(Color(PixelOf(stop, 32, 16, 30)), RGB(128, 0, 0));  // dark rim

  IconHandle warning = LoadIcon(nullptr, IDI_EXCLAMATION);
  EXPECT_EQ(Color(PixelOf(warning, 32, 8, 26)), RGB(255, 255, 0));  // yellow triangle
  EXPECT_EQ(Color(PixelOf(warning, 32, 15, 13)), RGB(0, 0, 0));     // the mark
  EXPECT_EQ(Alpha(PixelOf(warning, 32, 2, 3)), 0u);

  IconHandle question = LoadIcon(nullptr, IDI_QUESTION);
  IconHandle information = LoadIcon(nullptr, IDI_ASTERISK);
  EXPECT_EQ(Color(PixelOf(question, 32, 15, 19)), RGB(0, 0, 255));   // the dot of "?"
  EXPECT_EQ(Color(PixelOf(information, 32, 15, 5)), RGB(0, 0, 255));  // the dot of "i"
  EXPECT_EQ(Color(PixelOf(question, 32, 6, 12)), kWhite);            // the bubble
  EXPECT_EQ(Color(PixelOf(information, 32, 6, 12)), kWhite);
  EXPECT_EQ(Alpha(PixelOf(question, 32, 30, 30)), 0u);
}

TEST(StockIcons, TheProgramIconIsItsResourceOrElseTheApplicationIcon) {
  EXPECT_EQ(LoadIcon(os::ExecutableModule(), kProgramIconId), LoadIcon(nullptr, IDI_APPLICATION));
  EXPECT_EQ(LoadIcon(os::ExecutableModule(), 7), IconHandle::None);
}

TEST(DrawIcon, BlendsOverTheBackgroundAndKeepsToTheClip) {
  DeviceContext dc = CanvasContext(40, 40, {0, 0}, {0, 0, 20, 40});
  IconHandle stop = LoadIcon(nullptr, IDI_HAND);
  EXPECT_TRUE(DrawIcon(&dc, 2, 2, stop));
  EXPECT_EQ(GetPixel(&dc, 2, 2), kWhite);                // clear corner: background shows
  EXPECT_EQ(GetPixel(&dc, 18, 6), RGB(255, 0, 0));       // the disc
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(25, 18)), kWhite);  // clipped away
  EXPECT_FALSE(DrawIcon(&dc, 0, 0, IconHandle::None));
  EXPECT_FALSE(DrawIcon(nullptr, 0, 0, stop));
}

TEST(DrawIcon, SmallSizeUsesTheSmallImageAndFlagsPickTheParts) {
  std::vector<IconImage> images;
  images.push_back({2, 1, {0x00000000u, 0xFF00FF00u}});
  images.push_back({4, 2, std::vector<Pixel>(8, 0xFFFF0000u)});
  IconHandle icon = CreateIconFromImages(std::move(images));
  DeviceContext dc = CanvasContext(8, 2);
  EXPECT_TRUE(DrawIconEx(&dc, 0, 0, icon, 2, 1));
  EXPECT_EQ(GetPixel(&dc, 0, 0), kWhite);
  EXPECT_EQ(GetPixel(&dc, 1, 0), RGB(0, 255, 0));
  EXPECT_TRUE(DrawIconEx(&dc, 2, 0, icon, 2, 1, DI_IMAGE));
  EXPECT_EQ(GetPixel(&dc, 2, 0), RGB(0, 0, 0));          // the colour without its alpha
  EXPECT_TRUE(DrawIconEx(&dc, 4, 0, icon, 2, 1, DI_MASK));
  EXPECT_EQ(GetPixel(&dc, 4, 0), kWhite);
  EXPECT_EQ(GetPixel(&dc, 5, 0), RGB(0, 0, 0));
  EXPECT_TRUE(DrawIconEx(&dc, 6, 0, icon, 0, 0));          // own size: the largest image
  EXPECT_EQ(GetPixel(&dc, 7, 1), RGB(255, 0, 0));
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_EQ(CreateIconFromImages({IconImage{2, 2, {1, 2, 3}}}), IconHandle::None);  // pixels do not fit
}

TEST(Cursors, StockNumbersGiveTheirShapes) {
  EXPECT_EQ(GetCursorShape(LoadCursor(nullptr, IDC_ARROW)), CursorShape::Arrow);
  EXPECT_EQ(GetCursorShape(LoadCursor(nullptr, IDC_WAIT)), CursorShape::Wait);
  EXPECT_EQ(GetCursorShape(LoadCursor(nullptr, IDC_IBEAM)), CursorShape::IBeam);
  EXPECT_EQ(GetCursorShape(LoadCursor(nullptr, IDC_HAND)), CursorShape::Hand);
  EXPECT_EQ(GetCursorShape(LoadCursor(nullptr, IDC_SIZEWE)), CursorShape::SizeWE);
  EXPECT_EQ(GetCursorShape(LoadCursor(nullptr, IDC_APPSTARTING)), CursorShape::AppStarting);
  EXPECT_EQ(LoadCursor(nullptr, IDC_WAIT), LoadCursor(nullptr, IDC_WAIT));
  // The obsolete numbers are replaced.
  EXPECT_EQ(GetCursorId(LoadCursor(nullptr, IDC_SIZE)), IDC_SIZEALL);
  EXPECT_EQ(GetCursorId(LoadCursor(nullptr, IDC_ICON)), IDC_ARROW);
  EXPECT_EQ(LoadCursor(nullptr, 1234), CursorHandle::None);
  EXPECT_EQ(LoadCursor(os::ExecutableModule(), IDC_ARROW), CursorHandle::None);
  EXPECT_EQ(GetCursorShape(CursorHandle::None), CursorShape::None);
}

class Sounds : public PlatformTest {};

TEST_F(Sounds, EachBeepReachesTheHostWithItsSound) {
  MessageBeep(MB_ICONHAND);
  MessageBeep();
  MessageBeep(kSimpleBeep);
  EXPECT_EQ(host.Sounds(), (std::vector<uint32_t>{MB_ICONHAND, MB_OK, kSimpleBeep}));
}

TEST_F(Sounds, SetCursorShowsTheStockCursor) {
  CursorHandle wait = LoadCursor(nullptr, IDC_WAIT);
  SetCursor(wait);
  EXPECT_EQ(GetCursorShape(GetCursor()), CursorShape::Wait);
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace qor::ui::testing
