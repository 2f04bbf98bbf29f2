#pragma once
// Reading a bound variable for display and storing an accepted value into it, by type
// code and byte size: the integer types (BYTE, SHORT, USHORT, LONG, ULONG, DATE, TIME and
// the sized integers), the two floating types, STRING (blank padded) and CSTRING (ends
// in a 0 byte). Other types show nothing and store nothing.
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/pictures/picture.h"

namespace qor::win {

// True for the types read and stored as numbers.
bool IsNumericType(uint8_t typeCode);
bool IsTextType(uint8_t typeCode);

// The variable's value as a plain decimal text ("-12", "0.5"), or its text.
std::string VariableValueText(const void* address, uint8_t typeCode, uint32_t size);

// The variable formatted through the picture (exactly the picture's width).
std::string FormatVariable(const rt::CompiledPicture& picture, const void* address, uint8_t typeCode, uint32_t size);

// Stores a value text: a number text (already checked to fit) into a numeric type, which
// keeps its integer part; any text into STRING (blank padded, cut at the size) or
// CSTRING. False when the type is not one of these.
bool StoreVariableText(void* address, uint8_t typeCode, uint32_t size, std::string_view value);

}  // namespace qor::win
