// The class library's descriptors, byte for byte, and where the decoder places their
// fields in the 32-bit record image.
#include "framework/descriptors/class_descriptors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/descriptors/descriptor_decoder.h"
#include "framework/descriptors/descriptor_encoder.h"
#include "tests/framework/descriptors/descriptor_bytes.h"

namespace qor::fw {
namespace {

using test::Append;
using test::AppendName;
using test::Header;

std::vector<uint8_t> Image(std::span<const uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

DescribedRecord Decoded(std::span<const uint8_t> bytes) {
  DecodedDescriptor decoded = DecodeDescriptor(bytes);
  EXPECT_TRUE(decoded.record) << decoded.error;
  return decoded.record ? *decoded.record : DescribedRecord{};
}

TEST(ClassDescriptors, SettingsFileIsOneTerminatedTextBehindTheMethodWord) {
  std::vector<uint8_t> expected = Header(264, 1, 28);
  Append(expected, {0x13, 0x0A, 0x21, 0x04});
  AppendName(expected, "FILENAME");
  Append(expected, {0x04});
  EXPECT_EQ(Image(SettingsFileDescriptor()), expected);
}

TEST(ClassDescriptors, ToolbarDispatcherHoldsItsListReference) {
  std::vector<uint8_t> expected = Header(8, 1, 23);
  Append(expected, {0x1F, 0x0A, 0x04});
  AppendName(expected, "LIST");
  Append(expected, {0x04});
  EXPECT_EQ(Image(ToolbarDispatcherDescriptor()), expected);
}

TEST(ClassDescriptors, QueueRecordsStartAtOffsetZero) {
  std::vector<uint8_t> buttons = Header(5, 2, 33);
  Append(buttons, {0x06, 0x02});
  AppendName(buttons, "CONTROL");
  Append(buttons, {0x01, 0x02});
  AppendName(buttons, "ACTION");
  EXPECT_EQ(Image(ResponseButtonDescriptor()), buttons);

  std::vector<uint8_t> targets = Header(8, 2, 27);
  Append(targets, {0x06, 0x02});
  AppendName(targets, "ID");
  Append(targets, {0x1F, 0x02, 0x04});
  AppendName(targets, "ITEM");
  EXPECT_EQ(Image(ToolbarTargetDescriptor()), targets);
}

TEST(ClassDescriptors, WindowManagerHeaderAndChosenEntries) {
  std::vector<uint8_t> image = Image(WindowManagerDescriptor());
  ASSERT_EQ(image.size(), 396u);
  EXPECT_EQ(std::vector<uint8_t>(image.begin(), image.begin() + 14), Header(588, 30, 396));

  std::vector<uint8_t> first{0x01, 0x0A};
  AppendName(first, "AUTOREFRESH");
  Append(first, {0x04});
  EXPECT_EQ(std::vector<uint8_t>(image.begin() + 14, image.begin() + 14 + first.size()), first);

  std::vector<uint8_t> position{0x12, 0x02, 0x22, 0x00};
  AppendName(position, "LASTINSERTEDPOSITION");
  EXPECT_NE(std::search(image.begin(), image.end(), position.begin(), position.end()), image.end());

  std::vector<uint8_t> last{0x1F, 0x02, 0x04};
  AppendName(last, "VCRREQUEST");
  EXPECT_EQ(std::vector<uint8_t>(image.end() - last.size(), image.end()), last);
}

TEST(ClassDescriptors, WindowManagerFieldsSitInMemoryOrderWithoutPadding) {
  DescribedRecord record = Decoded(WindowManagerDescriptor());
  const std::vector<std::pair<std::string, uint32_t>> expected{
      {"AUTOREFRESH", 4},       {"AUTOTOOLBAR", 5},     {"BROWSES", 6},        {"BUTTONS", 10},
      {"FILEDROPS", 14},        {"CANCELACTION", 18},   {"CHANGEACTION", 19},  {"DEAD", 20},
      {"DELETEACTION", 21},     {"ERRORS", 22},         {"FILES", 26},         {"FIRSTFIELD", 30},
      {"FORCEDRESET", 34},      {"RESETONGAINFOCUS", 35}, {"HISTORY", 36},     {"HISTORYKEY", 40},
      {"INITED", 44},           {"INSERTACTION", 45},   {"LASTINSERTEDPOSITION", 46},
      {"OKCONTROL", 558},       {"OPENED", 562},        {"ORIGINALREQUEST", 563}, {"PRIMARY", 564},
      {"REQUEST", 568},         {"RESIZE", 569},        {"RESPONSE", 573},     {"SAVED", 574},
      {"TOOLBAR", 576},         {"TRANSLATOR", 580},    {"VCRREQUEST", 584}};
  ASSERT_EQ(record.fields.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(record.fields[i].name, expected[i].first);
    EXPECT_EQ(record.fields[i].offset, expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(record.size, 588u);
  const DescribedField* vcr = FindField(record, "VCRREQUEST");
  ASSERT_NE(vcr, nullptr);
  EXPECT_EQ(vcr->type, FieldType::kReference);
  EXPECT_EQ(vcr->size, 4u);
}

TEST(ClassDescriptors, FileManagerFieldsWithTextReferencesOfEightBytes) {
  DescribedRecord record = Decoded(FileManagerDescriptor());
  EXPECT_EQ(record.size, 302u);
  ASSERT_EQ(record.fields.size(), 13u);
  EXPECT_EQ(FindField(record, "BUFFER")->size, 8u);
  EXPECT_EQ(FindField(record, "FILENAME")->offset, 33u);
  EXPECT_EQ(FindField(record, "FILENAME")->type, FieldType::kFixedText);
  EXPECT_EQ(FindField(record, "RECOVERVALUE")->type, FieldType::kShort);
  EXPECT_EQ(FindField(record, "KEYNUMBER")->offset, 301u);
}

TEST(ClassDescriptors, DerivedClassAppendsItsFieldsAfterTheBase) {
  std::vector<FieldSpec> fields = WindowManagerFields();
  fields.push_back(LongField("FRAME"));
  EncodedDescriptor derived = EncodeClassDescriptor(fields);
  ASSERT_TRUE(derived) << derived.error;
  DescribedRecord record = Decoded(derived.bytes);
  EXPECT_EQ(record.size, 592u);
  EXPECT_EQ(FindField(record, "FRAME")->offset, 588u);
}

}  // namespace
}  // namespace qor::fw
