#include "window/definition/decode.h"

#include "window/definition/layout.h"

namespace qor::win {
namespace {

namespace L = layout;

std::string Text(const DefinitionBuffer& buffer, uint32_t fieldAt) {
  return std::string(buffer.String(buffer.U32(fieldAt)));
}

std::optional<FontRecord> OptionalFont(const DefinitionBuffer& buffer, uint32_t fieldAt) {
  uint32_t at = buffer.U32(fieldAt);
  if (at == 0) return std::nullopt;
  return DecodeFont(buffer, at);
}

std::vector<uint32_t> Entries(const DefinitionBuffer& buffer, uint32_t fieldAt) {
  std::vector<uint32_t> values;
  for (uint32_t at = buffer.U32(fieldAt); at != 0; at = buffer.U32(at + L::entry::kNext))
    values.push_back(buffer.U32(at + L::entry::kValue));
  return values;
}

std::vector<ControlRecord> ControlChain(const DefinitionBuffer& buffer, uint32_t first) {
  std::vector<ControlRecord> controls;
  for (uint32_t at = first; at != 0; at = buffer.U32(at + L::kNext)) controls.push_back(DecodeControl(buffer, at));
  return controls;
}

Placement PlacementAt(const DefinitionBuffer& buffer, uint32_t at) {
  return {buffer.S32(at), buffer.S32(at + 4), buffer.S32(at + 8), buffer.S32(at + 12)};
}

void DecodeText(const DefinitionBuffer& buffer, uint32_t at, ControlRecord& control) {
  namespace T = L::text;
  control.at = PlacementAt(buffer, at + L::control::kPosition);
  control.text = Text(buffer, at + T::kText);
  control.font = OptionalFont(buffer, at + T::kFont);
  control.cursor = Text(buffer, at + T::kCursor);
  control.further = Text(buffer, at + T::kFurther);
  if (control.type == L::kTypeString) control.angle = buffer.S16(at + T::kAngle);
}

// The shared text block; returns its last text (button text, caption or picture).
std::string DecodeTexts(const DefinitionBuffer& buffer, uint32_t block, ControlRecord& control) {
  namespace T = L::texts;
  control.altText = Text(buffer, block + T::kAltText);
  control.help = Text(buffer, block + T::kHelp);
  control.second = Text(buffer, block + T::kSecond);
  control.value = buffer.U32(block + T::kValue);
  control.entries = Entries(buffer, block + T::kEntries);
  control.font = OptionalFont(buffer, block + T::kFont);
  control.cursor = Text(buffer, block + T::kCursor);
  control.further = Text(buffer, block + T::kFurther);
  return Text(buffer, block + T::kText);
}

void DecodeButton(const DefinitionBuffer& buffer, uint32_t at, ControlRecord& control) {
  namespace B = L::button;
  control.at = PlacementAt(buffer, at + L::control::kPosition);
  control.text = DecodeTexts(buffer, at + B::kTexts, control);
  if (control.type == L::kTypeGroup) {
    control.children = ControlChain(buffer, buffer.U32(at + B::kFirstChild));
    return;
  }
  control.icon = Text(buffer, at + B::kIcon);
  control.buttonFlags = buffer.U32(at + B::kButtonFlags);
  control.iconPlacement = buffer.U8(at + B::kIconPlacement);
  control.repeatDelay = buffer.U16(at + B::kRepeatDelay);
  control.repeatInterval = buffer.U16(at + B::kRepeatInterval);
}

void DecodeField(const DefinitionBuffer& buffer, uint32_t at, RecordLayout layout, ControlRecord& control) {
  namespace F = L::field;
  uint32_t use = buffer.U32(at + F::kUse);
  control.use = UseDescriptor{buffer.U8(use + L::use::kTypeCode), buffer.U32(use + L::use::kByteSize)};
  control.at = PlacementAt(buffer, at + F::kPosition);
  (layout == RecordLayout::kCheck ? control.text : control.picture) = DecodeTexts(buffer, at + F::kTexts, control);
  if (layout == RecordLayout::kList) {
    control.dropForm = buffer.U8(at + F::kDropForm);
    return;
  }
  control.numeric = buffer.U32(at + F::kNumeric);
  if (layout != RecordLayout::kSpin) return;
  control.low = buffer.F64(at + F::kLow);
  control.high = buffer.F64(at + F::kHigh);
  control.step = buffer.F64(at + F::kStep);
}

}  // namespace

uint32_t FindWindowRecord(const DefinitionBuffer& buffer, std::string_view label) {
  for (uint32_t at = buffer.FirstRecord(); at != 0; at = buffer.U32(at + L::kNext)) {
    if (buffer.String(buffer.U32(at + L::window::kLabel)) == label) return at;
  }
  return 0;
}

std::vector<std::string> WindowLabels(const DefinitionBuffer& buffer) {
  std::vector<std::string> labels;
  for (uint32_t at = buffer.FirstRecord(); at != 0; at = buffer.U32(at + L::kNext))
    labels.push_back(Text(buffer, at + L::window::kLabel));
  return labels;
}

FontRecord DecodeFont(const DefinitionBuffer& buffer, uint32_t at) {
  namespace F = L::font;
  return {Text(buffer, at + F::kFace), buffer.S32(at + F::kPoints), buffer.U32(at + F::kColour),
          buffer.S32(at + F::kStyle)};
}

ControlRecord DecodeControl(const DefinitionBuffer& buffer, uint32_t at) {
  ControlRecord control;
  control.offset.value = at;
  control.type = buffer.U8(at + L::kType);
  control.flags = buffer.U32(at + L::kFlags);
  control.number = buffer.S32(at + L::control::kNumber);
  RecordLayout layout = LayoutOf(control.type).value_or(RecordLayout::kOther);
  switch (layout) {
    case RecordLayout::kText:
    case RecordLayout::kString: DecodeText(buffer, at, control); break;
    case RecordLayout::kButton:
    case RecordLayout::kGroup: DecodeButton(buffer, at, control); break;
    case RecordLayout::kEntry:
    case RecordLayout::kCheck:
    case RecordLayout::kList:
    case RecordLayout::kSpin: DecodeField(buffer, at, layout, control); break;
    case RecordLayout::kWindow:
    case RecordLayout::kOther: control.at = PlacementAt(buffer, at + L::control::kPosition); break;
  }
  return control;
}

WindowRecord DecodeWindow(const DefinitionBuffer& buffer, uint32_t at) {
  namespace W = L::window;
  WindowRecord window;
  window.offset.value = at;
  window.flags = buffer.U32(at + L::kFlags);
  window.at = {buffer.S32(at + W::kX), buffer.S32(at + W::kY), buffer.S32(at + W::kWidth), buffer.S32(at + W::kHeight)};
  window.label = Text(buffer, at + W::kLabel);
  window.font = OptionalFont(buffer, at + W::kFont);
  window.title = Text(buffer, at + W::kTitle);
  window.icon = Text(buffer, at + W::kIcon);
  window.entries = Entries(buffer, at + W::kEntries);
  window.flags2 = buffer.U32(at + W::kFlags2);
  window.timer = buffer.U32(at + W::kTimer);
  window.cursor = Text(buffer, at + W::kCursor);
  window.controls = ControlChain(buffer, buffer.U32(at + W::kFirstControl));
  return window;
}

std::vector<WindowRecord> DecodeWindows(const DefinitionBuffer& buffer) {
  std::vector<WindowRecord> windows;
  for (uint32_t at = buffer.FirstRecord(); at != 0; at = buffer.U32(at + L::kNext))
    windows.push_back(DecodeWindow(buffer, at));
  return windows;
}

}  // namespace qor::win
