// Lengths, case, joining, slicing, repeating and comparing texts on the value stack.
#include "runtime/values/value_stack_edit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/heap/heap.h"
#include "runtime/locale/collation.h"
#include "tests/runtime/stack_test_support.h"

namespace qor::rt {
namespace {

using ValueStackEditTest = StacksTest;

void PushOwned(const std::string& s) {
  auto block = static_cast<char*>(HeapAllocate(s.size()));
  std::memcpy(block, s.data(), s.size());
  StrPushOwned(block, static_cast<int32_t>(s.size()));
}

TEST_F(ValueStackEditTest, SetLengthCutsOrPadsWithBlanks) {
  StrPushCString("abc");
  StrSetLength(10);
  EXPECT_EQ(TopText(), "abc       ");
  EXPECT_EQ(StrEntryAtDepth(1).kind, kValueOwned);
  StrPushCString("abcdefghijkl");
  StrSetLength(10);
  EXPECT_EQ(TopText(), "abcdefghij");
  StrSetLength(-3);
  EXPECT_EQ(TopText(), "");
}

TEST_F(ValueStackEditTest, ClipRemovesTrailingBlanksOnly) {
  StrPushCString("  a b   ");
  StrClip();
  EXPECT_EQ(TopText(), "  a b");
  StrPushCString("   ");
  StrClip();
  EXPECT_EQ(StrTopLength(), 0);
}

TEST_F(ValueStackEditTest, UpperNeverWritesIntoTheCallersText) {
  char text[] = "mixed Case 1";
  StrPushBorrowed(text, 12);
  StrUpper();
  EXPECT_EQ(TopText(), "MIXED CASE 1");
  EXPECT_STREQ(text, "mixed Case 1");
  StrPushCString("\xE4");
  StrUpper();
  EXPECT_EQ(TopText(), "\xE4");  // above 127 only when the locale pairs it
}

TEST_F(ValueStackEditTest, ConcatenateJoinsSecondAndTop) {
  StrPushCString("left ");
  PushOwned("right");
  StrConcatenate();
  EXPECT_EQ(StrCount(), 1);
  EXPECT_EQ(TopText(), "left right");
  EXPECT_EQ(StrEntryAtDepth(1).kind, kValueOwned);
  StrPushEmpty();
  StrPushEmpty();
  StrConcatenate();
  EXPECT_EQ(StrTopLength(), 0);
}

TEST_F(ValueStackEditTest, CompareTreatsTrailingBlanksAsNothing) {
  StrPushCString("abc");
  StrPushCString("abc   ");
  EXPECT_EQ(StrCompare(), 0);
  StrPushCString("abc");
  StrPushCString("abd");
  EXPECT_LT(StrCompare(), 0);
  StrPushCString("abc");
  StrPushCString("ab");
  EXPECT_GT(StrCompare(), 0);
  StrPushCString("abc");
  StrPushCString("ab");
  EXPECT_EQ(StrCompareShorter(), 0);
  StrPushCString("ab\x01");
  StrPushCString("ab");
  EXPECT_LT(StrCompare(), 0);  // the shorter counts as blanks, and 1 < blank
  EXPECT_EQ(StrCount(), 0);
}

TEST_F(ValueStackEditTest, CompareFollowsTheCollation) {
  SetCollationSequence("ba", false);  // b now sorts before a
  StrPushCString("a");
  StrPushCString("b");
  EXPECT_GT(StrCompare(), 0);
  SetCollationSequence("", false);
  StrPushCString("a");
  StrPushCString("b");
  EXPECT_LT(StrCompare(), 0);
}

TEST_F(ValueStackEditTest, SubstringCountsFromOneOrFromTheEnd) {
  StrPushCString("abcdef");
  StrSubstring(2, 3);
  EXPECT_EQ(TopText(), "bcd");
  EXPECT_EQ(StrEntryAtDepth(1).text, StrEntryAtDepth(1).buffer);
  StrPushCString("abcdef");
  StrSubstring(-2, 10);
  EXPECT_EQ(TopText(), "ef");
  StrPushCString("abcdef");
  StrSubstring(0, 2);
  EXPECT_EQ(TopText(), "ab");
  StrPushCString("abcdef");
  StrSubstring(7, 2);
  EXPECT_EQ(TopText(), "");
  StrPushCString("abcdef");
  StrSubstring(-20, 3);
  EXPECT_EQ(TopText(), "abc");
  StrPushCString("abcdef");
  StrSubstring(2, -1);
  EXPECT_EQ(TopText(), "");
}

TEST_F(ValueStackEditTest, SubstringOfAnOwnedBlockKeepsItFreeable) {
  PushOwned(std::string(30, 'x') + "tail");
  StrSubstring(31, 4);
  EXPECT_EQ(TopText(), "tail");
  EXPECT_EQ(StrEntryAtDepth(1).kind, kValueOwned);
  StrDiscard();  // frees the copy, not a pointer into the middle of a block
  const char borrowed[] = "borrowed text";
  StrPushBorrowed(borrowed, 13);
  StrSubstring(10, 4);
  EXPECT_EQ(StrEntryAtDepth(1).text, borrowed + 9);
}

TEST_F(ValueStackEditTest, RepeatFillsExactlyNBytes) {
  StrPushCString("1234567890");
  StrRepeat(90);
  std::string nine;
  for (int i = 0; i < 9; ++i) nine += "1234567890";
  EXPECT_EQ(TopText(), nine);
  StrPushCString("*");
  StrRepeat(4);
  EXPECT_EQ(TopText(), "****");
  StrPushCString("abc");
  StrRepeat(5);
  EXPECT_EQ(TopText(), "abcab");
  StrPushEmpty();
  StrRepeat(3);
  EXPECT_EQ(TopText(), "   ");
  StrPushCString("abc");
  StrRepeat(0);
  EXPECT_EQ(TopText(), "");
  StrPushCString("abc");
  StrRepeat(-5);
  EXPECT_EQ(TopText(), "");
}

}  // namespace
}  // namespace qor::rt
