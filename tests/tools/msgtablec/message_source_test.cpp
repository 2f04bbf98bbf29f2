// The readable message-table source: lines, severities by name or number, quoting, and
// a clear message with the line for every mistake.
#include <gtest/gtest.h>

#include "tools/msgtablec/message_source.h"

namespace qor::tool::msgtablec {
namespace {

TEST(MessageSourceTest, ReadsEntriesInOrderWithTheirExactTexts) {
  MessageSource source = ParseMessageSource(
      "# comment\n\ntable Mine\n27 notify \"Invalid Key\" \"two  blanks \"\n"
      "8 1 \"Q\" \"Say \\\"yes\\\" or \\\\no\"\r\n300 200 \"\" \"\"\n");
  ASSERT_EQ(source.error, "");
  EXPECT_EQ(source.tableName, "Mine");
  ASSERT_EQ(source.definitions.size(), 3u);
  EXPECT_EQ(source.definitions[0], (fw::MessageDefinition{27, 5, "Invalid Key", "two  blanks "}));
  EXPECT_EQ(source.definitions[1], (fw::MessageDefinition{8, 1, "Q", "Say \"yes\" or \\no"}));
  EXPECT_EQ(source.definitions[2], (fw::MessageDefinition{300, 200, "", ""}));
}

TEST(MessageSourceTest, EveryMistakeNamesItsLine) {
  struct Case {
    const char* text;
    int line;
    const char* error;
  };
  const Case cases[] = {
      {"table T\n70000 notify \"a\" \"b\"", 2, "expected a message id from 0 to 65535, got \"70000\""},
      {"table T\n1 loud \"a\" \"b\"", 2, "expected a severity (0-255 or a name), got \"loud\""},
      {"table T\n1 5 a \"b\"", 2, "expected a text in double quotes"},
      {"table T\n1 5 \"a\" \"b", 2, "a text without its closing quote"},
      {"table T\n1 5 \"a\" \"b\" c", 2, "unexpected text after the message"},
      {"1 5 \"a\" \"b\"", 0, "the source names no table (table NAME)"},
      {"table\n", 1, "expected: table NAME"},
  };
  for (const Case& c : cases) {
    MessageSource source = ParseMessageSource(c.text);
    EXPECT_EQ(source.error, c.error) << c.text;
    EXPECT_EQ(source.errorLine, c.line) << c.text;
  }
  std::string tooLong = "table T\n1 5 \"a\" \"" + std::string(256, 'x') + "\"";
  EXPECT_EQ(ParseMessageSource(tooLong).error, "a title or text longer than 255 characters");
}

}  // namespace
}  // namespace qor::tool::msgtablec
