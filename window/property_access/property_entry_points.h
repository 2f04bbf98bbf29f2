#pragma once
// The property calls of generated code. Values travel on the value stack: the selector
// (a property number as its decimal digits, or a name) is pushed first, then, for an
// integer set, the value. `index` follows the index rule (property_request.h); `target`
// names the object (property_target.h): a window that is missing or closed is run-time
// error 536. A set that cannot apply changes nothing and leaves its outcome
// (LastPropertyResult); ERRORCODE stays as it was.
#include <cstdint>

namespace qor::win {

// Set property, integer value: pops the value, then the selector.
void SetPropertyInteger(int32_t control, int32_t index, intptr_t target);
// Set property, string value: the value given by reference; pops the selector.
void SetPropertyString(int32_t control, const char* value, int32_t length, int32_t index, intptr_t target);
// Get property: pops the selector and pushes the value, a number as a LONG and a text
// as a string; the empty string when no control or no property answers.
void GetProperty(int32_t control, int32_t index, intptr_t target);

}  // namespace qor::win
