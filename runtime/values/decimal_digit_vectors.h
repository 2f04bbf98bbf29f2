#pragma once
// A Decimal's 64 digit bytes held in four 16-byte vectors, lowest index first: loaded
// with the digits outside [low, high] cleared, turned into the eight base 10^8 limbs
// (limb i from digit indexes 8i..8i+7) and back, and stored with the range and sign
// derived from the digits. All of it works on the whole array at once, without a
// branch on the range, and gives exactly what the word-at-a-time forms in
// decimal_limbs.h and decimal_digit_words.h give.
#include <emmintrin.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "runtime/values/decimal.h"

namespace qor::rt {

struct DigitVectors {
  __m128i part[4];  // digit indexes 16k..16k+15 in part k
};

// The digits of d, zero outside its range; a range reaching past index 63 ends there.
inline DigitVectors DigitVectorsFromDecimal(const Decimal& d) {
  // Digit i is kept when i > low - 1 and high + 1 > i, compared as signed bytes: the
  // bounds are clamped to -1..64 so that every index 0..63 compares truly.
  const __m128i below = _mm_set1_epi8(static_cast<char>(std::min<int>(d.low, kDecimalDigits) - 1));
  const __m128i above = _mm_set1_epi8(static_cast<char>(std::min<int>(d.high, kDecimalDigits - 1) + 1));
  __m128i index = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
  DigitVectors v;
  #pragma GCC unroll 4
  for (int k = 0; k < 4; ++k) {
    const __m128i keep = _mm_and_si128(_mm_cmpgt_epi8(index, below), _mm_cmpgt_epi8(above, index));
    v.part[k] = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(d.digit + 16 * k)), keep);
    index = _mm_add_epi8(index, _mm_set1_epi8(16));
  }
  return v;
}

// One bit per digit index, set where the digit is not zero.
inline uint64_t NonzeroDigitBits(const DigitVectors& v) {
  const auto zeros = [&v](int k) {
    return uint64_t{static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v.part[k], _mm_setzero_si128())))};
  };
  return ~(zeros(0) | zeros(1) << 16 | zeros(2) << 32 | zeros(3) << 48);
}

// Four limbs (32-bit lanes) from the 32 digits of two parts: pairs of digits, then
// quads, then limbs, each step one multiply-add of 16-bit lanes (every partial value
// stays below 10^4, so the signed 16-bit lanes never overflow).
inline __m128i LimbsFromDigitParts(__m128i low, __m128i high) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i tens = _mm_set1_epi32(0x000A0001);       // lanes 1, 10
  const __m128i hundreds = _mm_set1_epi32(0x00640001);   // lanes 1, 100
  const __m128i myriads = _mm_set1_epi32(0x27100001);    // lanes 1, 10000
  const __m128i pairsLow = _mm_packs_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(low, zero), tens),
                                           _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), tens));
  const __m128i pairsHigh = _mm_packs_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(high, zero), tens),
                                            _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), tens));
  const __m128i quads = _mm_packs_epi32(_mm_madd_epi16(pairsLow, hundreds), _mm_madd_epi16(pairsHigh, hundreds));
  return _mm_madd_epi16(quads, myriads);
}

// Sixteen digit bytes from two limbs' worth of 16-bit lanes below 100 (lowest first).
inline __m128i DigitBytesFromPairs(__m128i pairs) {
  const __m128i tens = _mm_mulhi_epu16(pairs, _mm_set1_epi16(6554));  // x / 10 for x < 1639
  const __m128i ones = _mm_sub_epi16(pairs, _mm_mullo_epi16(tens, _mm_set1_epi16(10)));
  return _mm_or_si128(ones, _mm_slli_epi16(tens, 8));
}

