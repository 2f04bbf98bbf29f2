#include "framework/descriptors/descriptor_encoder.h"

#include <algorithm>
#include <cstdlib>

namespace qor::fw {
namespace {

constexpr int kMaxDepth = 8;

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PatchU32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

bool IsText(FieldType type) {
  return type == FieldType::kFixedText || type == FieldType::kCString || type == FieldType::kPString;
}

uint8_t FlagsOf(const FieldSpec& field) {
  uint8_t flags = 0;
  if (!field.name.empty()) flags |= kFieldNamed;
  if (field.shift != 0) flags |= kFieldHasOffset;
  return flags;
}

uint8_t OffsetByte(int shift) {
  return shift < 0 ? static_cast<uint8_t>(kOffsetBack | -shift) : static_cast<uint8_t>(shift);
}

class Encoder {
 public:
  EncodedDescriptor Encode(const std::vector<FieldSpec>& fields, uint32_t minimumSize) {
    result_.bytes = {0x16, 0x00};
    uint32_t size = Extent(fields, 0);
    if (!result_) return Failed();
    PutU32(result_.bytes, std::max(size, minimumSize));
    PutU32(result_.bytes, static_cast<uint32_t>(fields.size()));
    PutU32(result_.bytes, 0);
    for (const FieldSpec& field : fields) PutEntry(field, 1);
    if (!result_) return Failed();
    PatchU32(result_.bytes, 10, static_cast<uint32_t>(result_.bytes.size()));
    return std::move(result_);
  }

 private:
  EncodedDescriptor Failed() {
    result_.bytes.clear();
    return std::move(result_);
  }

  void Refuse(const FieldSpec& field, const char* why) {
    if (result_.error.empty()) result_.error = "field \"" + field.name + "\": " + why;
  }

  // The bytes the fields span, checking each on the way.
  uint32_t Extent(const std::vector<FieldSpec>& fields, int depth) {
    long position = 0, end = 0;
    for (const FieldSpec& field : fields) {
      Check(field, depth);
      position += field.shift;
      if (position < 0) Refuse(field, "placed before the start of its record");
      position += field.type == FieldType::kGroup ? Extent(field.members, depth + 1) : FieldSize(field);
      end = std::max(end, position);
    }
    return static_cast<uint32_t>(end);
  }

  void Check(const FieldSpec& field, int depth) {
    for (char c : field.name) {
      if (c == '\0') Refuse(field, "a NUL in the name");
      if (c >= 'a' && c <= 'z') Refuse(field, "names are stored in upper case");
    }
    if (std::abs(field.shift) > kMaxShift) Refuse(field, "offset beyond 127 bytes");
    if (IsText(field.type) && (field.width == 0 || field.width > kMaxTextCapacity))
      Refuse(field, "text capacity must be 1 to 8191");
    if (field.type == FieldType::kReference && field.width != 4 && field.width != 8)
      Refuse(field, "a reference is 4 or 8 bytes");
    if (field.type == FieldType::kGroup && depth >= kMaxDepth) Refuse(field, "groups nested too deep");
  }

  void PutNameAndOffset(const FieldSpec& field) {
    std::vector<uint8_t>& out = result_.bytes;
    if (!field.name.empty()) {
      out.insert(out.end(), field.name.begin(), field.name.end());
      out.push_back(0);
    }
    if (field.shift != 0) out.push_back(OffsetByte(field.shift));
  }

  void PutEntry(const FieldSpec& field, int depth) {
    std::vector<uint8_t>& out = result_.bytes;
    size_t start = out.size();
    out.push_back(static_cast<uint8_t>(field.type));
    out.push_back(FlagsOf(field));
    if (field.type == FieldType::kGroup) {
      PutU32(out, Extent(field.members, depth));
      PutU32(out, static_cast<uint32_t>(field.members.size()));
      PutU32(out, 0);
      PutNameAndOffset(field);
      for (const FieldSpec& member : field.members) PutEntry(member, depth + 1);
      PatchU32(out, start + 10, static_cast<uint32_t>(out.size() - start));
      return;
    }
    if (IsText(field.type)) {
      if (field.width < 0x20) {
        out.push_back(static_cast<uint8_t>(field.width));
      } else {
        out.push_back(static_cast<uint8_t>(0x20 | (field.width >> 8)));
        out.push_back(static_cast<uint8_t>(field.width & 0xFF));
      }
    } else if (field.type == FieldType::kReference) {
      out.push_back(static_cast<uint8_t>(field.width));
    }
    PutNameAndOffset(field);
  }

  EncodedDescriptor result_;
};

}  // namespace

EncodedDescriptor EncodeGroupDescriptor(const std::vector<FieldSpec>& fields) {
  return Encoder().Encode(fields, 0);
}

EncodedDescriptor EncodeClassDescriptor(const std::vector<FieldSpec>& fields) {
  std::vector<FieldSpec> placed(fields.begin(), fields.end());
  if (!placed.empty()) placed.front().shift += static_cast<int>(kMethodWordBytes);
  return Encoder().Encode(placed, kMethodWordBytes);
}

}  // namespace qor::fw
