// Clearing a described record: what each kind of field becomes, what is left alone,
// and refusing memory shorter than the record.
#include "framework/descriptors/record_clearer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/descriptors/class_descriptors.h"
#include "framework/descriptors/descriptor_encoder.h"

namespace qor::fw {
namespace {

std::string Text(const std::vector<uint8_t>& memory, uint32_t offset, uint32_t size) {
  return std::string(memory.begin() + offset, memory.begin() + offset + size);
}

TEST(RecordClearer, WindowManagerBecomesZeroWithABlankPositionAndItsMethodWordKept) {
  std::vector<uint8_t> object(588, 0xAA);
  ASSERT_TRUE(ClearDescribedRecord(WindowManagerDescriptor(), object));
  EXPECT_EQ(Text(object, 0, 4), std::string(4, '\xAA'));
  EXPECT_EQ(Text(object, 46, 512), std::string(512, ' '));
  for (uint32_t i = 4; i < 588; ++i) {
    if (i < 46 || i >= 558) {
      EXPECT_EQ(object[i], 0) << "byte " << i;
    }
  }
}

TEST(RecordClearer, TerminatedAndPrefixedTextsBecomeEmpty) {
  std::vector<uint8_t> object(264, 'x');
  ASSERT_TRUE(ClearDescribedRecord(SettingsFileDescriptor(), object));
  EXPECT_EQ(Text(object, 4, 260), std::string(260, '\0'));

  EncodedDescriptor counted = EncodeGroupDescriptor({PStringField("P", 6), ShortField("S")});
  std::vector<uint8_t> record(8, 'x');
  ASSERT_TRUE(ClearDescribedRecord(counted.bytes, record));
  EXPECT_EQ(record, std::vector<uint8_t>(8, 0));
}

TEST(RecordClearer, NestedMembersAreClearedAndUndescribedBytesKept) {
  EncodedDescriptor encoded = EncodeGroupDescriptor(
      {GroupField("G", {FixedTextField("T", 3), [] { FieldSpec f = ByteField("B"); f.shift = 2; return f; }()}),
       UlongField("U")});
  ASSERT_TRUE(encoded) << encoded.error;
  std::vector<uint8_t> record(10, 'x');
  ASSERT_TRUE(ClearDescribedRecord(encoded.bytes, record));
  EXPECT_EQ(Text(record, 0, 10), std::string("   xx\0\0\0\0\0", 10));
}

TEST(RecordClearer, ShortMemoryOrABadImageTouchesNothing) {
  std::vector<uint8_t> object(587, 0xAA);
  EXPECT_FALSE(ClearDescribedRecord(WindowManagerDescriptor(), object));
  EXPECT_EQ(object, std::vector<uint8_t>(587, 0xAA));
  std::vector<uint8_t> image(WindowManagerDescriptor().begin(), WindowManagerDescriptor().end());
  image.pop_back();
  std::vector<uint8_t> full(588, 0xAA);
  EXPECT_FALSE(ClearDescribedRecord(image, full));
  EXPECT_EQ(full, std::vector<uint8_t>(588, 0xAA));
}

TEST(RecordClearer, WalkerVisitsAGroupBeforeItsMembers) {
  EncodedDescriptor encoded = EncodeGroupDescriptor({GroupField("G", {ByteField("A")}), ByteField("B")});
  DecodedDescriptor decoded = DecodeDescriptor(encoded.bytes);
  ASSERT_TRUE(decoded.record);
  std::string order;
  ForEachField(*decoded.record, [&](const DescribedField& field) { order += field.name; });
  EXPECT_EQ(order, "GAB");
}

}  // namespace
}  // namespace qor::fw
