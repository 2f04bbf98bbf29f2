// Typed variable references: each kind pushes its value as text and stores a popped
// text back in its own layout.
#include "runtime/values/variable_reference.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/values/value_stack_convert.h"
#include "tests/runtime/stack_test_support.h"

namespace qor::rt {
namespace {

using VariableReferenceTest = StacksTest;

void Store(void* address, int32_t type, int32_t size, int32_t places, const char* text) {
  StrPushCString(text);
  StoreAndRelease(CreateVariableReference(address, type, size, places));
}

std::string Pushed(void* address, int32_t type, int32_t size, int32_t places = 0) {
  VariableReference* v = CreateVariableReference(address, type, size, places);
  PushVariable(v);
  ReleaseVariableReference(v);
  CountedText t = StrTextAtDepth(1);
  std::string text(t.text, static_cast<std::size_t>(t.length));
  StrDiscard();
  return text;
}

TEST_F(VariableReferenceTest, LongAsTheTesterUsesIt) {
  int32_t value = 0;
  Store(&value, kTypeLong, 4, 0, "-123.9");
  EXPECT_EQ(value, -123);
  EXPECT_EQ(Pushed(&value, kTypeLong, 4), "-123");
  EXPECT_EQ(StrCount(), 0);
}

TEST_F(VariableReferenceTest, IntegersKeepTheirWidthAndSign) {
  uint8_t byte = 0;
  Store(&byte, kTypeByte, 1, 0, "300");
  EXPECT_EQ(byte, 44);
  EXPECT_EQ(Pushed(&byte, kTypeByte, 1), "44");
  uint32_t ulong = 0;
  Store(&ulong, kTypeUlong, 4, 0, "4294967295");
  EXPECT_EQ(ulong, 4294967295u);
  EXPECT_EQ(Pushed(&ulong, kTypeUlong, 4), "4294967295");
  int16_t shortValue = 0;
  Store(&shortValue, kTypeShort, 2, 0, "-2");
  EXPECT_EQ(shortValue, -2);
  EXPECT_EQ(Pushed(&shortValue, kTypeShort, 2), "-2");
  int64_t wide = 0;
  Store(&wide, kTypeSizedSigned, 8, 0, "-9000000000");
  EXPECT_EQ(wide, -9000000000LL);
  EXPECT_EQ(Pushed(&wide, kTypeSizedSigned, 8), "-9000000000");
}

TEST_F(VariableReferenceTest, FloatingNumbers) {
  double real = 0;
  Store(&real, kTypeReal, 8, 0, "2.5");
  EXPECT_DOUBLE_EQ(real, 2.5);
  EXPECT_EQ(Pushed(&real, kTypeReal, 8), "2.5");
  float single = 0;
  Store(&single, kTypeSreal, 4, 0, "0.25");
  EXPECT_FLOAT_EQ(single, 0.25f);
  EXPECT_EQ(Pushed(&single, kTypeSreal, 4), "0.25");
}

TEST_F(VariableReferenceTest, PackedDecimalsRoundToTheirPlaces) {
  uint8_t packed[3] = {};
  Store(packed, kTypeDecimal, 5, 2, "-123.456");  // 5 digits: 3 bytes
  EXPECT_EQ(packed[0], 0xD1);
  EXPECT_EQ(packed[2], 0x46);
  EXPECT_EQ(Pushed(packed, kTypeDecimal, 5, 2), "-123.46");
  uint8_t trailing[3] = {};
  Store(trailing, kTypePdecimal, 5, 2, "9.5");
  EXPECT_EQ(Pushed(trailing, kTypePdecimal, 5, 2), "9.5");
}

TEST_F(VariableReferenceTest, StringsArePaddedOrTerminated) {
  char fixed[6];
  Store(fixed, kTypeString, 6, 0, "ab");
  EXPECT_EQ(std::string(fixed, 6), "ab    ");
  EXPECT_EQ(Pushed(fixed, kTypeString, 6), "ab    ");
  char terminated[6];
  Store(terminated, kTypeCString, 6, 0, "abcdefgh");
  EXPECT_STREQ(terminated, "abcde");
  EXPECT_EQ(Pushed(terminated, kTypeCString, 6), "abcde");
}

using VariableReferenceDeathTest = VariableReferenceTest;

TEST_F(VariableReferenceDeathTest, AnUnknownTypeCodeIsAStackError) {
  int32_t value = 0;
  for (int32_t code : {0, 12, 15, 19, 23, -1})
    EXPECT_EXIT(CreateVariableReference(&value, code, 4, 0), ::testing::ExitedWithCode(2), "String Stack Error")
        << code;
}

}  // namespace
}  // namespace qor::rt
