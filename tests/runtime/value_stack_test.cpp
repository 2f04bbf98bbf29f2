// The value stack: entry kinds, pushes and pops, and the limits of its 32 entries.
#include "runtime/values/value_stack.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/base/error_state.h"
#include "runtime/heap/heap.h"
#include "runtime/values/decimal_stack.h"
#include "runtime/values/decimal_text.h"
#include "runtime/values/value_stack_assign.h"
#include "runtime/values/value_stack_convert.h"
#include "tests/runtime/stack_test_support.h"

namespace qor::rt {
namespace {

using ValueStackTest = StacksTest;

char* OwnedCopy(const std::string& s) {
  auto block = static_cast<char*>(HeapAllocate(s.size()));
  std::memcpy(block, s.data(), s.size());
  return block;
}

TEST_F(ValueStackTest, LongTextIsInline) {
  StrPushLongText(-2147483647 - 1);
  EXPECT_EQ(TopText(), "-2147483648");
  EXPECT_EQ(StrEntryAtDepth(1).kind, kValueInline);
  EXPECT_EQ(StrEntryAtDepth(1).text, StrEntryAtDepth(1).buffer);
  StrPushLongText(0);
  EXPECT_EQ(TopText(), "0");
}

TEST_F(ValueStackTest, RealTextHasFourteenSignificantDigits) {
  StrPushRealText(2.0);
  EXPECT_EQ(TopText(), "2");
  StrPushRealText(0.1);
  EXPECT_EQ(TopText(), "0.1");
  StrPushRealText(1.0 / 3.0);
  EXPECT_EQ(TopText(), "0.33333333333333");
  StrPushRealText(-0.0);
  EXPECT_EQ(TopText(), "0");
  StrPushRealText(1e20);
  EXPECT_EQ(TopText(), "1e+20");
  // 21 characters: longer than the buffer, so it goes to the heap instead.
  StrPushRealText(-1.2345678901234e-300);
  EXPECT_EQ(TopText(), "-1.2345678901234e-300");
  EXPECT_EQ(StrEntryAtDepth(1).kind, kValueOwned);
}

TEST_F(ValueStackTest, BoolTextAndEmpty) {
  StrPushBoolText(7);
  EXPECT_EQ(TopText(), "1");
  StrPushBoolText(0);
  EXPECT_EQ(StrTopLength(), 0);
  StrPushBorrowed(nullptr, 12);
  EXPECT_EQ(StrEntryAtDepth(1).length, 0);
}

TEST_F(ValueStackTest, CStringsAreMadeSelfContained) {
  char text[] = "short";
  StrPushCString(text);
  text[0] = 'X';
  EXPECT_EQ(TopText(), "short");
  EXPECT_EQ(StrEntryAtDepth(1).kind, kValueInline);
  std::string longer(40, 'q');
  StrPushCString(longer.c_str());
  EXPECT_EQ(StrEntryAtDepth(1).kind, kValueOwned);
  EXPECT_NE(StrEntryAtDepth(1).text, longer.c_str());
  EXPECT_EQ(TopText(), longer);
}

TEST_F(ValueStackTest, TextMayHoldZeroBytes) {
  const char text[] = {'a', 0, 'b'};
  StrPushBorrowed(text, 3);
  StrMakeSelfContained();
  EXPECT_EQ(TopText(), std::string("a\0b", 3));
}

TEST_F(ValueStackTest, TheThirtyThirdPushIsIgnored) {
  for (int i = 0; i < kValueStackEntries; ++i) StrPushLongText(i);
  StrPushLongText(99);
  StrPushOwned(OwnedCopy("lost"), 4);  // freed, not leaked
  StrPushCopy("x", 1);
  StrPushCString("y");
  EXPECT_EQ(StrCount(), kValueStackEntries);
  EXPECT_EQ(TopText(), "31");
}

TEST_F(ValueStackTest, PopIntoStringPadsWithBlanks) {
  char out[5];
  StrPushCString("ab");
  StrPopIntoString(out, 5);
  EXPECT_EQ(std::string(out, 5), "ab   ");
  StrPushCString("abcdefg");
  StrPopIntoString(out, 5);
  EXPECT_EQ(std::string(out, 5), "abcde");
  EXPECT_EQ(StrCount(), 0);
}

TEST_F(ValueStackTest, PopIntoCStringKeepsRoomForTheTerminator) {
  char out[4] = {'?', '?', '?', '?'};
  StrPushCString("ab");
  StrPopIntoCString(out, 2);
  EXPECT_EQ(std::string(out), "a");
  StrPushCString("ab");
  StrPopIntoCString(out, 0);
  EXPECT_EQ(out[0], 'a');  // size 0 writes nothing
  EXPECT_EQ(StrCount(), 0);
}

TEST_F(ValueStackTest, PopIntoPStringRecordsTheLength) {
  unsigned char out[6];
  StrPushCString("abcdefgh");
  StrPopIntoPString(out, 6);
  EXPECT_EQ(out[0], 5);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out + 1), 5), "abcde");
  StrPushCString("ab");
  StrPopIntoPString(out, 6);
  EXPECT_EQ(out[0], 2);
}

