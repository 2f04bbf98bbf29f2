#pragma once
// Reads the byte image of a field descriptor (format in field_descriptor.h) into
// fields placed at their offsets in the record. The image is outside input as far as
// the decoder is concerned: every length, count, name and offset is checked against
// the bytes given and the size described, and anything that does not fit gives no
// record and an error text, never a read past the image.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "framework/descriptors/field_descriptor.h"

namespace qor::fw {

struct DescribedField {
  FieldType type = FieldType::kByte;
  uint8_t flags = 0;
  std::string name;     // empty for an unnamed field
  uint32_t offset = 0;  // from the start of the record, nested fields included
  uint32_t size = 0;    // bytes in the record
  uint32_t capacity = 0;  // texts; references give their size here too
  std::vector<DescribedField> members;  // a group's fields
};

struct DescribedRecord {
  uint32_t size = 0;  // as the header states
  std::vector<DescribedField> fields;
};

struct DecodedDescriptor {
  std::optional<DescribedRecord> record;
  std::string error;
};

DecodedDescriptor DecodeDescriptor(std::span<const uint8_t> image);

// The field with that name (upper case), searched through nested groups too.
const DescribedField* FindField(const DescribedRecord& record, const std::string& name);

}  // namespace qor::fw
