#pragma once
// The checks every property call makes before an object's handler sees it: is there a
// property of that number, does it apply to this object, can it be read or set, does
// the value convert. A set that passes carries its integer already converted (and, for
// the repeat timing, already kept in milliseconds), so handlers only apply it.
#include <cstdint>

#include "window/properties/property_request.h"
#include "window/properties/property_result.h"
#include "window/properties/property_table.h"

namespace qor::win {

struct CheckedProperty {
  PropertyResult result = PropertyResult::kUnknown;  // kDone when the handler may go on
  const PropertyInfo* info = nullptr;
  int64_t integer = 0;  // a set's integer value (kept form for ×10 properties)
  int32_t index = 0;    // the separate zero-based index of numbers from 0x7D00 up
};

// `scope` holds the PropertyScope bits of the addressed object: kScopeWindow for a
// window; kScopeControl, with kScopeButton for a button.
CheckedProperty CheckPropertySet(const PropertyRequest& request, uint8_t scope);
CheckedProperty CheckPropertyGet(const PropertyRequest& request, uint8_t scope);

// The value a get answers for an integer property, in the form it was given (÷10 for
// the ×10 ones).
int64_t ShownPropertyInteger(const PropertyInfo& info, int64_t kept);

}  // namespace qor::win
