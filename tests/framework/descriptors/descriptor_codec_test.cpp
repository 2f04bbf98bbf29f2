// Encoding and decoding field descriptors: capacities, offsets, overlays and nested
// groups, lists the format cannot express, and damaged images.
#include <gtest/gtest.h>

#include <vector>

#include "framework/descriptors/descriptor_decoder.h"
#include "framework/descriptors/descriptor_encoder.h"
#include "tests/framework/descriptors/descriptor_bytes.h"

namespace qor::fw {
namespace {

using test::Append;
using test::AppendName;
using test::Header;

std::vector<uint8_t> Encoded(const std::vector<FieldSpec>& fields) {
  EncodedDescriptor encoded = EncodeGroupDescriptor(fields);
  EXPECT_TRUE(encoded) << encoded.error;
  return encoded.bytes;
}

DescribedRecord Decoded(const std::vector<uint8_t>& image) {
  DecodedDescriptor decoded = DecodeDescriptor(image);
  EXPECT_TRUE(decoded.record) << decoded.error;
  return decoded.record ? *decoded.record : DescribedRecord{};
}

TEST(DescriptorCodec, TextCapacitiesTakeOneByteBelow32ElseTwo) {
  std::vector<uint8_t> image = Encoded({FixedTextField("A", 25), FixedTextField("B", 39),
                                        CStringField("C", 255), PStringField("D", 512)});
  std::vector<uint8_t> expected = Header(25 + 39 + 255 + 512, 4, 37);
  Append(expected, {0x12, 0x02, 0x19});
  AppendName(expected, "A");
  Append(expected, {0x12, 0x02, 0x20, 0x27});
  AppendName(expected, "B");
  Append(expected, {0x13, 0x02, 0x20, 0xFF});
  AppendName(expected, "C");
  Append(expected, {0x14, 0x02, 0x22, 0x00});
  AppendName(expected, "D");
  EXPECT_EQ(image, expected);

  DescribedRecord record = Decoded(image);
  ASSERT_EQ(record.fields.size(), 4u);
  EXPECT_EQ(record.fields[1].capacity, 39u);
  EXPECT_EQ(record.fields[2].capacity, 255u);
  EXPECT_EQ(record.fields[3].offset, 25u + 39 + 255);
  EXPECT_EQ(record.fields[3].capacity, 512u);
}

// The register record of the tester: U, L over it, the four bytes over both, then the
// hexadecimal and bit-string views; 54 bytes in all.
TEST(DescriptorCodec, OverlaysAndNestedGroupsPlaceFieldsOverTheFieldBefore) {
  std::vector<FieldSpec> fields{
      UlongField("V1:U"),
      Overlaying(LongField("V1:L")),
      Overlaying(GroupField("V1:BG", {ByteField("V1:B1"), ByteField("V1:B2"), ByteField("V1:B3"),
                                      ByteField("V1:B4")})),
      FixedTextField("V1:H", 11),
      FixedTextField("V1:B", 39)};
  std::vector<uint8_t> image = Encoded(fields);
  DescribedRecord record = Decoded(image);
  EXPECT_EQ(record.size, 54u);
  EXPECT_EQ(FindField(record, "V1:L")->offset, 0u);
  EXPECT_EQ(FindField(record, "V1:BG")->offset, 0u);
  EXPECT_EQ(FindField(record, "V1:BG")->size, 4u);
  EXPECT_EQ(FindField(record, "V1:B4")->offset, 3u);
  EXPECT_EQ(FindField(record, "V1:H")->offset, 4u);
  EXPECT_EQ(FindField(record, "V1:B")->offset, 15u);

  std::vector<uint8_t> overlay{0x06, 0x0A};
  AppendName(overlay, "V1:L");
  Append(overlay, {0x84});
  EXPECT_NE(std::search(image.begin(), image.end(), overlay.begin(), overlay.end()), image.end());
}

TEST(DescriptorCodec, NestedGroupEntryIsACompleteHeaderWithItsOwnLength) {
  std::vector<uint8_t> image = Encoded({GroupField("G", {ByteField("X"), UshortField("Y")})});
  std::vector<uint8_t> expected = Header(3, 1, 14 + 14 + 2 + 4 + 4);
  Append(expected, {0x16, 0x02});
  test::AppendU32(expected, 3);
  test::AppendU32(expected, 2);
  test::AppendU32(expected, 14 + 2 + 4 + 4);
  AppendName(expected, "G");
  Append(expected, {0x01, 0x02});
  AppendName(expected, "X");
  Append(expected, {0x03, 0x02});
  AppendName(expected, "Y");
  EXPECT_EQ(image, expected);
  EXPECT_EQ(FindField(Decoded(image), "Y")->offset, 1u);
}

TEST(DescriptorCodec, UnnamedFieldsCarryNoNameAndFlagsZero) {
  std::vector<uint8_t> image = Encoded({UshortField(""), PStringField("", 6)});
  std::vector<uint8_t> expected = Header(8, 2, 14 + 2 + 3);
  Append(expected, {0x03, 0x00, 0x14, 0x00, 0x06});
  EXPECT_EQ(image, expected);
  EXPECT_EQ(Decoded(image).fields[1].offset, 2u);
}

TEST(DescriptorCodec, ClassWithoutFieldsStillCountsItsMethodWord) {
  EncodedDescriptor encoded = EncodeClassDescriptor({});
  ASSERT_TRUE(encoded);
  EXPECT_EQ(encoded.bytes, Header(4, 0, 14));
}

TEST(DescriptorCodec, ListsTheFormatCannotExpressAreRefusedWithAReason) {
  const std::vector<std::vector<FieldSpec>> refused{
      {ByteField("lower")},
      {ByteField(std::string("A\0B", 3))},
      {FixedTextField("T", 0)},
      {FixedTextField("T", 8192)},
      {[] { FieldSpec f = ReferenceField("R"); f.width = 5; return f; }()},
      {[] { FieldSpec f = ByteField("S"); f.shift = 128; return f; }()},
      {Overlaying(ByteField("FIRST"))},
  };
  for (const auto& fields : refused) {
    EncodedDescriptor encoded = EncodeGroupDescriptor(fields);
    EXPECT_FALSE(encoded) << fields[0].name;
    EXPECT_TRUE(encoded.bytes.empty());
    EXPECT_FALSE(encoded.error.empty());
  }
  FieldSpec deep = ByteField("LEAF");
  for (int i = 0; i < 9; ++i) deep = GroupField("G", {deep});
  EXPECT_FALSE(EncodeGroupDescriptor({deep}));
}

TEST(DescriptorCodec, EveryTruncationOfAnImageIsRefused) {
  std::vector<uint8_t> image =
      Encoded({LongField("N"), GroupField("G", {CStringField("T", 300), ReferenceField("R")})});
  for (size_t n = 0; n < image.size(); ++n) {
    std::vector<uint8_t> cut(image.begin(), image.begin() + n);
    EXPECT_FALSE(DecodeDescriptor(cut).record) << "length " << n;
  }
}

TEST(DescriptorCodec, DamagedImagesAreRefusedWithAReason) {
  const std::vector<uint8_t> good = Encoded({ByteField("A"), ReferenceField("R")});
  auto damaged = [&](size_t at, uint8_t value) {
    std::vector<uint8_t> image = good;
    image[at] = value;
    return DecodeDescriptor(image);
  };
  EXPECT_FALSE(damaged(0, 0x17).record);   // tag
  EXPECT_FALSE(damaged(2, 1).record);      // size smaller than the fields
  EXPECT_FALSE(damaged(6, 3).record);      // more fields than entries
  EXPECT_FALSE(damaged(6, 1).record);      // fewer fields than entries
  EXPECT_FALSE(damaged(10, 0xFF).record);  // length past the image
  EXPECT_FALSE(damaged(14, 0x09).record);  // unknown type
  EXPECT_FALSE(damaged(20, 5).record);     // reference of 5 bytes
  DecodedDescriptor missingName = damaged(good.size() - 1, 'X');
  EXPECT_FALSE(missingName.record);
  EXPECT_FALSE(missingName.error.empty());
}

TEST(DescriptorCodec, OffsetsThatLeaveTheRecordAreRefused) {
  std::vector<uint8_t> image = Header(4, 1, 14 + 4);
  Append(image, {0x06, 0x08, 0x00, 0x84});  // a LONG placed 4 bytes before the start
  EXPECT_FALSE(DecodeDescriptor(image).record);
  std::vector<uint8_t> capacity = Header(0x2000, 1, 14 + 4);
  Append(capacity, {0x12, 0x00, 0x40, 0x00});  // capacity byte beyond the two-byte form
  EXPECT_FALSE(DecodeDescriptor(capacity).record);
}

// A group whose length does not even hold its own header and name: its members would
// be read from past its end, and past the image's.
TEST(DescriptorCodec, AGroupShorterThanItsOwnHeaderAndNameIsRefused) {
  std::vector<uint8_t> image = Header(4, 1, 14 + 14 + 10);
  Append(image, {0x16, 0x02});  // a named group
  test::AppendU32(image, 4);    // size
  test::AppendU32(image, 1);    // one member
  test::AppendU32(image, 14);   // length: the header alone
  AppendName(image, "GROUPNAME");
  DecodedDescriptor decoded = DecodeDescriptor(image);
  EXPECT_FALSE(decoded.record);
  EXPECT_NE(decoded.error.find("length outside"), std::string::npos) << decoded.error;
}

}  // namespace
}  // namespace qor::fw
