// Reading decimals from text and writing them as plain text.
#include "runtime/values/decimal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace qor::rt {
namespace {

std::string Read(const std::string& text) {
  Decimal d = DecimalFromText(text.data(), text.size());
  char out[kDecimalTextMax];
  return std::string(out, DecimalToText(d, out));
}

TEST(DecimalTextTest, ReadsSignPointAndExponent) {
  EXPECT_EQ(Read(" -12,5"), "-12.5");
  EXPECT_EQ(Read("1.5e2"), "150");
  EXPECT_EQ(Read("1.5E-2"), "0.015");
  EXPECT_EQ(Read("0.5e+1"), "5");
  EXPECT_EQ(Read("2e3"), "2000");
  EXPECT_EQ(Read(".25"), "0.25");
  EXPECT_EQ(Read("007.100"), "7.1");
}

TEST(DecimalTextTest, AnythingElseEndsTheNumber) {
  EXPECT_EQ(Read("abc"), "0");
  EXPECT_EQ(Read(""), "0");
  EXPECT_EQ(Read("+5"), "0");  // only "-" is a sign
  EXPECT_EQ(Read("12abc"), "12");
  EXPECT_EQ(Read("1.2.3"), "1.2");
  EXPECT_EQ(Read("- 5"), "0");
  EXPECT_EQ(Read("\t5"), "0");  // only blanks are skipped
  EXPECT_EQ(Read("-0"), "0");
  EXPECT_EQ(Read("1e"), "1");
}

TEST(DecimalTextTest, DigitsOutsideTheSixtyFourPlacesAreDropped) {
  EXPECT_EQ(Read("1" + std::string(32, '0')), "0");
  EXPECT_EQ(Read("12" + std::string(31, '0')), "2" + std::string(31, '0'));
  EXPECT_EQ(Read("0." + std::string(32, '0') + "9"), "0");
  EXPECT_EQ(Read("0." + std::string(31, '0') + "19e1"), "0.0000000000000000000000000000001");
}

TEST(DecimalTextTest, LargeExponentsNeverWrapIntoSmallOnes) {
  // 256 and 257 would wrap to 0 and 1 in a byte.
  EXPECT_EQ(Read("1e256"), "0");
  EXPECT_EQ(Read("1e257"), "0");
  EXPECT_EQ(Read("1e-257"), "0");
  EXPECT_EQ(Read("5e99999999999999999999"), "0");
  EXPECT_EQ(Read("0.00001e36"), "1" + std::string(31, '0'));
  EXPECT_EQ(Read("1e31"), "1" + std::string(31, '0'));
  EXPECT_EQ(Read("1e32"), "0");
}

TEST(DecimalTextTest, NegativeExponentsRoundAtThirtyOnePlaces) {
  EXPECT_EQ(Read("1.5e-31"), "0.0000000000000000000000000000002");
  EXPECT_EQ(Read("-1.5e-31"), "-0.0000000000000000000000000000002");
  EXPECT_EQ(Read("1.4e-31"), "0.0000000000000000000000000000001");
  EXPECT_EQ(Read("4e-32"), "0");
}

TEST(DecimalTextTest, PlainTextHasNoNeedlessZeros) {
  EXPECT_EQ(Read("-0.000"), "0");
  EXPECT_EQ(Read("100"), "100");
  EXPECT_EQ(Read("-0.5"), "-0.5");
  std::string longest = "-" + std::string(32, '9') + "." + std::string(32, '9');
  EXPECT_EQ(Read(longest), longest);
  EXPECT_EQ(longest.size(), kDecimalTextMax);
}

}  // namespace
}  // namespace qor::rt
