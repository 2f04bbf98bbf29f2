#include "runtime/pictures/picture_stack.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/locale/collation.h"
#include "runtime/locale/dates.h"
#include "runtime/locale/locale.h"
#include "runtime/values/decimal_stack.h"
#include "runtime/values/value_stack.h"
#include "runtime/values/value_stack_edit.h"

namespace qor::rt {
namespace {

std::string PopText() {
  CountedText top = StrTextAtDepth(1);
  std::string text = top.text ? std::string(top.text, static_cast<size_t>(top.length)) : std::string();
  StrDiscard();
  return text;
}

void Format(const char* picture) { StrFormat(picture, static_cast<int32_t>(std::strlen(picture))); }

TEST(PictureStack, FormatPopsTheDecimalStackAndPushesTheText) {
  DecPushText("-1234");
  Format("@n-14");
  EXPECT_EQ(DecimalStackCount(), 0);
  EXPECT_EQ(PopText(), "        -1,234");
  DecPushText("1234.5");
  Format("n10.2");
  EXPECT_EQ(PopText(), "  1,234.50");
  DecPushText("0.05");
  Format("@n6.2");
  EXPECT_EQ(PopText(), "  0.05");
  DecPushText("-0.004");
  Format("@n-6.2");
  EXPECT_EQ(PopText(), "  0.00");
  DecPushLong(83654);
  Format("@D2");
  EXPECT_EQ(PopText(), " 1/10/2030");
}

TEST(PictureStack, FormatThroughNoPicturePushesAnEmptyText) {
  DecPushLong(5);
  Format("@q");
  EXPECT_EQ(StrTopLength(), 0);
  StrDiscard();
  EXPECT_EQ(DecimalStackCount(), 0);
}

TEST(PictureStack, DigitsOfADecimalKeepAtLeastTheUnitsDigit) {
  DecPushText("0.05");
  DigitString d = DigitsOfDecimal(DecPop());
  EXPECT_EQ(d.digits, "5");
  EXPECT_EQ(d.exponent, -1);
  DecPushText("-120");
  d = DigitsOfDecimal(DecPop());
  EXPECT_EQ(d.digits, "12");
  EXPECT_EQ(d.exponent, 3);
  EXPECT_TRUE(d.negative);
}

TEST(PictureStack, DeformatPopsTheTextAndPushesTheValue) {
  const char typed[] = "  -1,234";
  StrPushBorrowed(typed, 8);
  StrDeformat("@n-14", 5);
  EXPECT_EQ(StrCount(), 1);
  EXPECT_EQ(PopText(), "-1234");
  SetCurrentYear(2026);
  StrPushBorrowed("12/31/99", 8);
  StrDeformat("@D1", 3);
  EXPECT_EQ(PopText(), std::to_string(DayNumber(1999, 12, 31)));
  ForgetCurrentYear();
}

TEST(PictureStack, TheValueStackComparesThroughTheLocale) {
  ResetLocale();
  SetDigraphs("\xDFss");
  StrPushBorrowed("Stra\xDF" "e", 6);
  StrPushBorrowed("Strasse", 7);
  EXPECT_EQ(StrCompare(), 0);
  ResetLocale();
}

}  // namespace
}  // namespace qor::rt
