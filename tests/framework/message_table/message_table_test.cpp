// The packed message-table format: exact bytes, and tables whose count or lengths run
// past their end give the whole entries and never read further.
#include <gtest/gtest.h>

#include "framework/message_table/message_table.h"

namespace qor::fw {
namespace {

TEST(MessageTableTest, PacksCountIdSeverityAndLengthPrefixedTexts) {
  std::vector<MessageDefinition> table = {{0x1234, 5, "Ti", "Abc"}, {2, 1, "", "x"}};
  std::vector<uint8_t> expected = {2, 0, 0x34, 0x12, 5, 2, 'T', 'i', 3, 'A', 'b', 'c', 2, 0, 1, 0, 1, 'x'};
  EXPECT_EQ(PackMessageTable(table), expected);
  EXPECT_EQ(UnpackMessageTable(expected), table);
  EXPECT_EQ(PackMessageTable({{1, 5, std::string(256, 't'), ""}}), std::nullopt);
  EXPECT_EQ(PackMessageTable({{1, 5, "", std::string(255, 't')}})->size(), 2u + 5 + 255);
}

TEST(MessageTableTest, ACutTableGivesItsWholeEntriesOnly) {
  std::vector<uint8_t> bytes = *PackMessageTable({{1, 5, "One", "First"}, {2, 5, "Two", "Second"}});
  bytes[0] = 9;  // the count promises more than there is
  EXPECT_EQ(UnpackMessageTable(bytes).size(), 2u);
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    std::vector<uint8_t> shorter(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    size_t whole = cut >= 2 + 5 + 3 + 5 ? 1 : 0;
    EXPECT_EQ(UnpackMessageTable(shorter).size(), whole) << cut;
  }
  std::vector<uint8_t> longText = {1, 0, 7, 0, 5, 0, 200, 'a', 'b'};  // a length past the end
  EXPECT_TRUE(UnpackMessageTable(longText).empty());
}

}  // namespace
}  // namespace qor::fw
