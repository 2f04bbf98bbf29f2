// Property requests: the selector trimmed and converted, the index rule, value texts.
#include <gtest/gtest.h>

#include "window/properties/property_numbers.h"
#include "window/properties/property_request.h"

namespace qor::win {
namespace {

TEST(PropertyRequest, SelectorLosesTrailingBlanksAndBecomesTheNumber) {
  PropertyRequest request = MakePropertyRequest(62, "31762   ", 0);  // 0x7C12
  EXPECT_EQ(request.control, 62);
  EXPECT_EQ(request.number, prop::kFontColour);
  EXPECT_EQ(request.selector, "31762");
  EXPECT_EQ(request.index, 0);
}

TEST(PropertyRequest, SelectorThatIsNoNumberNamesAProperty) {
  for (const char* selector : {"Caption  ", "12ab", "", "  ", "-", "99999999999"}) {
    PropertyRequest request = MakePropertyRequest(1, selector, 0);
    EXPECT_EQ(request.number, 0) << selector;
    EXPECT_FALSE(HasPropertyNumber(request)) << selector;
  }
  EXPECT_EQ(MakePropertyRequest(1, "Caption  ", 0).selector, "Caption");
}

TEST(PropertyRequest, ANameTakesItsNumberWhateverItsCaseAndBlanksAndFollowsTheIndexRule) {
  PropertyRequest request = MakePropertyRequest(1, "  fontColor  ", 0);
  EXPECT_EQ(request.number, prop::kFontColour);
  EXPECT_EQ(request.selector, "  fontColor");
  EXPECT_EQ(MakePropertyRequest(1, "TEXT", 3).number, prop::kText + 2);
  EXPECT_EQ(MakePropertyRequest(1, "PROCEDURE", 0x100).number, 0);  // folded past 0x7CFF
  EXPECT_EQ(MakePropertyRequest(1, "FONT COLOR", 0).number, 0);
  EXPECT_EQ(MakePropertyRequest(1, "TEXTS", 0).number, 0);
}

TEST(PropertyRequest, NumbersBelowTheNumberedRangeAreNamesToo) {
  PropertyRequest request = MakePropertyRequest(1, "28671", 3);  // 0x6FFF
  EXPECT_EQ(request.number, 0);
  EXPECT_EQ(request.selector, "28671");
  EXPECT_EQ(request.index, 0);
}

TEST(PropertyRequest, IndexFoldsIntoNumbersBelowTheIndexedRange) {
  EXPECT_EQ(MakePropertyRequest(1, "31744", 0).number, 0x7C00);
  EXPECT_EQ(MakePropertyRequest(1, "31744", 1).number, 0x7C00);
  EXPECT_EQ(MakePropertyRequest(1, "31744", 3).number, 0x7C02);
  EXPECT_EQ(MakePropertyRequest(1, "31744", 3).index, 0);
  EXPECT_EQ(MakePropertyRequest(1, "31744", -5).number, 0x7C00);
}

TEST(PropertyRequest, IndexCarryingANumberPastTheFoldedRangeAddressesNoProperty) {
  EXPECT_EQ(MakePropertyRequest(1, "31999", 1).number, 0x7CFF);
  EXPECT_EQ(MakePropertyRequest(1, "31999", 2).number, 0);
  EXPECT_EQ(MakePropertyRequest(1, "31744", 0x7FFFFFFF).number, 0);
}

TEST(PropertyRequest, IndexedNumbersKeepTheirNumberAndTakeAZeroBasedIndex) {
  PropertyRequest request = MakePropertyRequest(5, "32000", 4);  // 0x7D00
  EXPECT_EQ(request.number, 0x7D00);
  EXPECT_EQ(request.index, 3);
  EXPECT_EQ(MakePropertyRequest(5, "32000", 0).index, 0);
}

TEST(PropertyRequest, ValueTextsConvertToIntegersOrAreRefused) {
  int64_t value = -1;
  EXPECT_TRUE(PropertyInteger("  30  ", value));
  EXPECT_EQ(value, 30);
  EXPECT_TRUE(PropertyInteger("-7.9", value));
  EXPECT_EQ(value, -7);
  EXPECT_TRUE(PropertyInteger("", value));
  EXPECT_EQ(value, 0);
  for (const char* bad : {"abc", "12x", "1 2", "--1", "99999999999999999999", "."}) {
    EXPECT_FALSE(PropertyInteger(bad, value)) << bad;
  }
}

}  // namespace
}  // namespace qor::win
