#include "window/definition/encode.h"

#include <cstring>
#include <string>

#include "window/definition/layout.h"

namespace qor::win {
namespace {

namespace L = layout;

// Bytes in buffer coordinates: index 0 is buffer offset 0, the body starts at offset 2.
class ImageWriter {
 public:
  ImageWriter() : bytes_(L::kBodyStart, 0) {}

  uint32_t Reserve(uint32_t size) {
    uint32_t at = static_cast<uint32_t>(bytes_.size());
    bytes_.resize(bytes_.size() + size, 0);
    return at;
  }

  void U8(uint32_t at, uint8_t value) { bytes_[at] = value; }
  void U16(uint32_t at, uint16_t value) {
    for (int i = 0; i < 2; ++i) bytes_[at + i] = static_cast<uint8_t>(value >> (8 * i));
  }
  void U32(uint32_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<uint8_t>(value >> (8 * i));
  }
  void S32(uint32_t at, int32_t value) { U32(at, static_cast<uint32_t>(value)); }
  void F64(uint32_t at, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    U32(at, static_cast<uint32_t>(bits));
    U32(at + 4, static_cast<uint32_t>(bits >> 32));
  }

  // Appends the string and stores its offset in the field; an empty string stays 0.
  void Text(uint32_t fieldAt, const std::string& text) {
    if (text.empty()) return;
    uint32_t at = Reserve(static_cast<uint32_t>(text.size() + 1));
    std::memcpy(bytes_.data() + at, text.data(), text.size());
    U32(fieldAt, at);
  }

  void Font(uint32_t fieldAt, const std::optional<FontRecord>& font) {
    if (!font) return;
    uint32_t at = Reserve(L::font::kSize);
    S32(at + L::font::kPoints, font->points);
    U32(at + L::font::kColour, font->colour);
    S32(at + L::font::kStyle, font->style);
    Text(at + L::font::kFace, font->face);
    U32(fieldAt, at);
  }

  void Entries(uint32_t fieldAt, const std::vector<uint32_t>& values) {
    uint32_t link = fieldAt;
    for (uint32_t value : values) {
      uint32_t at = Reserve(L::entry::kSize);
      U32(at + L::entry::kValue, value);
      U32(link, at);
      link = at + L::entry::kNext;
    }
  }

  void Place(uint32_t at, const Placement& place) {
    S32(at, place.x);
    S32(at + 4, place.y);
    S32(at + 8, place.width);
    S32(at + 12, place.height);
  }

  std::vector<uint8_t> Body() const { return {bytes_.begin() + L::kBodyStart, bytes_.end()}; }

