#pragma once
// What the decimal commands share: operands read as the runtime reads a text off the
// value stack, results printed as plain decimal text, and 32-bit whole numbers.
#include <cstdint>
#include <string_view>

#include "runtime/values/decimal.h"

namespace qor::tool {

// Whether the runtime reads the whole text as a number: blanks, an optional "-", digits
// with "." or "," as the point (one digit at least), an optional power of ten ("e" or "E",
// an optional sign, digits), trailing blanks; at most 99 characters.
bool IsDecimalText(std::string_view text);
// Whether a decimal text has more digits than a decimal holds (32 on either side of the
// point, leading and trailing zeros aside).
bool LosesDigits(std::string_view text);
// Warns on standard error when an operand is not wholly a number, or has digits that are
// lost, saying what it is read as: the probe shows the runtime's result regardless.
void WarnAboutOperand(std::string_view text, std::string_view readAs);

// Pushes the text on the value stack and moves it to the decimal stack, with a warning
// when the text is not taken whole.
void PushDecimalOperand(std::string_view text);
// Pops the decimal stack and prints the value as one line of plain decimal text.
void PrintDecimalResult();
// A whole number within 32 bits, the whole text.
bool ParseInt32(std::string_view text, int32_t& out);

}  // namespace qor::tool
