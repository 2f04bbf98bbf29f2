// Clipping regions: what survives intersection and removal of rectangles.
#include <gtest/gtest.h>

#include "window/platform/draw/region.h"

namespace qor::ui {
namespace {

int Area(const Region& region) {
  int area = 0;
  for (const Rect& r : region.Rects()) area += r.Width() * r.Height();
  return area;
}

TEST(Region, HoleInTheMiddleLeavesTheFrameAroundItWithoutOverlap) {
  Region region(Rect{0, 0, 10, 10});
  region.Subtract({3, 3, 7, 7});
  EXPECT_EQ(Area(region), 100 - 16);  // pieces never overlap, so areas add up
  EXPECT_FALSE(region.Contains({3, 3}));
  EXPECT_FALSE(region.Contains({6, 6}));
  EXPECT_TRUE(region.Contains({2, 5}));
  EXPECT_TRUE(region.Contains({7, 5}));
  EXPECT_TRUE(region.Contains({5, 9}));
  EXPECT_EQ(region.Bounds(), (Rect{0, 0, 10, 10}));
}

TEST(Region, IntersectionAfterSubtractionKeepsOnlyCommonPixels) {
  Region region(Rect{0, 0, 10, 10});
  region.Subtract({0, 0, 5, 10});
  region.Intersect({3, 2, 8, 4});
  EXPECT_EQ(Area(region), 3 * 2);
  EXPECT_EQ(region.Bounds(), (Rect{5, 2, 8, 4}));
  region.Offset(10, 1);
  EXPECT_EQ(region.Bounds(), (Rect{15, 3, 18, 5}));
}

TEST(Region, EmptyRectanglesAddNothingAndTakeNothing) {
  EXPECT_TRUE(Region(Rect{5, 5, 5, 9}).IsEmpty());
  Region region(Rect{0, 0, 4, 4});
  region.Subtract({2, 2, 2, 2});
  EXPECT_EQ(Area(region), 16);
  region.Subtract({-5, -5, 50, 50});
  EXPECT_TRUE(region.IsEmpty());
  EXPECT_TRUE(region.Bounds().IsEmpty());
}

}  // namespace
}  // namespace qor::ui