 private:
  std::vector<uint8_t> bytes_;
};

void WriteControlChain(ImageWriter& out, uint32_t linkAt, const std::vector<ControlRecord>& controls);

void WriteText(ImageWriter& out, uint32_t at, const ControlRecord& control) {
  namespace T = L::text;
  out.Place(at + L::control::kPosition, control.at);
  if (control.type == L::kTypeString) out.U16(at + T::kAngle, static_cast<uint16_t>(control.angle));
  out.Text(at + T::kText, control.text);
  out.Font(at + T::kFont, control.font);
  out.Text(at + T::kCursor, control.cursor);
  out.Text(at + T::kFurther, control.further);
}

// The shared text block, ending in `last` (button text, caption or picture).
void WriteTexts(ImageWriter& out, uint32_t block, const ControlRecord& control, const std::string& last) {
  namespace T = L::texts;
  out.U32(block + T::kValue, control.value);
  out.Text(block + T::kAltText, control.altText);
  out.Text(block + T::kHelp, control.help);
  out.Text(block + T::kSecond, control.second);
  out.Entries(block + T::kEntries, control.entries);
  out.Font(block + T::kFont, control.font);
  out.Text(block + T::kCursor, control.cursor);
  out.Text(block + T::kFurther, control.further);
  out.Text(block + T::kText, last);
}

void WriteButton(ImageWriter& out, uint32_t at, const ControlRecord& control) {
  namespace B = L::button;
  out.Place(at + L::control::kPosition, control.at);
  bool group = control.type == L::kTypeGroup;
  if (!group) {
    out.U32(at + B::kButtonFlags, control.buttonFlags);
    out.U8(at + B::kIconPlacement, control.iconPlacement);
    out.U16(at + B::kRepeatDelay, control.repeatDelay);
    out.U16(at + B::kRepeatInterval, control.repeatInterval);
  }
  WriteTexts(out, at + B::kTexts, control, control.text);
  if (group)
    WriteControlChain(out, at + B::kFirstChild, control.children);
  else
    out.Text(at + B::kIcon, control.icon);
}

void WriteField(ImageWriter& out, uint32_t at, RecordLayout layout, const ControlRecord& control) {
  namespace F = L::field;
  out.Place(at + F::kPosition, control.at);
  if (layout == RecordLayout::kList) {
    out.U8(at + F::kDropForm, control.dropForm);
  } else {
    out.U32(at + F::kNumeric, control.numeric);
  }
  if (layout == RecordLayout::kSpin) {
    out.F64(at + F::kLow, control.low);
    out.F64(at + F::kHigh, control.high);
    out.F64(at + F::kStep, control.step);
  }
  WriteTexts(out, at + F::kTexts, control, layout == RecordLayout::kCheck ? control.text : control.picture);
}

// Writes one control record (after its descriptor, for the kinds that show a variable)
// and returns its offset.
uint32_t WriteControl(ImageWriter& out, const ControlRecord& control) {
  RecordLayout layout = LayoutOf(control.type).value_or(RecordLayout::kOther);
  uint32_t use = 0;
  if (ShowsVariable(layout)) {
    UseDescriptor descriptor = control.use.value_or(UseDescriptor{});
    use = out.Reserve(L::use::kSize);
    out.U8(use + L::use::kTypeCode, descriptor.typeCode);
    out.U32(use + L::use::kByteSize, descriptor.byteSize);
  }
  uint32_t at = out.Reserve(RecordSize(layout));
  out.U8(at + L::kType, control.type);
  out.U32(at + L::kFlags, control.flags);
  out.S32(at + L::control::kNumber, control.number);
  switch (layout) {
    case RecordLayout::kText:
    case RecordLayout::kString: WriteText(out, at, control); break;
    case RecordLayout::kButton:
    case RecordLayout::kGroup: WriteButton(out, at, control); break;
    case RecordLayout::kEntry:
    case RecordLayout::kCheck:
    case RecordLayout::kList:
    case RecordLayout::kSpin:
      out.U32(at + L::field::kUse, use);
      WriteField(out, at, layout, control);
      break;
    case RecordLayout::kWindow:
    case RecordLayout::kOther: out.Place(at + L::control::kPosition, control.at); break;
  }
  return at;
}

void WriteControlChain(ImageWriter& out, uint32_t linkAt, const std::vector<ControlRecord>& controls) {
  for (const ControlRecord& control : controls) {
    uint32_t at = WriteControl(out, control);
    out.U32(linkAt, at);
    linkAt = at + L::kNext;
  }
}

uint32_t WriteWindow(ImageWriter& out, const WindowRecord& window) {
  namespace W = L::window;
  uint32_t at = out.Reserve(W::kSize);
  out.U8(at + L::kType, L::kTypeWindow);
  out.U32(at + L::kFlags, window.flags);
  out.Place(at + W::kX, window.at);
  out.U32(at + W::kFlags2, window.flags2);
  out.U32(at + W::kTimer, window.timer);
  out.Text(at + W::kLabel, window.label);
  out.Font(at + W::kFont, window.font);
  out.Text(at + W::kTitle, window.title);
  out.Text(at + W::kIcon, window.icon);
  out.Entries(at + W::kEntries, window.entries);
  out.Text(at + W::kCursor, window.cursor);
  WriteControlChain(out, at + W::kFirstControl, window.controls);
  return at;
}

}  // namespace

std::vector<uint8_t> EncodeDefinitionBody(const std::vector<WindowRecord>& windows) {
  ImageWriter out;
  uint32_t linkAt = out.Reserve(4);  // the body header: first top-level record
  for (const WindowRecord& window : windows) {
    uint32_t at = WriteWindow(out, window);
    out.U32(linkAt, at);
    linkAt = at + L::kNext;
  }
  return out.Body();
}

std::vector<uint8_t> EncodeDefinition(const WindowDefinition& definition) {
  std::vector<uint8_t> resource(definition.qualifiedName.begin(), definition.qualifiedName.end());
  resource.push_back(0);
  std::vector<uint8_t> body = EncodeDefinitionBody(definition.windows);
  resource.insert(resource.end(), body.begin(), body.end());
  return resource;
}

}  // namespace qor::win
