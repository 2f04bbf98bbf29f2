// The logical resolution: points to pixels, the capabilities stored programs ask for,
// and the default font growing with a high-density setting.
#include <gtest/gtest.h>

#include <climits>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/logical_dpi.h"

namespace qor::ui::testing {
namespace {

class LogicalDpi : public ::testing::Test {
 protected:
  void TearDown() override { SetLogicalDpi(kDefaultLogicalDpi); }
};

TEST_F(LogicalDpi, PointsBecomePixelsAtNinetySixPerInchByDefault) {
  EXPECT_EQ(GetLogicalDpi(), 96);
  EXPECT_EQ(PointsToHeight(10), -13);
  EXPECT_EQ(PointsToHeight(8), -11);  // 10.67 rounds to 11
  DeviceContext dc = CanvasContext(4, 4);
  EXPECT_EQ(GetDeviceCaps(&dc, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(&dc, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(&dc, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(&dc, 9999), 0);
  EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSY), 0);
}

TEST_F(LogicalDpi, AHighDensitySettingScalesPointSizesAndTheDefaultFont) {
  DeviceContext dc = CanvasContext(4, 4);
  TextMetrics normal, dense;
  ASSERT_TRUE(GetTextMetrics(&dc, &normal));
  FontHandle madeBefore = CreateFontIndirect(LogFont{PointsToHeight(10), FW_NORMAL, false, "Arial"});
  ASSERT_TRUE(SetLogicalDpi(192));
  EXPECT_EQ(GetDeviceCaps(&dc, LOGPIXELSY), 192);
  EXPECT_EQ(PointsToHeight(10), -27);
  ASSERT_TRUE(GetTextMetrics(&dc, &dense));
  EXPECT_NEAR(dense.height, 2 * normal.height, 2);
  EXPECT_NEAR(dense.averageCharWidth, 2 * normal.averageCharWidth, 2);
  // A font made before keeps its size.
  SelectFont(&dc, madeBefore);
  TextMetrics kept;
  GetTextMetrics(&dc, &kept);
  EXPECT_EQ(kept.height, normal.height);
}

TEST_F(LogicalDpi, ValuesOutOfRangeAreRefusedAndChangeNothing) {
  ASSERT_TRUE(SetLogicalDpi(144));
  for (int bad : {0, -96, 47, 961, INT_MAX}) {
    EXPECT_FALSE(SetLogicalDpi(bad)) << bad;
    EXPECT_EQ(GetLogicalDpi(), 144);
  }
}

TEST(MulDiv, RoundsHalfAwayFromZeroAndReportsWhatCannotBeDone) {
  EXPECT_EQ(MulDiv(10, 96, 72), 13);
  EXPECT_EQ(MulDiv(-10, 96, 72), -13);
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(MulDiv(1, 1, -2), -1);
  EXPECT_EQ(MulDiv(-3, 1, -2), 2);
  EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);  // the product needs 64 bits
  EXPECT_EQ(MulDiv(5, 1, 0), -1);
  EXPECT_EQ(MulDiv(INT_MAX, 4, 1), -1);
}

}  // namespace
}  // namespace qor::ui::testing
