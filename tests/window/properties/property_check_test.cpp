// The checks made before a handler sees a property call.
#include <gtest/gtest.h>

#include "window/properties/property_check.h"
#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

constexpr uint8_t kButton = kScopeControl | kScopeButton;

PropertyRequest Set(int32_t number, const char* value) {
  PropertyRequest request = MakePropertyRequest(67, std::to_string(number), 0);
  request.value = value;
  return request;
}

TEST(PropertyCheck, RepeatDelaySetOnAButtonIsKeptTenfoldAndShownBack) {
  CheckedProperty checked = CheckPropertySet(Set(prop::kRepeatDelay, "30"), kButton);
  ASSERT_EQ(checked.result, PropertyResult::kDone);
  EXPECT_EQ(checked.integer, 300);
  EXPECT_EQ(ShownPropertyInteger(*checked.info, checked.integer), 30);
}

TEST(PropertyCheck, EachRefusalHasItsOutcome) {
  EXPECT_EQ(CheckPropertySet(Set(0x7C50, "1"), kButton).result, PropertyResult::kUnknown);
  EXPECT_EQ(CheckPropertySet(Set(prop::kRepeatDelay, "30"), kScopeControl).result, PropertyResult::kWrongKind);
  EXPECT_EQ(CheckPropertySet(Set(prop::kTimer, "30"), kButton).result, PropertyResult::kWrongKind);
  EXPECT_EQ(CheckPropertySet(Set(prop::kType, "9"), kButton).result, PropertyResult::kWrongKind);
  EXPECT_EQ(CheckPropertySet(Set(prop::kFontColour, "red"), kButton).result, PropertyResult::kBadValue);
  EXPECT_EQ(CheckPropertyGet(Set(prop::kRecreate, ""), kButton).result, PropertyResult::kWrongKind);
  EXPECT_EQ(CheckPropertySet(Set(prop::kText, "any text"), kScopeWindow).result, PropertyResult::kDone);
}

TEST(PropertyCheck, WindowTimerIsKeptAsGiven) {
  CheckedProperty checked = CheckPropertySet(Set(prop::kTimer, "75"), kScopeWindow);
  ASSERT_EQ(checked.result, PropertyResult::kDone);
  EXPECT_EQ(checked.integer, 75);
  EXPECT_EQ(ShownPropertyInteger(*checked.info, 75), 75);
}

}  // namespace
}  // namespace qor::win
