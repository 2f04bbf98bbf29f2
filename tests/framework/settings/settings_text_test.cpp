// The settings format without files: reading, edits that keep untouched bytes, quoting,
// first occurrences, line ends, and names a write refuses.
#include "framework/settings/settings_text.h"

#include <gtest/gtest.h>

namespace qor::fw {
namespace {

TEST(SettingsText, ReadsTrimmedKeysAndValuesWithOnePairOfQuotesRemoved) {
  const std::string text =
      "; comment\n"
      "# another=comment\n"
      "[Window]\n"
      "  Left =  10  \n"
      "Title=\"  spaced  \"\n"
      "Twice=\"\"quoted\"\"\n"
      "Path=C:\\x;y#z\n"
      "junk line\n"
      "[Other]\r\n"
      "Left=20\r\n";
  EXPECT_EQ(FindSetting(text, "window", "LEFT"), "10");
  EXPECT_EQ(FindSetting(text, "Window", "Title"), "  spaced  ");
  EXPECT_EQ(FindSetting(text, "Window", "Twice"), "\"quoted\"");
  EXPECT_EQ(FindSetting(text, "Window", "Path"), "C:\\x;y#z") << "comments only start a line";
  EXPECT_EQ(FindSetting(text, "Other", "left"), "20") << "CRLF lines";
  EXPECT_EQ(FindSetting(text, "Window", "# another"), std::nullopt);
  EXPECT_EQ(FindSetting(text, "Missing", "Left"), std::nullopt);
  EXPECT_EQ(FindSetting(text, "Window", "junk line"), std::nullopt);
}

TEST(SettingsText, FirstSectionAndFirstKeyWin) {
  const std::string text = "[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nj=5\n";
  EXPECT_EQ(FindSetting(text, "A", "K"), "1");
  EXPECT_EQ(FindSetting(text, "A", "J"), std::nullopt) << "a later section of the same name is not read";
  EXPECT_EQ(WithSetting(text, "a", "K", "9"), "[A]\nk=9\nk=2\n[B]\nk=3\n[a]\nk=4\nj=5\n");
}

TEST(SettingsText, ChangingAKeyKeepsItsSpellingAndEveryOtherByte) {
  const std::string text = "; top\r\n[Win]\r\n  MixedCase = old \r\n\r\nother=1\r\n";
  EXPECT_EQ(WithSetting(text, "WIN", "mixedcase", "new"), "; top\r\n[Win]\r\nMixedCase=new\r\n\r\nother=1\r\n");
}

TEST(SettingsText, NewKeyGoesAfterTheLastKeyOfItsSection) {
  const std::string text = "[A]\nx=1\n; note\ny=2\n\n; about B\n[B]\nz=3";
  EXPECT_EQ(WithSetting(text, "A", "new", "v"), "[A]\nx=1\n; note\ny=2\nnew=v\n\n; about B\n[B]\nz=3");
  EXPECT_EQ(WithSetting(text, "B", "new", "v"), "[A]\nx=1\n; note\ny=2\n\n; about B\n[B]\nz=3\nnew=v\n");
  EXPECT_EQ(WithSetting("[E]\n; empty\n", "E", "k", "v"), "[E]\nk=v\n; empty\n");
}

TEST(SettingsText, NewSectionIsAppendedAfterAnEmptyLine) {
  EXPECT_EQ(WithSetting("", "S", "k", "v"), "[S]\nk=v\n") << "no empty line at the start";
  EXPECT_EQ(WithSetting("[A]\nx=1\n", "S", "k", "v"), "[A]\nx=1\n\n[S]\nk=v\n");
  EXPECT_EQ(WithSetting("[A]\nx=1", "S", "k", "v"), "[A]\nx=1\n\n[S]\nk=v\n");
  EXPECT_EQ(WithSetting("[A]\nx=1\n\n", "S", "k", "v"), "[A]\nx=1\n\n[S]\nk=v\n");
}

TEST(SettingsText, ValuesAreQuotedWhenReadingWouldChangeThem) {
  EXPECT_EQ(WithSetting("", "S", "k", " lead"), "[S]\nk=\" lead\"\n");
  EXPECT_EQ(WithSetting("", "S", "k", "trail\t"), "[S]\nk=\"trail\t\"\n");
  EXPECT_EQ(WithSetting("", "S", "k", "\"q\""), "[S]\nk=\"\"q\"\"\n");
  EXPECT_EQ(WithSetting("", "S", "k", "a \"b\" c"), "[S]\nk=a \"b\" c\n");
  for (std::string value : {" lead", "trail\t", "\"q\"", "\"", "a=b", "x;y", "\xE9t\xE9"})
    EXPECT_EQ(FindSetting(WithSetting("", "S", "k", value), "S", "k"), value);
}

TEST(SettingsText, RemovingKeysAndSections) {
  const std::string text = "[A]\nk=1\nK = 2\nj=3\n[B]\nk=4\n[a]\nm=5\n";
  EXPECT_EQ(WithoutSetting(text, "a", "k"), "[A]\nj=3\n[B]\nk=4\n[a]\nm=5\n");
  EXPECT_EQ(WithoutSetting(text, "A", "absent"), text);
  EXPECT_EQ(WithoutSection(text, "A"), "[B]\nk=4\n");
  EXPECT_EQ(WithoutSection(text, "C"), text);
}

TEST(SettingsText, NamesAndValuesAWriteRefuses) {
  EXPECT_FALSE(IsValidSectionName(""));
  EXPECT_FALSE(IsValidSectionName("a]b"));
  EXPECT_FALSE(IsValidSectionName("a\nb"));
  EXPECT_FALSE(IsValidKeyName("a=b"));
  EXPECT_FALSE(IsValidKeyName(";k"));
  EXPECT_FALSE(IsValidKeyName("[k"));
  EXPECT_FALSE(IsValidKeyName(std::string("k\0", 2)));
  EXPECT_FALSE(IsValidValue(""));
  EXPECT_FALSE(IsValidValue("a\rb"));
  EXPECT_TRUE(IsValidSectionName("a=b"));
  EXPECT_TRUE(IsValidKeyName("k]"));
  EXPECT_TRUE(IsValidValue("=;#[]"));
}

}  // namespace
}  // namespace qor::fw
