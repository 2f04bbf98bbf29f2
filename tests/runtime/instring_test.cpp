// INSTRING on its three paths, checked against a plain stepped scan.
#include "runtime/builtins/instring.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/runtime/stack_test_support.h"

namespace qor::rt {
namespace {

int32_t Find(const std::string& sub, const std::string& s, int32_t step, int32_t start) {
  return InString(sub.data(), static_cast<int32_t>(sub.size()), s.data(), static_cast<int32_t>(s.size()), step,
                  start);
}

// The definition, written out with no shortcut.
int32_t Reference(const std::string& sub, const std::string& s, int32_t step, int32_t start) {
  if (sub.empty() || start < 1 || step < 0) return 0;
  if (step == 0) step = static_cast<int32_t>(sub.size());
  for (std::size_t p = static_cast<std::size_t>(start); p + sub.size() - 1 <= s.size(); p += step)
    if (s.compare(p - 1, sub.size(), sub) == 0) return static_cast<int32_t>((p - 1) / step + 1);
  return 0;
}

TEST(InStringTest, CountsStepsFromTheBeginning) {
  EXPECT_EQ(Find("b", "abcabc", 1, 3), 5);
  EXPECT_EQ(Find("abc", "xyzabc", 3, 1), 2);
  EXPECT_EQ(Find("abc", "xyzabc", 0, 1), 2);  // step 0 = the substring's length
  EXPECT_EQ(Find("bc", "abcabc", 1, 1), 2);
  EXPECT_EQ(Find("ca", "abcabc", 2, 1), 2);   // position 3 is step 2 of 1, 3, 5
  EXPECT_EQ(Find("ca", "abcabc", 2, 2), 0);   // off the steps 2, 4
  EXPECT_EQ(Find("bc", "abcabc", 3, 2), 1);   // position 2, within step 1
  EXPECT_EQ(Find("bc", "abcabc", 3, 5), 2);
}

TEST(InStringTest, NothingToFindGivesZero) {
  EXPECT_EQ(Find("", "abc", 1, 1), 0);
  EXPECT_EQ(Find("a", "abc", 1, 0), 0);
  EXPECT_EQ(Find("a", "abc", 1, -4), 0);
  EXPECT_EQ(Find("a", "abc", 1, 4), 0);
  EXPECT_EQ(Find("abcd", "abc", 1, 1), 0);
  EXPECT_EQ(Find("c", "abc", 1, 2147483647), 0);
  EXPECT_EQ(Find("a", "abc", -1, 1), 0);  // a backward step would never end
}

TEST(InStringTest, ComparesBytesWithoutCollation) {
  EXPECT_EQ(Find("A", "abcA", 1, 1), 4);
  EXPECT_EQ(Find(std::string("\0x", 2), std::string("ab\0x", 4), 1, 1), 3);
}

TEST(InStringTest, LongTextsAgreeWithTheScan) {
  std::mt19937 random(3);
  auto text = [&](std::size_t n, char top) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>(std::uniform_int_distribution<int>('a', top)(random));
    return s;
  };
  for (int i = 0; i < 400; ++i) {
    std::string s = text(257 + random() % 800, i % 2 ? 'b' : 'd');
    std::size_t length = 1 + random() % (i % 5 == 0 ? 300 : 8);
    std::size_t at = random() % s.size();
    std::string sub = s.substr(at, length);
    if (i % 7 == 0) sub = text(length, 'd');
    int32_t step = static_cast<int32_t>(i % 3 == 0 ? random() % 4 : 1);
    int32_t start = static_cast<int32_t>(1 + random() % s.size());
    SCOPED_TRACE(i);
    EXPECT_EQ(Find(sub, s, step, start), Reference(sub, s, step, start));
  }
}

TEST(InStringTest, LongSubstringsShiftSafely) {
  // A substring longer than the shift table's 255 characters, whose first letter
  // occurs nowhere in its last 255.
  std::string sub = "z" + std::string(300, 'a');
  std::string s = std::string(500, 'a') + sub + std::string(10, 'a');
  EXPECT_EQ(Find(sub, s, 1, 1), 501);
  EXPECT_EQ(Find(sub, s, 1, 502), 0);
}

using InStringStackTest = StacksTest;

TEST_F(InStringStackTest, PopsStringAndSubstring) {
  StrPushCString("abcabc");
  StrPushCString("b");
  EXPECT_EQ(StrInString(1, 3), 5);
  EXPECT_EQ(StrCount(), 0);
}

}  // namespace
}  // namespace qor::rt
