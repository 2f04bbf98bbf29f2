#pragma once
// Conversions between text and the unpacked decimal.
#include <cstddef>

#include "runtime/values/decimal.h"

namespace qor::rt {

// Reads a number the way the runtime reads every decimal text: leading blanks are
// skipped; a "-" makes it negative (no other sign is taken, so "+5" is 0); "." or ","
// is the decimal point; an "e" or "E" after the digits starts a power of ten with an
// optional sign; the first other character ends the number and the rest is ignored.
// Text without digits gives 0. Integer digits above the 32nd and fractional digits
// below the 32nd are dropped; the power of ten moves digits as a multiplication by
// 10^n (n > 0) or a division rounded at 31 places (n < 0) would.
Decimal DecimalFromText(const char* text, std::size_t length);

// Longest plain text: a sign, 32 integer digits, the point and 32 fractional digits.
inline constexpr std::size_t kDecimalTextMax = 66;

// Plain decimal text: "-" when negative and not zero, the integer digits without
// leading zeros ("0" when there are none), then "." and the fractional digits
// without trailing zeros when any is not zero. Writes no terminator; returns the
// length (at most kDecimalTextMax).
std::size_t DecimalToText(const Decimal& d, char* out);

}  // namespace qor::rt
