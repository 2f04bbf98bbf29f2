#include "runtime/environment/item_list.h"

#include <gtest/gtest.h>

namespace qor::rt {
namespace {

TEST(ValueList, UnquotedCommasSeparateItemsAndBlanksStayInside) {
  std::string list = QuotedList("  one two,three");
  EXPECT_EQ(list, "\"one two\",\"three\"");
  EXPECT_EQ(ListItem(list, 0), "one two");
  EXPECT_EQ(ListItem(list, 1), "three");
  EXPECT_EQ(ListItem(list, 2), std::nullopt);
}

TEST(ValueList, CommasStayWhenTheyAreNotBoundaries) {
  EXPECT_EQ(ListItem(QuotedList("a,b", false), 0), "a,b");
}

TEST(ValueList, QuotedItemsCollapseDoubledQuotes) {
  std::string list = QuotedList("\"say \"\"hi\"\"\", x ,\"\"");
  EXPECT_EQ(ListItem(list, 0), "say \"hi\"");
  EXPECT_EQ(ListItem(list, 1), "x");
  EXPECT_EQ(ListItem(list, 2), "");
  EXPECT_EQ(ListItem(QuotedList("a\"b"), 0), "a\"b");
}

TEST(ValueList, TheQuotedFormHoldsAtMost400Characters) {
  std::string list = QuotedList(std::string(500, 'x'));
  EXPECT_EQ(list.size(), 400u);
  EXPECT_EQ(ListItem(list, 0)->size(), 399u);
}

TEST(ValueList, SingleValueStripsOnePairOfQuotes) {
  EXPECT_EQ(SingleValue("  \"a \"\"b\"\"\"  "), "a \"b\"");
  EXPECT_EQ(SingleValue(" plain "), "plain");
  EXPECT_EQ(SingleValue(std::string(300, 'y')).size(), 256u);
}

}  // namespace
}  // namespace qor::rt