TEST_F(ValueStackTest, NullTextsStandForBlankLowestAndHighest) {
  unsigned char out[3];
  StrPushNullText(0);
  StrPopIntoString(out, 3);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 3), "   ");
  StrPushNullText(-1);
  StrPopIntoString(out, 3);
  EXPECT_EQ(out[0] | out[1] | out[2], 0);
  StrPushNullText(1);
  StrPopIntoString(out, 3);
  EXPECT_EQ(out[0] & out[1] & out[2], 0xFF);

  char cs[4];
  StrPushNullText(1);
  StrPopIntoCString(cs, 4);
  EXPECT_EQ(std::string(cs), "\xFF\xFF\xFF");
  StrPushNullText(-1);
  StrPopIntoCString(cs, 4);
  EXPECT_EQ(std::string(cs), "");

  unsigned char ps[4];
  StrPushNullText(1);
  StrPopIntoPString(ps, 4);
  EXPECT_EQ(ps[0], 3);
  EXPECT_EQ(ps[3], 0xFF);
}

TEST_F(ValueStackTest, PopIntoDescriptorHandsOwnedBlocksOver) {
  char* block = OwnedCopy("owned text");
  StrPushOwned(block, 10);
  StringDescriptor d{};
  StrPopIntoDescriptor(&d);
  EXPECT_EQ(d.text, block);
  EXPECT_EQ(d.length, 10);
  HeapFree(d.text);

  StrPushCString("inline");
  StrPopIntoDescriptor(&d);
  EXPECT_EQ(std::string(d.text, 6), "inline");
  HeapFree(d.text);
  StrPushEmpty();
  StrPopIntoDescriptor(&d);
  EXPECT_EQ(d.text, nullptr);
  EXPECT_EQ(d.length, 0);
}

TEST_F(ValueStackTest, PopIntoDecimalReadsAtMostNinetyNineCharacters) {
  StrPushCString(" -12,5");
  StrPopIntoDecimal();
  char text[kDecimalTextMax];
  EXPECT_EQ(std::string(text, DecimalToText(DecPop(), text)), "-12.5");
  std::string digits = std::string(98, '0') + "12";  // the 1 is the 99th character
  StrPushBorrowed(digits.data(), static_cast<int32_t>(digits.size()));
  EXPECT_EQ(StrPopAsLong(), 1);
  StrPushCString("1.5e2");
  EXPECT_EQ(StrPopAsLong(), 150);
  StrPushCString("abc");
  EXPECT_EQ(StrPopAsLong(), 0);
}

TEST_F(ValueStackTest, PopIntoRealAndTruth) {
  StrPushCString("2.5   ");
  EXPECT_DOUBLE_EQ(StrPopIntoReal(), 2.5);
  std::string longText = "1" + std::string(45, '0');  // only 39 characters are read
  StrPushBorrowed(longText.data(), static_cast<int32_t>(longText.size()));
  EXPECT_DOUBLE_EQ(StrPopIntoReal(), 1e38);
  StrPushCString("   ");
  EXPECT_EQ(StrPopAsTruth(), 0);
  StrPushCString(" x");
  EXPECT_EQ(StrPopAsTruth(), 1);
}

TEST_F(ValueStackTest, LengthsAndDiscard) {
  StrPushCString("abc  ");
  EXPECT_EQ(StrTopLength(), 5);
  EXPECT_EQ(StrPopLength(), 5);
  StrPushOwned(OwnedCopy("free me"), 7);
  StrDiscard();
  EXPECT_EQ(StrCount(), 0);
}

TEST_F(ValueStackTest, ErrorTextIsAnOwnedEightyCharacterCopy) {
  ClearError();
  StrPushErrorText();
  EXPECT_EQ(StrEntryAtDepth(1).kind, kValueOwned);
  EXPECT_EQ(TopText(), std::string(80, ' '));
}

TEST_F(ValueStackTest, RollBringsADeeperEntryToTheTop) {
  StrPushCString("a");
  StrPushCString("b");
  StrPushCString("c");
  StrRoll(2);
  EXPECT_EQ(TopText(), "a");
  StrDiscard();
  EXPECT_EQ(TopText(), "c");
  // Inline texts follow their entries to the new slots.
  for (int depth = 1; depth <= StrCount(); ++depth)
    EXPECT_EQ(StrEntryAtDepth(depth).text, StrEntryAtDepth(depth).buffer);
  StrRoll(0);
  EXPECT_EQ(TopText(), "c");
}

using ValueStackDeathTest = ValueStackTest;

TEST_F(ValueStackDeathTest, PoppingAnEmptyStackIsAStackError) {
  char out[4];
  EXPECT_EXIT(StrDiscard(), ::testing::ExitedWithCode(2), "String Stack Error");
  EXPECT_EXIT(StrPopIntoString(out, 4), ::testing::ExitedWithCode(2), "String Stack Error");
  EXPECT_EXIT(StrTopLength(), ::testing::ExitedWithCode(2), "String Stack Error");
  StrPushCString("one");
  EXPECT_EXIT(StrRoll(1), ::testing::ExitedWithCode(2), "String Stack Error");
  EXPECT_EXIT(StrRoll(-1), ::testing::ExitedWithCode(2), "String Stack Error");
}

}  // namespace
}  // namespace qor::rt
