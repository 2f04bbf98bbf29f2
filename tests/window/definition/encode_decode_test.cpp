#include <gtest/gtest.h>

#include <cstring>

#include "sample_definition.h"
#include "window/definition/decode.h"
#include "window/definition/encode.h"
#include "window/definition/layout.h"

namespace qor::win {
namespace {

using testing::BodyOf;
using testing::BufferOf;
using testing::Control;
using testing::SampleDefinition;

TEST(DefinitionImage, EncodedDefinitionDecodesToTheSameRecords) {
  WindowDefinition sample = SampleDefinition();
  std::vector<uint8_t> resource = EncodeDefinition(sample);
  auto buffer = DefinitionBuffer::FromResource(resource, "module$PROC");
  ASSERT_TRUE(buffer.has_value());
  EXPECT_EQ(DecodeWindows(*buffer), sample.windows);
  EXPECT_EQ(WindowLabels(*buffer), (std::vector<std::string>{"P1$WINDOW", "$SECOND"}));
}

TEST(DefinitionImage, ResourceIsQualifiedNameNulThenBody) {
  WindowDefinition sample = SampleDefinition();
  std::vector<uint8_t> resource = EncodeDefinition(sample);
  std::vector<uint8_t> body = BodyOf(sample);
  ASSERT_EQ(resource.size(), 12 + body.size());
  EXPECT_EQ(std::memcmp(resource.data(), "module$PROC", 12), 0);  // with its NUL
  EXPECT_TRUE(std::equal(body.begin(), body.end(), resource.begin() + 12));
  EXPECT_FALSE(DefinitionBuffer::FromResource(resource, "module$proc").has_value());
  EXPECT_FALSE(DefinitionBuffer::FromResource(resource, "other$PROC").has_value());
}

TEST(DefinitionImage, WindowRecordFieldsSitAtTheirOffsets) {
  WindowDefinition sample = SampleDefinition();
  DefinitionBuffer buffer = BufferOf(BodyOf(sample));
  EXPECT_EQ(buffer.U8(0), 0);
  uint32_t w = buffer.FirstRecord();
  ASSERT_NE(w, 0u);
  EXPECT_EQ(buffer.U8(w), 25);
  EXPECT_EQ(buffer.U32(w + 5), 0x800u);
  EXPECT_EQ(buffer.U32(w + 9), 0u);
  EXPECT_EQ(buffer.U32(w + 13), 0x80000000u);
  EXPECT_EQ(buffer.U32(w + 17), 0x80000000u);
  EXPECT_EQ(buffer.S32(w + 21), 531);
  EXPECT_EQ(buffer.S32(w + 25), 295);
  EXPECT_EQ(buffer.String(buffer.U32(w + 33)), "P1$WINDOW");
  uint32_t font = buffer.U32(w + 37);
  EXPECT_EQ(buffer.String(buffer.U32(font)), "Arial");
  EXPECT_EQ(buffer.S32(font + 4), 8);
  EXPECT_EQ(buffer.U32(font + 8), 0xFFFFFFFFu);
  EXPECT_EQ(buffer.U32(font + 12), 0xFFFFFFFFu);
  EXPECT_EQ(buffer.String(buffer.U32(w + 41)), "A title");
  EXPECT_EQ(buffer.String(buffer.U32(w + 57)), "APP.ICO");
  uint32_t item = buffer.U32(w + 77);
  EXPECT_EQ(buffer.U32(item), 1u);
  EXPECT_EQ(buffer.U32(buffer.U32(item + 4)), 2u);
  EXPECT_EQ(buffer.U32(buffer.U32(item + 4) + 4), 0u);
  EXPECT_EQ(buffer.U32(w + 81), 0x3040u);
  EXPECT_EQ(buffer.U32(w + 89), 500u);
  EXPECT_EQ(buffer.U32(w + 93), 0u);
  EXPECT_EQ(buffer.String(buffer.U32(w + 101)), "WAIT");
  EXPECT_EQ(buffer.U32(w + 105), 0u);
  EXPECT_EQ(buffer.U8(w + 114), 0);
  EXPECT_EQ(buffer.U8(w + 115), 0);
  uint32_t second = buffer.U32(w + 1);
  EXPECT_EQ(buffer.String(buffer.U32(second + 33)), "$SECOND");
  EXPECT_EQ(buffer.U32(second + 1), 0u);
}

// The n-th control of the first window (0-based), following the sibling chain.
uint32_t NthControl(const DefinitionBuffer& buffer, int n) {
  uint32_t at = buffer.U32(buffer.FirstRecord() + 29);
  while (n-- > 0) at = buffer.U32(at + 1);
  return at;
}

TEST(DefinitionImage, TextAndButtonRecordFieldsSitAtTheirOffsets) {
  DefinitionBuffer buffer = BufferOf(BodyOf(SampleDefinition()));
  uint32_t s = NthControl(buffer, 1);
  EXPECT_EQ(buffer.U8(s), 2);
  EXPECT_EQ(buffer.S32(s + 13), 2);
  EXPECT_EQ(buffer.U32(s + 17), 0u);
  EXPECT_EQ(buffer.S32(s + 21), 2);
  EXPECT_EQ(buffer.S32(s + 25), 4);
  EXPECT_EQ(buffer.S32(s + 29), 30);
  EXPECT_EQ(buffer.S32(s + 33), 10);
  EXPECT_EQ(buffer.U32(s + 37), 0u);
  EXPECT_EQ(buffer.String(buffer.U32(s + 41)), "text 2");
  EXPECT_EQ(buffer.String(buffer.U32(buffer.U32(s + 45))), "Face 2");
  EXPECT_EQ(buffer.String(buffer.U32(s + 49)), "cursor 2");
  EXPECT_EQ(buffer.String(buffer.U32(s + 53)), "further 2");
  EXPECT_EQ(buffer.S16(s + 57), 900);

  uint32_t b = NthControl(buffer, 2);
  EXPECT_EQ(buffer.U8(b), 9);
  EXPECT_EQ(buffer.U32(b + 5), 0x4003u);
  EXPECT_EQ(buffer.String(buffer.U32(b + 37)), "alt 3");
  EXPECT_EQ(buffer.String(buffer.U32(b + 41)), "help 3");
  EXPECT_EQ(buffer.String(buffer.U32(b + 45)), "second 3");
  EXPECT_EQ(buffer.U32(b + 49), 77u);
  EXPECT_EQ(buffer.U32(buffer.U32(b + 53)), 5u);
  EXPECT_EQ(buffer.U32(buffer.U32(b + 57) + 8), 0x00123456u);
  EXPECT_EQ(buffer.S32(buffer.U32(b + 57) + 12), 700);
  EXPECT_EQ(buffer.String(buffer.U32(b + 61)), "cursor 3");
  EXPECT_EQ(buffer.String(buffer.U32(b + 65)), "further 3");
  EXPECT_EQ(buffer.String(buffer.U32(b + 69)), "text 3");
  EXPECT_EQ(buffer.String(buffer.U32(b + 73)), "QFUPROW.ICO");
  EXPECT_EQ(buffer.U32(b + 81), 0x10u);
  EXPECT_EQ(buffer.U8(b + 85), 2);
  EXPECT_EQ(buffer.U16(b + 86), 20);
  EXPECT_EQ(buffer.U16(b + 88), 10);

  uint32_t g = NthControl(buffer, 3);
  EXPECT_EQ(buffer.U8(g), 13);
  uint32_t child = buffer.U32(g + 73);
  EXPECT_EQ(buffer.U8(child), 8);
  EXPECT_EQ(buffer.S32(child + 13), 1001);
  EXPECT_EQ(buffer.S32(buffer.U32(child + 1) + 13), 1002);
}

TEST(DefinitionImage, FieldRecordsKeepTheirDescriptorJustBefore) {
  DefinitionBuffer buffer = BufferOf(BodyOf(SampleDefinition()));
  uint32_t spin = NthControl(buffer, 4);
  EXPECT_EQ(buffer.U8(spin), 16);
  EXPECT_EQ(buffer.U32(spin + 21), spin - 9);
  EXPECT_EQ(buffer.U8(spin - 9), 6);
  EXPECT_EQ(buffer.U32(spin - 8), 4u);
  EXPECT_EQ(buffer.U32(spin - 4), 0u);
  EXPECT_EQ(buffer.S32(spin + 25), 5);
  EXPECT_EQ(buffer.S32(spin + 37), 10);
  EXPECT_EQ(buffer.String(buffer.U32(spin + 41)), "alt 5");
  EXPECT_EQ(buffer.String(buffer.U32(spin + 45)), "help 5");
  EXPECT_EQ(buffer.U32(spin + 53), 77u);
  EXPECT_EQ(buffer.String(buffer.U32(spin + 73)), "n-14");
  EXPECT_EQ(buffer.U32(spin + 77), 1u);
  EXPECT_EQ(buffer.F64(spin + 82), -9999999999.0);
  EXPECT_EQ(buffer.F64(spin + 90), 9999999999.0);
  EXPECT_EQ(buffer.F64(spin + 102), 0.5);
  EXPECT_EQ(buffer.U32(spin + 110), 0u);

  uint32_t list = NthControl(buffer, 5);
  EXPECT_EQ(buffer.U8(list), 14);
  EXPECT_EQ(buffer.U8(list + 77), 1);
}

TEST(DefinitionBuffer, OffsetZeroIsTheEmptyStringAndReadsPastTheEndGiveZero) {
  DefinitionBuffer buffer = BufferOf({4, 0, 0, 0});
  EXPECT_EQ(buffer.Size(), 6u);
  EXPECT_EQ(buffer.String(0), "");
  EXPECT_EQ(buffer.String(6), "");
  EXPECT_EQ(buffer.U32(2), 4u);
  EXPECT_EQ(buffer.U32(3), 0u);   // would run past the end
  EXPECT_EQ(buffer.U8(6), 0);
  EXPECT_EQ(buffer.F64(0), 0.0);
  EXPECT_EQ(buffer.U32(0xFFFFFFFFu), 0u);
  EXPECT_TRUE(buffer.HoldsString(0));
  EXPECT_TRUE(buffer.HoldsString(2));  // "\x04", then its NUL
  EXPECT_FALSE(buffer.HoldsString(6));

  DefinitionBuffer unterminated = BufferOf({'a', 'b'});
  EXPECT_FALSE(unterminated.HoldsString(2));
  EXPECT_EQ(unterminated.String(2), "ab");  // never past the end
}

TEST(DefinitionBuffer, FindsWindowsByLabel) {
  DefinitionBuffer buffer = BufferOf(BodyOf(SampleDefinition()));
  uint32_t first = FindWindowRecord(buffer, "P1$WINDOW");
  uint32_t second = FindWindowRecord(buffer, "$SECOND");
  EXPECT_EQ(first, buffer.FirstRecord());
  EXPECT_EQ(second, buffer.U32(first + 1));
  EXPECT_EQ(FindWindowRecord(buffer, "p1$window"), 0u);
  EXPECT_EQ(FindWindowRecord(buffer, ""), 0u);
  EXPECT_EQ(DecodeWindow(buffer, second).controls.front().number, 1);
}

TEST(DefinitionNames, ResourceNameIsTheProcedurePartWithSuffix) {
  EXPECT_EQ(ResourceNameFor("kzt_asm$KZT_A001"), "KZT_A001_RSC");
  EXPECT_EQ(ResourceNameFor("QFEIP"), "QFEIP_RSC");
  EXPECT_EQ(ResourceNameFor("a$b$c"), "b$c_RSC");
  EXPECT_EQ(ResourceNameFor("mod$"), "_RSC");
}

TEST(DefinitionNames, KindsAndTheirNames) {
  EXPECT_EQ(KindName(9), "button");
  EXPECT_EQ(KindName(5), "type5");
  EXPECT_EQ(KindType("spin"), std::optional<uint8_t>(16));
  EXPECT_EQ(KindType("type5"), std::optional<uint8_t>(5));
  EXPECT_FALSE(KindType("type9").has_value());   // a button has its own name
  EXPECT_FALSE(KindType("type200").has_value());
  EXPECT_FALSE(KindType("type").has_value());
  EXPECT_FALSE(LayoutOf(0).has_value());
  EXPECT_FALSE(LayoutOf(19).has_value());
}

TEST(DefinitionImage, SparseLargeFieldNumbersSurvive) {
  WindowDefinition definition{"QFQUERY", {}};
  WindowRecord window;
  window.label = "$QUERYWINDOW";
  window.controls = {Control(layout::kTypeButton, 1001), Control(layout::kTypeButton, -5),
                     Control(layout::kTypeButton, 2147483647)};
  definition.windows.push_back(window);
  auto buffer = DefinitionBuffer::FromResource(EncodeDefinition(definition), "QFQUERY");
  ASSERT_TRUE(buffer.has_value());
  EXPECT_EQ(DecodeWindows(*buffer), definition.windows);
}

}  // namespace
}  // namespace qor::win
