// The decimal stack: its operations, its conversions and its limits.
#include "runtime/values/decimal_stack.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/values/decimal_convert.h"
#include "runtime/values/decimal_text.h"
#include "tests/runtime/stack_test_support.h"

namespace qor::rt {
namespace {

using DecimalStackTest = StacksTest;

std::string PopPlain() {
  char text[kDecimalTextMax];
  return std::string(text, DecimalToText(DecPop(), text));
}

TEST_F(DecimalStackTest, BinaryOperationsCombineSecondWithTop) {
  DecPushLong(10);
  DecPushLong(4);
  DecSubtract();
  EXPECT_EQ(DecimalStackCount(), 1);
  EXPECT_EQ(PopPlain(), "6");
  DecPushLong(10);
  DecPushLong(4);
  DecReverseSubtract();
  EXPECT_EQ(PopPlain(), "-6");
  DecPushLong(10);
  DecPushLong(4);
  DecDivide();
  EXPECT_EQ(PopPlain(), "2.5");
  DecPushText("1.5");
  DecPushText("-4");
  DecMultiply();
  EXPECT_EQ(PopPlain(), "-6");
  DecPushText("0.1");
  DecPushText("0.2");
  DecAdd();
  EXPECT_EQ(PopPlain(), "0.3");
}

TEST_F(DecimalStackTest, CompareTestNegateAbsolute) {
  DecPushText("9");
  DecPushText("9.0");
  EXPECT_EQ(DecCompare(), 0);
  DecPushLong(-1);
  DecPushLong(0);
  EXPECT_EQ(DecCompare(), -1);
  DecPushLong(-1);
  DecPushLong(0);
  EXPECT_EQ(DecCompareReversed(), 1);
  EXPECT_EQ(DecimalStackCount(), 0);
  DecPushText("-0");
  EXPECT_EQ(DecTest(), 0);
  DecPushText("0.00000000000000000000000000000001");
  EXPECT_EQ(DecTest(), 1);
  DecPushLong(0);
  DecNegate();
  EXPECT_EQ(PopPlain(), "0");
  DecPushLong(-5);
  DecAbsolute();
  EXPECT_EQ(PopPlain(), "5");
  DecPushLong(5);
  DecNegate();
  EXPECT_EQ(PopPlain(), "-5");
}

TEST_F(DecimalStackTest, LongAndUlongPushes) {
  DecPushLong(-2147483647 - 1);
  EXPECT_EQ(PopPlain(), "-2147483648");
  DecPushUlong(4294967295u);
  EXPECT_EQ(PopPlain(), "4294967295");
  DecPushLong(0);
  const Decimal& zero = DecimalAtDepth(1);
  EXPECT_EQ(zero.low, 32);
  EXPECT_EQ(zero.high, 32);
  EXPECT_EQ(zero.digit[32], 0);
}

TEST_F(DecimalStackTest, PopIntoLongTruncatesTowardZero) {
  DecPushText("-12.9");
  EXPECT_EQ(DecPopLong(), -12);
  DecPushText("0.999");
  EXPECT_EQ(DecPopLong(), 0);
  DecPushText("2147483647.5");
  EXPECT_EQ(DecPopLong(), 2147483647);
  DecPushText("-2147483648");
  EXPECT_EQ(DecPopLong(), -2147483647 - 1);
  DecPushText("4294967296");  // keeps the low 32 bits
  EXPECT_EQ(DecPopLong(), 0);
}

TEST_F(DecimalStackTest, RoundWorksOnTheTop) {
  DecPushText("-2.345");
  DecRound(2);
  EXPECT_EQ(PopPlain(), "-2.35");
}

TEST_F(DecimalStackTest, PackedDecimalsInBothLayouts) {
  const uint8_t negative[] = {0xD1, 0x23, 0x45};  // sign, then 12345 with 2 places
  DecPushDecimal(negative, 3, 2);
  EXPECT_EQ(PopPlain(), "-123.45");
  const uint8_t trailing[] = {0x12, 0x34, 0x5D};
  DecPushPdecimal(trailing, 3, 2);
  EXPECT_EQ(PopPlain(), "-123.45");
  const uint8_t positive[] = {0x12, 0x34, 0x5C};
  DecPushPdecimal(positive, 3, 0);
  EXPECT_EQ(PopPlain(), "12345");

  uint8_t out[3];
  DecimalToPacked(DecimalFromText("-123.456", 8), out, 3, 2);
  EXPECT_EQ(out[0], 0xD1);
  EXPECT_EQ(out[1], 0x23);
  EXPECT_EQ(out[2], 0x46);  // rounded
  DecimalToPackedTrailingSign(DecimalFromText("7.5", 3), out, 2, 1);
  EXPECT_EQ(out[0], 0x07);
  EXPECT_EQ(out[1], 0x5C);
}

TEST_F(DecimalStackTest, RealsArriveThroughTheirShortestText) {
  DecPushReal(0.1);
  EXPECT_EQ(PopPlain(), "0.1");
  DecPushReal(-2.0);
  EXPECT_EQ(PopPlain(), "-2");
  DecPushReal(1.5e20);
  EXPECT_EQ(PopPlain(), "150000000000000000000");
  DecPushReal(1.0 / 0.0);
  EXPECT_EQ(PopPlain(), "0");
}

TEST_F(DecimalStackTest, APushOnAFullStackIsIgnored) {
  for (int i = 0; i < kDecimalStackEntries + 3; ++i) DecPushLong(i);
  EXPECT_EQ(DecimalStackCount(), kDecimalStackEntries);
  EXPECT_EQ(DecPopLong(), kDecimalStackEntries - 1);
}

using DecimalStackDeathTest = DecimalStackTest;

TEST_F(DecimalStackDeathTest, PoppingTooManyEntriesIsAStackError) {
  EXPECT_EXIT(DecPop(), ::testing::ExitedWithCode(2), "String Stack Error");
  EXPECT_EXIT(DecAdd(), ::testing::ExitedWithCode(2), "String Stack Error");
  DecPushLong(1);
  EXPECT_EXIT(DecCompare(), ::testing::ExitedWithCode(2), "String Stack Error");
  EXPECT_EXIT(DecimalAtDepth(2), ::testing::ExitedWithCode(2), "String Stack Error");
}

}  // namespace
}  // namespace qor::rt
