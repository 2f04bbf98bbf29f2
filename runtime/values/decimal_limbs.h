#pragma once
// Working form of the decimal arithmetic: a magnitude as an unsigned integer in base
// 10^8, least significant limb first. A Decimal's magnitude times 10^32 is such an
// integer of 8 limbs, limb i holding digit indexes 8i..8i+7. All 64 digits turn into
// limbs (and back) with a few vector operations (eight digit bytes with a few
// word-wide ones where vectors are missing); only the limbs that hold significant
// digits are then multiplied or divided.
#include <bit>
#include <cstdint>

#include "runtime/values/decimal.h"
#include "runtime/values/decimal_digit_words.h"
#if defined(__SSE2__)
#include "runtime/values/decimal_digit_vectors.h"
#endif

namespace qor::rt {

inline constexpr uint32_t kLimbBase = 100000000u;
inline constexpr int kDecimalLimbs = 8;  // 64 digits
inline constexpr int kMaxLimbs = 20;     // room for every intermediate

// A Decimal's magnitude times 10^32. Limbs outside [low, high] are zero; low > high
// means the value is zero.
struct LimbFrame {
  uint32_t limb[kDecimalLimbs + 4];  // four zero limbs above, so any four from low can be read
  int low;
  int high;
  bool IsZero() const { return low > high; }
};

// Eight digit bytes, the lowest digit in the lowest byte, as one limb.
inline uint32_t LimbFromDigitBytes(uint64_t bytes) {
  const uint64_t pairs = (bytes & 0x00FF00FF00FF00FFu) + ((bytes >> 8) & 0x00FF00FF00FF00FFu) * 10;
  const uint64_t quads = (pairs & 0x0000FFFF0000FFFFu) + ((pairs >> 16) & 0x0000FFFF0000FFFFu) * 100;
  return static_cast<uint32_t>(quads) + static_cast<uint32_t>(quads >> 32) * 10000;
}

// A limb as eight digit bytes. Lane-wise division by constants: by 100 as
// (x * 5243) >> 19 in 32-bit lanes below 10^4, by 10 as (x * 103) >> 10 in 16-bit
// lanes below 100; no lane spills into the next.
inline uint64_t DigitBytesFromLimb(uint32_t limb) {
  const uint64_t quads = (limb % 10000) | (uint64_t{limb / 10000} << 32);
  const uint64_t hundreds = ((quads * 5243) >> 19) & 0x0000007F0000007Fu;
  const uint64_t pairs = (quads - hundreds * 100) | (hundreds << 16);
  const uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000Fu;
  return (pairs - tens * 10) | (tens << 8);
}

// Narrows [low, high] to the limbs that are not zero.
void LimbFrameTrim(LimbFrame& frame);

// Limbs that hold no digit of the range are zero and left outside [low, high];
// stale digits outside the range never count.
#if defined(__SSE2__)
inline LimbFrame LimbFrameFromDecimal(const Decimal& d) {
  const DigitVectors digits = DigitVectorsFromDecimal(d);
  const uint64_t bits = NonzeroDigitBits(digits);
  LimbFrame frame;
  LimbsFromDigitVectors(digits, frame.limb);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(frame.limb + kDecimalLimbs), _mm_setzero_si128());
  frame.low = bits ? std::countr_zero(bits) / 8 : 1;
  frame.high = bits ? (63 - std::countl_zero(bits)) / 8 : 0;
  return frame;
}
#else
inline LimbFrame LimbFrameFromDecimal(const Decimal& d) {
  const DigitWords words = DigitWordsFromDecimal(d);
  LimbFrame frame{};
  frame.low = words.firstWord;
  frame.high = words.lastWord;
  for (int l = frame.low; l <= frame.high; ++l) frame.limb[l] = LimbFromDigitBytes(words.word[l]);
  LimbFrameTrim(frame);
  return frame;
}
#endif

// The Decimal of a magnitude of eight limbs, with the range and sign derived from its
// digits (zero carries no sign).
Decimal DecimalFromLimbs(const uint32_t (&limb)[kDecimalLimbs], uint8_t sign);
// The same for ten times the magnitude; the digit carried above index 63 is dropped.
Decimal DecimalFromLimbsTimesTen(const uint32_t (&limb)[kDecimalLimbs], uint8_t sign);

// floor(u / v) for u of `uSize` limbs and v of `vSize` limbs whose top limb is not
// zero; u is overwritten. The quotient gets uSize - vSize + 1 limbs (at least 1).
void LimbsDivide(uint32_t* u, int uSize, const uint32_t* v, int vSize, uint32_t* quotient);

}  // namespace qor::rt
