#pragma once
// Turns a list of FieldSpec into the byte image of a field descriptor (format in
// field_descriptor.h). Sizes, counts and lengths are computed, never written by hand.
// A list the format cannot express (lower-case or NUL in a name, a text capacity of 0
// or above 8191, a reference that is not 4 or 8 bytes, an offset beyond 127 bytes, a
// field placed before the start, groups nested deeper than 8) gives no bytes and an
// error text.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/descriptors/field_descriptor.h"

namespace qor::fw {

struct EncodedDescriptor {
  std::vector<uint8_t> bytes;  // empty when the list was refused
  std::string error;           // why it was refused
  explicit operator bool() const { return error.empty(); }
};

// A group's or queue record's descriptor: the fields start at offset 0.
EncodedDescriptor EncodeGroupDescriptor(const std::vector<FieldSpec>& fields);

// A class's descriptor: the first field sits behind the 4-byte method-table word
// (its offset byte 0x04 is added here) and the size counts that word.
EncodedDescriptor EncodeClassDescriptor(const std::vector<FieldSpec>& fields);

}  // namespace qor::fw
