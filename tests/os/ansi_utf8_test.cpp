// Texts between code page 1252 and UTF-8, as the desktop's clipboard and typed text need.
#include "os/ansi_utf8.h"

#include <gtest/gtest.h>

namespace qor::os {
namespace {

TEST(AnsiUtf8, EveryAnsiByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST(AnsiUtf8, TheUpperHalfBecomesItsCharacters) {
  EXPECT_EQ(AnsiToUtf8("\x80 \xE9\xFC"), "\xE2\x82\xAC \xC3\xA9\xC3\xBC");  // euro, e acute, u umlaut
  EXPECT_EQ(Utf8ToAnsi("\xE2\x80\x9C" "a" "\xE2\x80\x9D"), "\x93" "a" "\x94");  // curly quotes
}

TEST(AnsiUtf8, CharactersThePageLacksBecomeTheStandIn) {
  EXPECT_EQ(Utf8ToAnsi("x\xE2\x86\x92y"), "x?y");          // an arrow
  EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80!", '_'), "_!");   // four bytes
}

TEST(AnsiUtf8, MalformedBytesAreReplacedOneByOneAndNothingAfterThemIsLost) {
  EXPECT_EQ(Utf8ToAnsi("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToAnsi("a\xC3"), "a?");                  // cut short at the end
  EXPECT_EQ(Utf8ToAnsi("a\xE2\x82" "b"), "a?" "?" "b");  // cut short before a character
  EXPECT_EQ(Utf8ToAnsi("\xC0\xA9"), "?");                // an overlong form is refused
  EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), "?");            // a surrogate is refused
}

}  // namespace
}  // namespace qor::os
