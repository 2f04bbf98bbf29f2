// The range rule of UpdateFields and DisplayFields.
#include <gtest/gtest.h>

#include "window/properties/field_range.h"

namespace qor::win {
namespace {

TEST(FieldRange, ZeroAndZeroMeanEveryControl) {
  FieldRange range = FieldRangeOf(0, 0);
  EXPECT_TRUE(range.all);
  EXPECT_TRUE(range.Contains(-5));
  EXPECT_TRUE(range.Contains(121));
}

TEST(FieldRange, ALastOfZeroMeansTheFirstAlone) {
  FieldRange range = FieldRangeOf(62, 0);
  EXPECT_TRUE(range.Contains(62));
  EXPECT_FALSE(range.Contains(61));
  EXPECT_FALSE(range.Contains(63));
}

TEST(FieldRange, AReversedPairIsSwapped) {
  FieldRange range = FieldRangeOf(20, 10);
  EXPECT_EQ(range.first, 10);
  EXPECT_EQ(range.last, 20);
  EXPECT_TRUE(range.Contains(15));
  EXPECT_FALSE(range.Contains(21));
}

TEST(FieldRange, AFirstOfZeroWithALastRunsFromZero) {
  FieldRange range = FieldRangeOf(0, 5);
  EXPECT_FALSE(range.all);
  EXPECT_TRUE(range.Contains(0));
  EXPECT_TRUE(range.Contains(5));
  EXPECT_FALSE(range.Contains(6));
}

}  // namespace
}  // namespace qor::win
