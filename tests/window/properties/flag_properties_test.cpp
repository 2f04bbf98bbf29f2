// Properties kept as bits of a control's flag word.
#include <gtest/gtest.h>

#include "window/properties/flag_properties.h"
#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

int64_t Read(uint32_t flags, int32_t number) {
  int64_t value = -1;
  EXPECT_TRUE(GetFlagProperty(flags, number, value));
  return value;
}

TEST(FlagProperties, ImmediateSetsAndClearsOnlyItsBit) {
  uint32_t flags = 0x4000;  // a flat button
  EXPECT_TRUE(SetFlagProperty(flags, prop::kImmediate, 1));
  EXPECT_EQ(flags, 0x4800u);
  EXPECT_EQ(Read(flags, prop::kImmediate), 1);
  EXPECT_TRUE(SetFlagProperty(flags, prop::kImmediate, 0));
  EXPECT_EQ(flags, 0x4000u);
  EXPECT_EQ(Read(flags, prop::kImmediate), 0);
}

TEST(FlagProperties, SkipAndTheAttributeSwitches) {
  uint32_t flags = 0;
  SetFlagProperty(flags, prop::kSkip, 5);
  SetFlagProperty(flags, prop::kFlag1000, 1);
  SetFlagProperty(flags, prop::kFlag2000, 1);
  SetFlagProperty(flags, prop::kFlag1, -1);
  EXPECT_EQ(flags, 0x3021u);
}

TEST(FlagProperties, JustificationSelectsOneOfFourAndZeroLeavesIt) {
  uint32_t flags = 0x24;  // left, out of the tab order
  EXPECT_EQ(Read(flags, prop::kLeft), 1);
  SetFlagProperty(flags, prop::kCentred, 1);
  EXPECT_EQ(flags, 0x30u);
  EXPECT_EQ(Read(flags, prop::kCentred), 1);
  EXPECT_EQ(Read(flags, prop::kLeft), 0);
  SetFlagProperty(flags, prop::kRight, 0);
  EXPECT_EQ(flags, 0x30u);
  SetFlagProperty(flags, prop::kDecimal, 1);
  EXPECT_EQ(flags, 0x2Cu);
  EXPECT_EQ(Read(0, prop::kLeft), 1);  // no bit set reads as left
}

TEST(FlagProperties, OtherNumbersAreNotFlags) {
  uint32_t flags = 0;
  int64_t value = 0;
  EXPECT_FALSE(IsFlagProperty(prop::kText));
  EXPECT_FALSE(SetFlagProperty(flags, prop::kLeftOffset, 3));
  EXPECT_FALSE(GetFlagProperty(flags, prop::kRepeatDelay, value));
  EXPECT_EQ(flags, 0u);
}

}  // namespace
}  // namespace qor::win
