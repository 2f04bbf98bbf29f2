// The accept check of typed text, on the tester's pictures and variables.
#include <gtest/gtest.h>

#include "runtime/values/variable_reference.h"
#include "window/controls/field_values/accept_check.h"

namespace qor::win {
namespace {

const AcceptTarget kByte{rt::kTypeByte, 1};
const AcceptTarget kLong{rt::kTypeLong, 4};
const AcceptTarget kUlongSpin{rt::kTypeUlong, 4, true, -9999999999.0, 9999999999.0};
const AcceptTarget kDelaySpin{rt::kTypeLong, 4, true, 1, 1000};

std::string Outcome(const char* picture, std::string_view typed, const AcceptTarget& target) {
  AcceptResult result = CheckTypedText(rt::CompilePicture(picture), typed, target);
  return result.accepted ? "store " + result.value : "refuse at " + std::to_string(result.badPosition);
}

TEST(AcceptCheck, BytesTakeZeroTo255AndNothingElse) {
  EXPECT_EQ(Outcome("n3", "255", kByte), "store 255");
  EXPECT_EQ(Outcome("n3", " 7 ", kByte), "store 7");
  EXPECT_EQ(Outcome("n3", "", kByte), "store 0");
  EXPECT_EQ(Outcome("n3", "300", kByte), "refuse at 0");   // wraps no more
  EXPECT_EQ(Outcome("n3", " 1000", kByte), "refuse at 1");  // more digits than the picture
  EXPECT_EQ(Outcome("n3", "12a3", kByte), "refuse at 2");  // the "a" is not skipped
  EXPECT_EQ(Outcome("n3", "-1", kByte), "refuse at 0");    // no sign cell
  EXPECT_EQ(Outcome("n3", "1.5", kByte), "refuse at 1");   // no decimal places
}

TEST(AcceptCheck, SignedFieldsTakeASignOnce) {
  EXPECT_EQ(Outcome("n-_11", "-2147483648", kLong), "store -2147483648");
  EXPECT_EQ(Outcome("n-_11", "+5", kLong), "store 5");
  EXPECT_EQ(Outcome("n-_11", "-0", kLong), "store 0");
  EXPECT_EQ(Outcome("n-_11", "2147483648", kLong), "refuse at 0");
  EXPECT_EQ(Outcome("n-_11", "--5", kLong), "refuse at 1");
  EXPECT_EQ(Outcome("n-_11", "5,000", kLong), "refuse at 1");  // no grouping in this picture
}

TEST(AcceptCheck, GroupingOfThePictureIsAllowed) {
  EXPECT_EQ(Outcome("n-14", "1,000", kDelaySpin), "store 1000");
  EXPECT_EQ(Outcome("n-14", "1,001", kDelaySpin), "refuse at 0");  // above the spin's limit
  EXPECT_EQ(Outcome("n-14", "  0", kDelaySpin), "refuse at 2");    // below it
}

TEST(AcceptCheck, RegisterSpinsRefuseWhatTheirUnsignedVariableCannotHold) {
  EXPECT_EQ(Outcome("n_10", "4294967295", kUlongSpin), "store 4294967295");
  EXPECT_EQ(Outcome("n_10", "9999999999", kUlongSpin), "refuse at 0");
  EXPECT_EQ(Outcome("n_10", "-1", kUlongSpin), "refuse at 0");  // no sign cell
}

TEST(AcceptCheck, PlacesCurrencyAndParentheses) {
  const AcceptTarget real{rt::kTypeReal, 8};
  EXPECT_EQ(Outcome("n$10.2", "$1,234.50", real), "store 1234.50");
  EXPECT_EQ(Outcome("n$10.2", "1.505", real), "refuse at 0");  // more places than the picture
  EXPECT_EQ(Outcome("n$10.2", "1.2.3", real), "refuse at 3");
  EXPECT_EQ(Outcome("n(10.2)", "(12.5)", real), "store -12.5");
  EXPECT_EQ(Outcome("n(10.2)", "(12.5", real), "refuse at 5");
  EXPECT_EQ(Outcome("n-6v2", "12345", real), "store 123.45");
  EXPECT_EQ(Outcome("n-6v2", "1.5", real), "refuse at 1");
}

TEST(AcceptCheck, ScientificPicturesTakeAnExponent) {
  EXPECT_EQ(Outcome("e12.1", "1.5e3", kLong), "store 1500");
  EXPECT_EQ(Outcome("e12.1", "-2.5E-1", AcceptTarget{rt::kTypeReal, 8}), "store -0.25");
  EXPECT_EQ(Outcome("e12.1", "1x", kLong), "refuse at 1");
}

TEST(AcceptCheck, StringPicturesOnStringsKeepTheTextAsTyped) {
  const AcceptTarget g1{rt::kTypeString, 90};
  EXPECT_EQ(Outcome("s90", "abc 12a3 xyz", g1), "store abc 12a3 xyz");
  EXPECT_EQ(Outcome("s1", "#", AcceptTarget{rt::kTypeString, 1}), "store #");
  EXPECT_EQ(Outcome("s3", "abcdef", AcceptTarget{rt::kTypeString, 3}), "store abc");
}

TEST(AcceptCheck, StringPicturesOnNumbersReadAPlainNumber) {
  EXPECT_EQ(Outcome("s5", "42", kLong), "store 42");
  EXPECT_EQ(Outcome("s5", "4x", kLong), "refuse at 1");
}

TEST(AcceptCheck, AnInvalidPictureStillFitsNumbersToTheirLimits) {
  EXPECT_EQ(Outcome("\x02", "", kDelaySpin), "refuse at 0");
  EXPECT_EQ(Outcome("\x02", "12", kDelaySpin), "store 12");
  EXPECT_EQ(Outcome("\x02", "any text", AcceptTarget{rt::kTypeString, 10}), "store any text");
}

TEST(AcceptCheck, ALongFractionDoesNotRoundAnIntegerIntoItsLimits) {
  std::string nines = "." + std::string(70, '9');
  EXPECT_EQ(Outcome("\x02", nines, kDelaySpin), "refuse at 1");
  EXPECT_EQ(Outcome("\x02", "1" + nines, kDelaySpin), "store 1" + nines);
}

TEST(AcceptCheck, DatesAndTimesThatReadAsNoneAreRefused) {
  const AcceptTarget date{rt::kTypeLong, 4};
  EXPECT_EQ(Outcome("D1", "   ", date), "store 0");
  EXPECT_EQ(Outcome("D14", "", kDelaySpin), "refuse at 0");  // no date lies outside the limits
  EXPECT_EQ(Outcome("T1", "25:00", date), "refuse at 0");
  EXPECT_EQ(Outcome("T1", "xx", date), "refuse at 0");
  AcceptResult noon = CheckTypedText(rt::CompilePicture("T1"), "12:00", date);
  EXPECT_TRUE(noon.accepted);
  EXPECT_EQ(noon.value, "4320001");
}

}  // namespace
}  // namespace qor::win
