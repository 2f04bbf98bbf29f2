#pragma once
// The unpacked decimal number of the decimal stack and the exact arithmetic on it.
//
// A number holds 64 digit bytes (one digit 0..9 each), a sign byte and two index bytes.
// Index 32 is the units digit; index 32+k holds the digit of 10^k (k = 0..31) and
// index 32-k the digit of 10^-k (k = 1..32). Digits outside [low, high] are zero by
// definition. Zero is low = high = 32 with digit 32 = 0. The record is 67 bytes, the
// exact stored size, so that saved stacks keep their layout.
//
// Arithmetic rules:
// - digits above index 63 are dropped (no overflow error);
// - a product is formed exactly and then loses its digits below index 0 (truncation);
// - a quotient is the exact quotient rounded half away from zero at 31 places;
//   division by zero gives zero;
// - a negative zero equals zero; results never carry a sign on zero.
#include <cstdint>

namespace qor::rt {

inline constexpr int kDecimalDigits = 64;
inline constexpr int kDecimalUnits = 32;  // index of the units digit
inline constexpr int kDecimalDivisionPlaces = 31;

struct Decimal {
  uint8_t digit[kDecimalDigits];
  uint8_t sign;  // 0 positive, 1 negative
  uint8_t low;   // lowest significant index
  uint8_t high;  // highest significant index
};
static_assert(sizeof(Decimal) == 67, "the unpacked decimal is 67 bytes");

Decimal DecimalZero();
bool DecimalIsZero(const Decimal& d);

// The digit at index i, zero outside [low, high] and outside 0..63.
int DecimalDigitAt(const Decimal& d, int index);

// Re-derives low and high from the digits actually present and clears the sign of a
// zero; digits outside the new range are cleared.
void DecimalNormalize(Decimal& d);
// The same for a number whose 64 digits are all valid (low 0, high 63).
void DecimalSetRangeFromDigits(Decimal& d);

Decimal DecimalAdd(const Decimal& a, const Decimal& b);
Decimal DecimalSubtract(const Decimal& a, const Decimal& b);
Decimal DecimalMultiply(const Decimal& a, const Decimal& b);
Decimal DecimalDivide(const Decimal& dividend, const Decimal& divisor);

// 1 if a > b, -1 if a < b, 0 if equal (a negative zero equals zero).
int DecimalCompare(const Decimal& a, const Decimal& b);

// Rounds half away from zero to `places` decimal places (negative places round to
// tens, hundreds, ...). A carry beyond index 63 is dropped.
Decimal DecimalRound(const Decimal& d, int32_t places);

// Multiplies by 10^exponent: digits moved above index 63 are dropped; a negative
// exponent divides, rounding at 31 places as a quotient does.
Decimal DecimalScaleByPowerOfTen(const Decimal& d, int32_t exponent);

}  // namespace qor::rt
