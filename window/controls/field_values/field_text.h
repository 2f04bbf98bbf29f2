#pragma once
// The text an entry field shows for its variable: the picture's output without its
// trailing blanks and, for all but string pictures, without its leading blanks. The
// field places it at the edge its justification bits name (0x04 left, also when none is
// set; 0x08 right; 0x0C decimal, placed as right; 0x10 centred), moved by any offset.
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/pictures/picture.h"

namespace qor::win {

enum class Justification : uint8_t { kLeft, kCentred, kRight };

Justification JustificationOf(uint32_t flags);

// The shown text for a picture's output.
std::string ShownFieldText(const rt::CompiledPicture& picture, std::string_view formatted);

// Formats the variable through the picture and trims it as above.
std::string FieldTextOf(const rt::CompiledPicture& picture, const void* address, uint8_t typeCode, uint32_t size);

}  // namespace qor::win
