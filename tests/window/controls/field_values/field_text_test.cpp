// The text an entry field shows for its variable, with the tester's pictures.
#include <gtest/gtest.h>

#include <cstring>

#include "runtime/values/variable_reference.h"
#include "window/controls/field_values/field_text.h"
#include "window/controls/field_values/variable_text.h"

namespace qor::win {
namespace {

TEST(FieldText, NumericPicturesLoseTheirBlanksOnBothSides) {
  uint32_t u = 4294967295u;
  EXPECT_EQ(FieldTextOf(rt::CompilePicture("n_10"), &u, rt::kTypeUlong, 4), "4294967295");
  int32_t l = -5;
  EXPECT_EQ(FieldTextOf(rt::CompilePicture("n-_11"), &l, rt::kTypeLong, 4), "-5");
  uint8_t b = 7;
  EXPECT_EQ(FieldTextOf(rt::CompilePicture("n3"), &b, rt::kTypeByte, 1), "7");
  int32_t delay = 1000;
  EXPECT_EQ(FieldTextOf(rt::CompilePicture("n-14"), &delay, rt::kTypeLong, 4), "1,000");
}

TEST(FieldText, StringPicturesKeepLeadingBlanksAndLoseTrailingOnes) {
  char hex[11];
  std::memcpy(hex, "  0FFh     ", 11);
  EXPECT_EQ(FieldTextOf(rt::CompilePicture("s11"), hex, rt::kTypeString, 11), "  0FFh");
  char sh1 = ' ';
  EXPECT_EQ(FieldTextOf(rt::CompilePicture("s1"), &sh1, rt::kTypeString, 1), "");
}

TEST(FieldText, JustificationBits) {
  EXPECT_EQ(JustificationOf(0), Justification::kLeft);
  EXPECT_EQ(JustificationOf(0x04), Justification::kLeft);
  EXPECT_EQ(JustificationOf(0x24), Justification::kLeft);  // the hexadecimal views
  EXPECT_EQ(JustificationOf(0x08), Justification::kRight);
  EXPECT_EQ(JustificationOf(0x0C), Justification::kRight);
  EXPECT_EQ(JustificationOf(0x10), Justification::kCentred);  // the SH1 entry
  EXPECT_EQ(JustificationOf(0x4810), Justification::kCentred);
}

TEST(VariableText, ValuesOfEachIntegerWidthAndSign) {
  int16_t s = -300;
  EXPECT_EQ(VariableValueText(&s, rt::kTypeShort, 2), "-300");
  uint8_t raw[3] = {0xFF, 0xFF, 0xFF};
  EXPECT_EQ(VariableValueText(raw, rt::kTypeSizedSigned, 3), "-1");
  EXPECT_EQ(VariableValueText(raw, rt::kTypeSizedUnsigned, 3), "16777215");
  char c[6] = {'a', 'b', 0, 'x', 'y', 'z'};
  EXPECT_EQ(VariableValueText(c, rt::kTypeCString, 6), "ab");
  char unterminated[3] = {'a', 'b', 'c'};
  EXPECT_EQ(VariableValueText(unterminated, rt::kTypeCString, 3), "abc");
}

TEST(VariableText, StoresKeepTheIntegerPartAndPadStrings) {
  int32_t l = 0;
  EXPECT_TRUE(StoreVariableText(&l, rt::kTypeLong, 4, "-12.9"));
  EXPECT_EQ(l, -12);
  uint32_t u = 0;
  EXPECT_TRUE(StoreVariableText(&u, rt::kTypeUlong, 4, "4294967295"));
  EXPECT_EQ(u, 4294967295u);
  char text[5];
  EXPECT_TRUE(StoreVariableText(text, rt::kTypeString, 5, "ab"));
  EXPECT_EQ(std::string(text, 5), "ab   ");
  EXPECT_TRUE(StoreVariableText(text, rt::kTypeString, 5, "abcdefg"));
  EXPECT_EQ(std::string(text, 5), "abcde");
  char cstring[4];
  EXPECT_TRUE(StoreVariableText(cstring, rt::kTypeCString, 4, "abcdef"));
  EXPECT_STREQ(cstring, "abc");
  EXPECT_FALSE(StoreVariableText(text, rt::kTypeDecimal, 5, "1"));
}

}  // namespace
}  // namespace qor::win
