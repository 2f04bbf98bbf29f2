// The table of property numbers, its lookup, and the repeat timing conversion.
#include <gtest/gtest.h>

#include <set>

#include "window/properties/property_numbers.h"
#include "window/properties/property_result.h"
#include "window/properties/property_table.h"
#include "window/properties/timing_values.h"

namespace qor::win {
namespace {

TEST(PropertyTable, EveryEntryIsFoundByItsOwnNumberAndNoOtherNumberFindsOne) {
  std::set<int32_t> known;
  for (const PropertyInfo& info : AllProperties()) {
    known.insert(info.number);
    ASSERT_EQ(FindProperty(info.number), &info) << std::hex << info.number;
  }
  for (int32_t number = 0x6F00; number <= 0x7E00; ++number) {
    if (known.contains(number)) continue;
    EXPECT_EQ(FindProperty(number), nullptr) << std::hex << number;
  }
  EXPECT_EQ(FindProperty(-1), nullptr);
  EXPECT_EQ(FindProperty(0x7FFFFFFF), nullptr);
}

TEST(PropertyTable, TheTestersPropertiesAreThereWithTheirAccess) {
  EXPECT_FALSE(FindProperty(prop::kType)->Settable());
  EXPECT_TRUE(FindProperty(prop::kType)->Readable());
  EXPECT_EQ(FindProperty(prop::kTimer)->scope, kScopeWindow);
  EXPECT_EQ(FindProperty(prop::kRepeatDelay)->scope, kScopeButton);
  EXPECT_EQ(FindProperty(prop::kRepeatDelay)->scaling, PropertyScaling::kTenfold);
  EXPECT_EQ(FindProperty(prop::kRepeatInterval)->scaling, PropertyScaling::kTenfold);
  EXPECT_EQ(FindProperty(prop::kText)->kind, PropertyValueKind::kText);
  EXPECT_EQ(FindProperty(prop::kFontFace)->kind, PropertyValueKind::kText);
  EXPECT_FALSE(FindProperty(prop::kRecreate)->Readable());
  EXPECT_FALSE(FindProperty(prop::kTextAgain)->Settable());
}

TEST(PropertyResult, EachResultHasItsWord) {
  EXPECT_EQ(PropertyResultName(PropertyResult::kDone), "done");
  EXPECT_EQ(PropertyResultName(PropertyResult::kNoControl), "no control");
  EXPECT_EQ(PropertyResultName(PropertyResult::kUnknown), "unknown");
  EXPECT_EQ(PropertyResultName(PropertyResult::kWrongKind), "wrong kind");
  EXPECT_EQ(PropertyResultName(PropertyResult::kBadValue), "bad value");
}

TEST(RepeatTiming, HundredthsAreKeptAsMillisecondsAndReadBack) {
  EXPECT_EQ(RepeatMillisecondsFromHundredths(30), 300);
  EXPECT_EQ(RepeatHundredthsFromMilliseconds(RepeatMillisecondsFromHundredths(30)), 30);
  EXPECT_EQ(RepeatHundredthsFromMilliseconds(RepeatMillisecondsFromHundredths(1000)), 1000);
}

TEST(RepeatTiming, NegativeOrHugeValuesGiveNoNonsenseTimer) {
  EXPECT_EQ(RepeatMillisecondsFromHundredths(0), 0);
  EXPECT_EQ(RepeatMillisecondsFromHundredths(-5), 0);
  EXPECT_EQ(RepeatMillisecondsFromHundredths(65535), 655350);
  EXPECT_EQ(RepeatMillisecondsFromHundredths(65536), 655350);
  EXPECT_EQ(RepeatMillisecondsFromHundredths(INT64_C(1) << 40), 655350);
  EXPECT_EQ(RepeatHundredthsFromMilliseconds(RepeatMillisecondsFromHundredths(-5)), 0);
}

}  // namespace
}  // namespace qor::win
