// Spin box steps: limits, unlimited spins, and the clamp to the variable's type.
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/values/variable_reference.h"
#include "window/controls/field_values/spin_step.h"

namespace qor::win {
namespace {

const ValueRange kLong = TypeRangeOf(rt::kTypeLong, 4);
const ValueRange kUlong = TypeRangeOf(rt::kTypeUlong, 4);

TEST(SpinStep, AtTheHighLimitUpLeavesTheValueUnchanged) {
  SpinRange range = SpinRangeOf(1, 90, 1);
  SpinResult up = StepSpin(90, +1, range, kLong);
  EXPECT_EQ(up.value, 90);
  EXPECT_FALSE(up.changed);
  SpinResult down = StepSpin(1, -1, range, kLong);
  EXPECT_EQ(down.value, 1);
  EXPECT_FALSE(down.changed);
  EXPECT_EQ(StepSpin(89, +1, range, kLong).value, 90);
  EXPECT_TRUE(StepSpin(89, +1, range, kLong).changed);
}

TEST(SpinStep, AZeroStepIsOneAndZeroLimitsAreNone) {
  SpinRange range = SpinRangeOf(0, 0, 0);
  EXPECT_FALSE(range.limited);
  EXPECT_EQ(range.step, 1);
  EXPECT_EQ(StepSpin(-1000000, -1, range, kLong).value, -1000001);
  EXPECT_EQ(StepSpin(1000000, +1, range, kLong).value, 1000001);
}

TEST(SpinStep, CrossedLimitsLetTheLowOneWin) {
  SpinRange range = SpinRangeOf(50, 10, 1);
  EXPECT_EQ(StepSpin(30, +1, range, kLong).value, 50);
  EXPECT_EQ(StepSpin(30, -1, range, kLong).value, 50);
}

TEST(SpinStep, RegisterSpinsClampToTheirUnsignedTypeInsteadOfWrapping) {
  SpinRange range = SpinRangeOf(-9999999999.0, 9999999999.0, 1);
  SpinResult down = StepSpin(0, -1, range, kUlong);
  EXPECT_EQ(down.value, 0);
  EXPECT_FALSE(down.changed);
  SpinResult up = StepSpin(4294967295.0, +1, range, kUlong);
  EXPECT_EQ(up.value, 4294967295.0);
  EXPECT_FALSE(up.changed);
}

TEST(SpinStep, UnlimitedSpinsClampToTheirType) {
  SpinRange range = SpinRangeOf(0, 0, 1);
  EXPECT_EQ(StepSpin(2147483647.0, +1, range, kLong).value, 2147483647.0);
  EXPECT_EQ(StepSpin(-2147483648.0, -1, range, kLong).value, -2147483648.0);
  ValueRange byte = TypeRangeOf(rt::kTypeByte, 1);
  EXPECT_EQ(StepSpin(255, +1, range, byte).value, 255);
  EXPECT_EQ(StepSpin(0, -1, range, byte).value, 0);
}

TEST(SpinStep, TypeRangesOfTheIntegerTypes) {
  EXPECT_EQ(TypeRangeOf(rt::kTypeShort, 2).low, -32768);
  EXPECT_EQ(TypeRangeOf(rt::kTypeUshort, 2).high, 65535);
  EXPECT_EQ(TypeRangeOf(rt::kTypeSizedSigned, 1).low, -128);
  EXPECT_EQ(TypeRangeOf(rt::kTypeSizedUnsigned, 3).high, 16777215);
  EXPECT_TRUE(std::isinf(TypeRangeOf(rt::kTypeString, 20).high));
  EXPECT_TRUE(std::isinf(TypeRangeOf(rt::kTypeSizedSigned, 0).high));
}

}  // namespace
}  // namespace qor::win
