#pragma once
// REAL and LONG as text, the forms the value stack pushes.
#include <cstddef>
#include <cstdint>

namespace qor::rt {

// Longest REAL text: "-1.2345678901234e-308".
inline constexpr std::size_t kRealTextMax = 24;
inline constexpr std::size_t kLongTextMax = 11;  // "-2147483648"

// General format with 14 significant digits: fixed or exponent form as the magnitude
// requires, trailing zeros and a final "." removed; a negative zero is "0". Writes no
// terminator; returns the length.
std::size_t RealToText(double value, char* out);

// Plain signed decimal, no padding.
std::size_t LongToText(int32_t value, char* out);

}  // namespace qor::rt
