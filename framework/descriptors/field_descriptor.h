#pragma once
// Field descriptors: the static description of a class's, group's or queue record's
// fields, as the language stores them. A descriptor is a byte image (little-endian):
//
//   u8 0x16, u8 flags, u32 size of the described data, u32 field count,
//   u32 length of the whole descriptor (this header included), then the entries.
//
// The outermost header has flags 0, so it reads as the 16-bit tag 0x0016. Each entry:
// type byte, flags byte, a capacity for texts (one byte below 32, else 0x20 | high
// bits and the low byte), a size byte for references (4 or 8), the upper-case name and
// a NUL when flag 0x02 is set, and a sign-magnitude offset byte when flag 0x08 is set
// (0x04 moves the field 4 bytes on, 0x84 4 bytes back onto the field before it). A
// nested group entry is a complete header with its name and offset byte, followed by
// its own entries; its length covers all of that.
//
// FieldSpec is the readable form a class writes its descriptor in; the encoder turns
// it into the byte image, the decoder reads an image back into placed fields.
#include <cstdint>
#include <string>
#include <vector>

namespace qor::fw {

enum class FieldType : uint8_t {
  kByte = 0x01,        // unsigned 8-bit
  kShort = 0x02,       // signed 16-bit (the SHORT type code)
  kUshort = 0x03,      // unsigned 16-bit
  kLong = 0x06,        // signed 32-bit
  kUlong = 0x07,       // unsigned 32-bit
  kFixedText = 0x12,   // blank padded, no terminator; size = capacity
  kCString = 0x13,     // NUL-terminated; capacity includes the NUL
  kPString = 0x14,     // length-prefixed; capacity includes the length byte
  kGroup = 0x16,       // nested group of fields
  kReference = 0x1F,   // 4 = object, queue or variable reference; 8 = text reference
};

inline constexpr uint8_t kFieldNamed = 0x02;
inline constexpr uint8_t kFieldHasOffset = 0x08;
inline constexpr uint8_t kOffsetBack = 0x80;       // sign bit of the offset byte
inline constexpr uint32_t kHeaderBytes = 14;       // of the outermost header
inline constexpr uint32_t kGroupEntryHeaderBytes = 14;
inline constexpr uint32_t kMaxTextCapacity = 0x1FFF;
inline constexpr int kMaxShift = 0x7F;
inline constexpr uint32_t kMethodWordBytes = 4;    // an object's first word

struct FieldSpec {
  FieldType type = FieldType::kByte;
  std::string name;                // upper case; empty for an unnamed field
  uint32_t width = 0;              // a text's capacity, a reference's size
  int shift = 0;                   // bytes moved before the field is placed
  std::vector<FieldSpec> members;  // a group's own fields
};

// Bytes the field takes in the record (a group: the extent of its members).
uint32_t FieldSize(const FieldSpec& field);

// Shorthands for writing descriptors.
FieldSpec ByteField(std::string name);
FieldSpec ShortField(std::string name);
FieldSpec UshortField(std::string name);
FieldSpec LongField(std::string name);
FieldSpec UlongField(std::string name);
FieldSpec FixedTextField(std::string name, uint32_t capacity);
FieldSpec CStringField(std::string name, uint32_t capacity);
FieldSpec PStringField(std::string name, uint32_t capacity);
FieldSpec ReferenceField(std::string name);      // object, queue or 32-bit variable
FieldSpec TextReferenceField(std::string name);  // address and length
FieldSpec GroupField(std::string name, std::vector<FieldSpec> members);
// The same field placed over the 4-byte field before it (offset byte 0x84).
FieldSpec Overlaying(FieldSpec field);

}  // namespace qor::fw
