#pragma once
// What became of a property set. A set that cannot apply changes nothing and says why;
// it never touches the error code, so a program's own error handling is not disturbed.
#include <cstdint>
#include <string_view>

namespace qor::win {

enum class PropertyResult : uint8_t {
  kDone,       // applied
  kNoControl,  // the window has no control with that number
  kUnknown,    // no property has that number (or the selector names none)
  kWrongKind,  // the property exists, but not for this object, or cannot be set
  kBadValue,   // the value does not convert or is refused
};

// "done", "no control", "unknown", "wrong kind", "bad value": the words the trace log
// and tests use.
std::string_view PropertyResultName(PropertyResult result);

}  // namespace qor::win
