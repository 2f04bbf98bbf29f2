#pragma once
// Decimal digit strings as pictures format them.
#include <string>

#include "runtime/pictures/picture.h"

namespace qor::rt {

// Drops leading zero digits (adjusting the exponent); a zero value has no digits.
void NormaliseDigits(DigitString& value);
bool IsZeroValue(const DigitString& value);

// Rounds to `places` decimal places, half away from zero on the magnitude.
DigitString RoundToPlaces(DigitString value, int places);
// Rounds to `count` significant digits.
DigitString RoundToDigits(DigitString value, int count);

// The digit of 10^power (power 0 is the units digit).
char DigitAtPower(const DigitString& value, int power);

// The plain text of a value: "-12.5", "0", "1500".
std::string PlainNumberText(const DigitString& value);

// The integer part, or nothing when it does not fit 32 bits.
bool IntegerPart(const DigitString& value, int32_t& out);

}  // namespace qor::rt
