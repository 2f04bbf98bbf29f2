#include "runtime/locale/collation.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "runtime/environment/environment_settings.h"
#include "runtime/locale/case_tables.h"
#include "runtime/locale/locale.h"

namespace qor::rt {
namespace {

class CollationTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetLocale(); }
  void TearDown() override { ResetLocale(); }
  int Sign(std::string_view a, std::string_view b) {
    int r = CompareStrings(a, b);
    return (r > 0) - (r < 0);
  }
};

TEST_F(CollationTest, TrailingBlanksNeverMatter) {
  EXPECT_EQ(CompareStrings("abc", "abc   "), 0);
  EXPECT_EQ(CompareStrings("", "  "), 0);
  EXPECT_LT(CompareStrings("ab", "ab!"), 0);  // "!" sorts after the blank
  EXPECT_GT(CompareStrings("ab\x7f", "ab"), 0);
  EXPECT_EQ(CompareStrings("b", "a"), 1);
}

TEST_F(CollationTest, ASequenceReordersOnlyTheCharactersItLists) {
  ApplyCollationSequence(CurrentLocale().ansiCollation, "zyx");
  const CollationTable& t = CurrentLocale().ansiCollation;
  EXPECT_EQ(t['z'], 'x');
  EXPECT_EQ(t['y'], 'y');
  EXPECT_EQ(t['x'], 'z');
  EXPECT_EQ(t['a'], 'a');
  EXPECT_LT(CompareStrings("z", "x"), 0);
}

TEST_F(CollationTest, A222CharacterSequenceIsACompleteOrder) {
  std::string order;
  for (int c = 254; c >= 33; --c) order += static_cast<char>(c);
  ASSERT_EQ(order.size(), 222u);
  ApplyCollationSequence(CurrentLocale().ansiCollation, order);
  const CollationTable& t = CurrentLocale().ansiCollation;
  EXPECT_EQ(t[254], 32);
  EXPECT_EQ(t[160], 126);
  EXPECT_EQ(t[159], 128);
  EXPECT_EQ(t[33], 254);
}

TEST_F(CollationTest, TheSequenceGoesToBothCharacterSets) {
  SetCollationSequence("\xE4\x61", false);  // a-umlaut before a
  EXPECT_LT(CurrentLocale().ansiCollation[0xE4], CurrentLocale().ansiCollation['a']);
  EXPECT_LT(CurrentLocale().oemCollation[0x84], CurrentLocale().oemCollation['a']);
  SetCollationSequence("", false);
  EXPECT_EQ(CurrentLocale().oemCollation[0x84], 0x84);
}

TEST_F(CollationTest, DigraphsSortAsTheirTwoLetters) {
  SetDigraphs("\xDFss");  // sharp s sorts as "ss"
  EXPECT_LT(Sign("Stra\xDF" "e", "Strasse"), 1);
  EXPECT_EQ(CompareStrings("Stra\xDF" "e", "Strasse"), 0);
  EXPECT_LT(CompareStrings("Stra\xDF" "e", "Strast"), 0);
  EXPECT_GT(CompareStrings("Stra\xDF" "e", "Strasa"), 0);
  EXPECT_GT(CompareStrings("\xDF", "s"), 0);
}

TEST_F(CollationTest, AtMostSixteenDigraphs) {
  SetDigraphs(std::string(20 * 3, 'a'));
  EXPECT_EQ(CurrentLocale().digraphs.size(), 16u);
}

TEST_F(CollationTest, CaseDefaultsCoverAsciiOnly) {
  EXPECT_EQ(UpperChar('a'), 'A');
  EXPECT_EQ(LowerChar('Q'), 'q');
  EXPECT_EQ(UpperChar(0xE9), 0xE9);
  EXPECT_EQ(UpperChar('1'), '1');
  EXPECT_TRUE(IsAlphaChar('z'));
  EXPECT_FALSE(IsAlphaChar('5'));
  EXPECT_TRUE(IsUpperChar('Z'));
  EXPECT_EQ(UpperText("abc1\xE9"), "ABC1\xE9");
}

TEST_F(CollationTest, WindowsCaseAndCollationFollowAUnicodeLocale) {
  setenv("LC_ALL", "C.UTF-8", 1);
  ApplyPlatformEnvironment({});
  unsetenv("LC_ALL");
  EXPECT_EQ(UpperChar(0xE9), 0xC9);  // e acute
  EXPECT_EQ(LowerChar(0xC0), 0xE0);
  EXPECT_EQ(UpperChar(0x9A), 0x8A);  // s caron, both in the upper half
  EXPECT_EQ(UpperChar(0xFF), 0x9F);  // y diaeresis
  EXPECT_EQ(UpperChar(0xB5), 0xB5);  // micro sign has no partner in the set
  // Code point order moves the euro sign (U+20AC) after every Latin-1 character.
  EXPECT_GT(CurrentLocale().ansiCollation[0x80], CurrentLocale().ansiCollation[0xFE]);
  EXPECT_LT(CompareStrings("a", "b"), 0);
}

}  // namespace
}  // namespace qor::rt
