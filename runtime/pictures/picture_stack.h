#pragma once
// Pictures on the stacks: FORMAT takes its number from the decimal stack and leaves
// the text on the value stack; DEFORMAT takes a text from the value stack and leaves
// the value text there.
#include <cstdint>
#include <string>

#include "runtime/pictures/picture.h"
#include "runtime/values/decimal.h"

namespace qor::rt {

// The digits of a decimal from its highest significant position (at least the
// units digit) down to its lowest, with the count of integer digits as exponent.
DigitString DigitsOfDecimal(const Decimal& d);

// Pops the top of the decimal stack and formats it through a compiled picture.
std::string FormatNumber(const CompiledPicture& picture);

// FORMAT: pops the decimal stack and pushes the number formatted through the
// picture text, exactly the picture's width; a picture of width 0 pushes "".
void StrFormat(const char* picture, int32_t pictureLength);

// DEFORMAT: pops a text and pushes its value text (0-terminated) read through the
// picture text.
void StrDeformat(const char* picture, int32_t pictureLength);

}  // namespace qor::rt
