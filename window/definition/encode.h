#pragma once
// Writing a definition as the stored byte image. Records are laid out in creation order
// (each window record, then its controls, a group box's children right after the group
// box), each followed by its own strings, font record and small-entry list; a
// use-variable descriptor is stored just before its record. Empty strings and absent
// fonts are stored as offset 0.
#include <cstdint>
#include <vector>

#include "window/definition/records.h"

namespace qor::win {

// The body alone, as it is addressed from buffer offset 2.
std::vector<uint8_t> EncodeDefinitionBody(const std::vector<WindowRecord>& windows);
// The whole resource: qualified name, NUL, body.
std::vector<uint8_t> EncodeDefinition(const WindowDefinition& definition);

}  // namespace qor::win
