#pragma once
// What the decimal commands share: operands read as the runtime reads a text off the
// value stack, results printed as plain decimal text, and 32-bit whole numbers.
#include <cstdint>
#include <string_view>

#include "runtime/values/decimal.h"

namespace qor::tool {

// Pushes the text on the value stack and moves it to the decimal stack.
void PushDecimalOperand(std::string_view text);
// Pops the decimal stack and prints the value as one line of plain decimal text.
void PrintDecimalResult();
// A whole number within 32 bits, the whole text.
bool ParseInt32(std::string_view text, int32_t& out);

}  // namespace qor::tool
