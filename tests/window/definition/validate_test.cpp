// Malformed images: each is rejected by the validation, and so by the loader, without a
// read outside the buffer (the sanitizer builds check that part).
#include <gtest/gtest.h>

#include "sample_definition.h"
#include "window/definition/decode.h"
#include "window/definition/encode.h"
#include "window/definition/layout.h"
#include "window/definition/validate.h"

namespace qor::win {
namespace {

using testing::BodyOf;
using testing::BufferOf;
using testing::Control;
using testing::PutU32;
using testing::SampleDefinition;
using testing::Valid;

class MalformedImage : public ::testing::Test {
 protected:
  void SetUp() override {
    body_ = BodyOf(SampleDefinition());
    DefinitionBuffer buffer = BufferOf(body_);
    size_ = buffer.Size();
    window_ = buffer.FirstRecord();
    for (const ControlRecord& control : DecodeWindow(buffer, window_).controls) controls_.push_back(control.offset.value);
    group_ = controls_[3];
    firstChild_ = buffer.U32(group_ + layout::button::kFirstChild);
  }

  std::vector<uint8_t> body_;
  uint32_t size_ = 0;
  uint32_t window_ = 0;
  std::vector<uint32_t> controls_;
  uint32_t group_ = 0;
  uint32_t firstChild_ = 0;
};

TEST_F(MalformedImage, WellFormedImagePasses) {
  EXPECT_TRUE(Valid(body_));
  EXPECT_TRUE(Valid({0, 0, 0, 0}));  // no window at all is well formed, and finds nothing
}

TEST_F(MalformedImage, BodyTooShortForItsHeader) {
  EXPECT_FALSE(Valid({}));
  EXPECT_FALSE(Valid({0, 0, 0}));
}

TEST_F(MalformedImage, OffsetOutsideTheBuffer) {
  for (uint32_t bad : {size_, size_ + 100, 0xFFFFFFF0u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(bad);
    auto body = body_;
    PutU32(body, layout::kFirstRecordField, bad);
    EXPECT_FALSE(Valid(body));
    body = body_;
    PutU32(body, controls_[2] + layout::kNext, bad);
    EXPECT_FALSE(Valid(body));
    body = body_;
    PutU32(body, window_ + layout::window::kTitle, bad);
    EXPECT_FALSE(Valid(body));
    body = body_;
    PutU32(body, controls_[2] + layout::button::kFont, bad);
    EXPECT_FALSE(Valid(body));
    body = body_;
    PutU32(body, controls_[2] + layout::button::kEntries, bad);
    EXPECT_FALSE(Valid(body));
    body = body_;
    PutU32(body, controls_[4] + layout::field::kUse, bad);
    EXPECT_FALSE(Valid(body));
    body = body_;
    PutU32(body, window_ + layout::window::kMenu, bad);
    EXPECT_FALSE(Valid(body));
  }
}

TEST_F(MalformedImage, RecordRunsPastTheEnd) {
  // A sibling that starts inside the buffer but is cut off by its end.
  auto body = body_;
  PutU32(body, controls_[2] + layout::kNext, size_ - 20);
  body[size_ - 20 - layout::kBodyStart] = layout::kTypePrompt;
  EXPECT_FALSE(Valid(body));
  // The whole image cut short inside its last record's strings and entries.
  body = body_;
  body.resize(body.size() / 2);
  EXPECT_FALSE(Valid(body));
  // A font record and a descriptor whose last bytes lie past the end.
  body = body_;
  PutU32(body, controls_[0] + layout::text::kFont, size_ - 8);
  EXPECT_FALSE(Valid(body));
  body = body_;
  PutU32(body, controls_[4] + layout::field::kUse, size_ - 5);
  EXPECT_FALSE(Valid(body));
}

TEST_F(MalformedImage, NextChainThatLoops) {
  auto body = body_;
  PutU32(body, controls_.back() + layout::kNext, controls_[1]);  // back into the control list
  EXPECT_FALSE(Valid(body));
  body = body_;
  PutU32(body, controls_[2] + layout::kNext, controls_[2]);  // onto itself
  EXPECT_FALSE(Valid(body));
  body = body_;
  PutU32(body, window_ + layout::kNext, window_);  // the top-level list
  EXPECT_FALSE(Valid(body));
  body = body_;
  PutU32(body, firstChild_ + layout::kNext, group_);  // a child leading back to its group
  EXPECT_FALSE(Valid(body));
  body = body_;
  PutU32(body, firstChild_ + layout::kNext, controls_[5]);  // a record in two lists
  EXPECT_FALSE(Valid(body));
}

TEST_F(MalformedImage, SmallEntryListThatLoops) {
  DefinitionBuffer buffer = BufferOf(body_);
  uint32_t first = buffer.U32(window_ + layout::window::kEntries);
  auto body = body_;
  PutU32(body, buffer.U32(first + layout::entry::kNext) + layout::entry::kNext, first);
  EXPECT_FALSE(Valid(body));
}

TEST_F(MalformedImage, StringWithoutItsNul) {
  // The last bytes of the body are a string; its NUL is the last byte.
  ASSERT_EQ(body_.back(), 0);
  auto body = body_;
  body.back() = 'x';
  EXPECT_FALSE(Valid(body));
}

TEST_F(MalformedImage, RecordOfTheWrongKindInItsPlace) {
  auto body = body_;
  body[controls_[0] - layout::kBodyStart] = 200;  // no such type
  EXPECT_FALSE(Valid(body));
  body = body_;
  body[controls_[0] - layout::kBodyStart] = layout::kTypeWindow;  // a window among controls
  EXPECT_FALSE(Valid(body));
  body = body_;
  PutU32(body, layout::kFirstRecordField, controls_[0]);  // a control at the top level
  EXPECT_FALSE(Valid(body));
  body = body_;
  PutU32(body, controls_[4] + layout::field::kUse, 0);  // a field without its descriptor
  EXPECT_FALSE(Valid(body));
}

TEST_F(MalformedImage, ChangedKindMustStillFit) {
  // A prompt turned into a spin box is longer than the record it was: the last control
  // of a short image then runs past the end.
  WindowDefinition definition{"x", {}};
  WindowRecord window;
  window.controls = {Control(layout::kTypePrompt, 1)};
  definition.windows.push_back(window);
  std::vector<uint8_t> body = BodyOf(definition);
  DefinitionBuffer buffer = BufferOf(body);
  uint32_t prompt = buffer.U32(buffer.FirstRecord() + layout::window::kFirstControl);
  ASSERT_TRUE(Valid(body));
  body[prompt - layout::kBodyStart] = layout::kTypeSpin;
  EXPECT_FALSE(Valid(body));
}

WindowDefinition NestedGroups(int depth) {
  ControlRecord inner = Control(layout::kTypeButton, 1);
  for (int level = 0; level < depth; ++level) {
    ControlRecord group = Control(layout::kTypeGroup, level + 2);
    group.children = {inner};
    inner = group;
  }
  WindowRecord window;
  window.controls = {inner};
  return {"x", {window}};
}

TEST(GroupNesting, ThirtyOneLevelsAreTakenDeeperIsRejected) {
  EXPECT_TRUE(Valid(BodyOf(NestedGroups(31))));
  EXPECT_FALSE(Valid(BodyOf(NestedGroups(32))));
}

TEST(OtherKinds, KnownTypesWithOpenLayoutsNeedOnlyTheirCommonFields) {
  WindowRecord window;
  window.controls = {Control(37, 4), Control(1, 5)};
  WindowDefinition definition{"x", {window}};
  std::vector<uint8_t> body = BodyOf(definition);
  ASSERT_TRUE(Valid(body));
  EXPECT_EQ(DecodeWindows(BufferOf(body)), definition.windows);
}

}  // namespace
}  // namespace qor::win
