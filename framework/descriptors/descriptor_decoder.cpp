#include "framework/descriptors/descriptor_decoder.h"

#include <utility>

namespace qor::fw {
namespace {

constexpr int kMaxDepth = 8;

class Reader {
 public:
  explicit Reader(std::span<const uint8_t> image) : image_(image) {}

  DecodedDescriptor Read() {
    DecodedDescriptor result;
    if (image_.size() < kHeaderBytes || image_[0] != 0x16 || image_[1] != 0x00)
      return Fail("not a descriptor: no 0x0016 tag");
    DescribedRecord record;
    record.size = U32At(2);
    uint32_t count = U32At(6), length = U32At(10);
    if (length < kHeaderBytes || length > image_.size()) return Fail("length outside the image");
    end_ = length;
    at_ = kHeaderBytes;
    record.fields = ReadFields(count, 0, record.size, 0);
    if (!error_.empty()) return Fail(error_);
    if (at_ != end_) return Fail("length does not match the entries");
    result.record = std::move(record);
    return result;
  }

 private:
  DecodedDescriptor Fail(std::string why) {
    DecodedDescriptor result;
    result.error = std::move(why);
    return result;
  }

  bool Need(size_t n) {
    if (error_.empty() && (at_ > end_ || end_ - at_ < n)) error_ = "entry runs past the end of the descriptor";
    return error_.empty();
  }

  uint32_t U32At(size_t at) const {
    return image_[at] | image_[at + 1] << 8 | image_[at + 2] << 16 | static_cast<uint32_t>(image_[at + 3]) << 24;
  }

  uint8_t Byte() { return Need(1) ? image_[at_++] : 0; }

  uint32_t U32() {
    if (!Need(4)) return 0;
    uint32_t value = U32At(at_);
    at_ += 4;
    return value;
  }

  std::string Name() {
    std::string name;
    while (error_.empty()) {
      uint8_t c = Byte();
      if (c == 0) break;
      name.push_back(static_cast<char>(c));
    }
    return name;
  }

  uint32_t Capacity() {
    uint8_t first = Byte();
    if (first < 0x20) return first;
    if (first > 0x3F && error_.empty()) error_ = "bad text capacity";
    return (first & 0x1Fu) << 8 | Byte();
  }

  std::vector<DescribedField> ReadFields(uint32_t count, long base, uint32_t extent, int depth) {
    std::vector<DescribedField> fields;
    long position = 0;
    for (uint32_t i = 0; i < count && error_.empty(); ++i) {
      DescribedField field = ReadEntry(position, base, depth);
      if (!error_.empty()) break;
      if (position < 0 || position + field.size > extent) {
        error_ = "field \"" + field.name + "\" lies outside its record";
        break;
      }
      position += field.size;
      fields.push_back(std::move(field));
    }
    return fields;
  }

  // Reads one entry; `position` comes back as where the field starts.
  DescribedField ReadEntry(long& position, long base, int depth) {
    DescribedField field;
    size_t start = at_;
    field.type = static_cast<FieldType>(Byte());
    field.flags = Byte();
    uint32_t count = 0, length = 0;
    switch (field.type) {
      case FieldType::kByte: field.size = 1; break;
      case FieldType::kShort:
      case FieldType::kUshort: field.size = 2; break;
      case FieldType::kLong:
      case FieldType::kUlong: field.size = 4; break;
      case FieldType::kFixedText:
      case FieldType::kCString:
      case FieldType::kPString:
        field.capacity = field.size = Capacity();
        if (field.size == 0 && error_.empty()) error_ = "text of capacity 0";
        break;
      case FieldType::kReference:
        field.capacity = field.size = Byte();
        if (field.size != 4 && field.size != 8 && error_.empty()) error_ = "reference neither 4 nor 8 bytes";
        break;
      case FieldType::kGroup:
        if (depth >= kMaxDepth && error_.empty()) error_ = "groups nested too deep";
        field.size = U32();
        count = U32();
        length = U32();
        break;
      default:
        if (error_.empty()) error_ = "unknown field type";
    }
    if (field.flags & kFieldNamed) field.name = Name();
    if (field.flags & kFieldHasOffset) {
      uint8_t shift = Byte();
      position += (shift & kOffsetBack) ? -(shift & 0x7F) : shift;
    }
    field.offset = static_cast<uint32_t>(base + position);
    if (field.type == FieldType::kGroup && error_.empty()) ReadGroupMembers(field, start, count, length, depth);
    return field;
  }

  void ReadGroupMembers(DescribedField& group, size_t start, uint32_t count, uint32_t length, int depth) {
    // The group's own header and name lie inside its length.
    if (length < kGroupEntryHeaderBytes || length > end_ - start || start + length < at_) {
      error_ = "group \"" + group.name + "\" length outside the descriptor";
      return;
    }
    size_t outerEnd = end_;
    end_ = start + length;
    group.members = ReadFields(count, group.offset, group.size, depth + 1);
    if (error_.empty() && at_ != end_) error_ = "group \"" + group.name + "\" length does not match its entries";
    end_ = outerEnd;
  }

  std::span<const uint8_t> image_;
  size_t at_ = 0;
  size_t end_ = 0;
  std::string error_;
};

const DescribedField* FindIn(const std::vector<DescribedField>& fields, const std::string& name) {
  for (const DescribedField& field : fields) {
    if (field.name == name) return &field;
    if (const DescribedField* inner = FindIn(field.members, name)) return inner;
  }
  return nullptr;
}

}  // namespace

DecodedDescriptor DecodeDescriptor(std::span<const uint8_t> image) { return Reader(image).Read(); }

const DescribedField* FindField(const DescribedRecord& record, const std::string& name) {
  return FindIn(record.fields, name);
}

}  // namespace qor::fw