// The 32 digits of four limbs (32-bit lanes below 10^8) into two parts.
inline void DigitPartsFromLimbs(__m128i limbs, __m128i& low, __m128i& high) {
  // limb / 10^4 as (limb * 0xD1B71759) >> 45, exact for every 32-bit limb.
  const __m128i magic = _mm_set1_epi32(static_cast<int>(0xD1B71759u));
  const __m128i even = _mm_srli_epi64(_mm_mul_epu32(limbs, magic), 45);
  const __m128i odd = _mm_srli_epi64(_mm_mul_epu32(_mm_srli_epi64(limbs, 32), magic), 45);
  const __m128i upper = _mm_or_si128(even, _mm_slli_epi64(odd, 32));
  const __m128i lower = _mm_sub_epi32(limbs, _mm_madd_epi16(upper, _mm_set1_epi32(10000)));
  // 16-bit lanes below 10^4, lowest first; each splits into two below 100 as
  // x / 100 = (x * 5243) >> 19.
  const __m128i quads = _mm_or_si128(lower, _mm_slli_epi32(upper, 16));
  const __m128i hundreds = _mm_srli_epi16(_mm_mulhi_epu16(quads, _mm_set1_epi16(5243)), 3);
  const __m128i units = _mm_sub_epi16(quads, _mm_mullo_epi16(hundreds, _mm_set1_epi16(100)));
  low = DigitBytesFromPairs(_mm_unpacklo_epi16(units, hundreds));
  high = DigitBytesFromPairs(_mm_unpackhi_epi16(units, hundreds));
}

inline void LimbsFromDigitVectors(const DigitVectors& v, uint32_t* limb) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(limb), LimbsFromDigitParts(v.part[0], v.part[1]));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(limb + 4), LimbsFromDigitParts(v.part[2], v.part[3]));
}

// The limbs are read one by one: they are usually just written one by one, and a
// 16-byte load of four fresh 4-byte stores would wait for them to reach the cache.
inline DigitVectors DigitVectorsFromLimbs(const uint32_t (&limb)[8]) {
  const auto lane = [&limb](int i) {
    uint32_t value = limb[i];
    asm("" : "+r"(value));  // keeps the compiler from merging the loads into one
    return static_cast<int>(value);
  };
  DigitVectors v;
  DigitPartsFromLimbs(_mm_setr_epi32(lane(0), lane(1), lane(2), lane(3)), v.part[0], v.part[1]);
  DigitPartsFromLimbs(_mm_setr_epi32(lane(4), lane(5), lane(6), lane(7)), v.part[2], v.part[3]);
  return v;
}

// Writes a whole Decimal: first one 4-byte store of digit 63 and the sign, low and
// high bytes after it, then the digits in four 16-byte stores. A record written this
// way and read back by DigitVectorsFromDecimal or CopyDecimal takes every load
// straight from the store that fully holds it; a plain struct copy's load of bytes
// 63..66 would span several stores and wait for them to reach the cache.
inline void StoreDecimal(Decimal& d, const __m128i (&part)[4], uint8_t sign, uint8_t low, uint8_t high) {
  const uint32_t digit63 = static_cast<uint32_t>(_mm_extract_epi16(part[3], 7)) >> 8;
  const uint32_t tail = digit63 | uint32_t{sign} << 8 | uint32_t{low} << 16 | uint32_t{high} << 24;
  std::memcpy(d.digit + kDecimalDigits - 1, &tail, sizeof tail);
  #pragma GCC unroll 4
  for (int k = 0; k < 4; ++k) _mm_storeu_si128(reinterpret_cast<__m128i*>(d.digit + 16 * k), part[k]);
}

// Copies a Decimal in the shape StoreDecimal writes.
inline void CopyDecimal(Decimal& to, const Decimal& from) {
  __m128i part[4];
  #pragma GCC unroll 4
  for (int k = 0; k < 4; ++k) part[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from.digit + 16 * k));
  StoreDecimal(to, part, from.sign, from.low, from.high);
}

// The Decimal of the digits: high is the highest nonzero index but at least 32, low
// the lowest but at most 32, and a zero carries no sign.
inline Decimal DecimalFromDigitVectors(const DigitVectors& v, uint8_t sign) {
  const uint64_t bits = NonzeroDigitBits(v);
  const int highest = bits ? 63 - std::countl_zero(bits) : kDecimalUnits;
  const int lowest = bits ? std::countr_zero(bits) : kDecimalUnits;
  Decimal d;
  StoreDecimal(d, v.part, sign != 0 && bits != 0 ? 1 : 0, static_cast<uint8_t>(std::min(lowest, kDecimalUnits)),
               static_cast<uint8_t>(std::max(highest, kDecimalUnits)));
  return d;
}

}  // namespace qor::rt
