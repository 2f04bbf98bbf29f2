#pragma once
// The property request built for each call of the property entry points: which control,
// which property, which index, and the value. The selector arrives as text: its
// trailing blanks go, and a text that is a whole decimal number becomes the property
// number; anything else names a property (property_names.h) and takes its number, or
// none when no property has that name.
//
// The index rule: below 0x7D00 an index n of 1 or more addresses number + n - 1 (the
// index is then spent); from 0x7D00 up the number stays and n becomes the zero-based
// index n - 1. A folded number that lands beyond 0x7CFF addresses no property.
#include <cstdint>
#include <string>
#include <string_view>

namespace qor::win {

struct PropertyRequest {
  int32_t control = 0;
  int32_t number = 0;      // 0 when the selector addresses no property
  int32_t index = 0;       // zero-based, for numbers from 0x7D00 up
  std::string selector;    // the selector without its trailing blanks
  std::string value;       // the value as text (a set's value, a get's answer)
  bool valueInBuffer = true;  // false: the value is given by reference
};

// The request for a selector and the index as generated code passes it.
PropertyRequest MakePropertyRequest(int32_t control, std::string_view selector, int32_t index);

// The selector without trailing blanks; true with `number` when it is a whole decimal
// number (leading blanks and a sign allowed) that fits 32 bits.
std::string_view TrimSelector(std::string_view selector);
bool SelectorNumber(std::string_view trimmed, int32_t& number);

// Applies the index rule to `request.number` and `index`.
void ApplyIndexRule(PropertyRequest& request, int32_t index);

// True when the request addresses a property by number (0x7000 and up).
bool HasPropertyNumber(const PropertyRequest& request);

// The value text as an integer: blanks around it, an optional sign, digits and an
// optional fraction (dropped). False for anything else or beyond 64 bits; an empty
// text is 0.
bool PropertyInteger(std::string_view text, int64_t& value);

}  // namespace qor::win
