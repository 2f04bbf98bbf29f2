#pragma once
// The properties that switch bits of a control's flag word: immediate action (0x800),
// out of the tab order (0x20), attributes 0x2000, 0x1000 and 0x1, and the justification
// field (0x04 left, 0x08 right, 0x0C decimal, 0x10 centred; a non-zero value selects
// one, zero leaves the field as it is). Reads give 1 or 0, or for a justification
// whether it is the selected one.
#include <cstdint>

namespace qor::win {

// True when `number` is one of these properties.
bool IsFlagProperty(int32_t number);

// Applies a set; false when `number` is not a flag property.
bool SetFlagProperty(uint32_t& flags, int32_t number, int64_t value);

// Reads one; false when `number` is not a flag property.
bool GetFlagProperty(uint32_t flags, int32_t number, int64_t& value);

}  // namespace qor::win
