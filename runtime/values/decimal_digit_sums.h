#pragma once
// Sums and differences of two magnitudes held as digit vectors (one digit 0..9 a
// byte, 64 digits), formed on all digits at once: the digits are added or subtracted
// lane by lane, and the carries (or borrows) between them come from two bit masks,
// one bit per digit: the digits that pass on a carry of their own and the digits that
// pass on one they receive. A carry beyond index 63 is dropped.
#include <emmintrin.h>

#include <cstdint>

#include "runtime/values/decimal_digit_vectors.h"

namespace qor::rt {

// Sixteen bytes, 0xFF where the matching bit of the 16 is set.
inline __m128i BytesFromBits(uint32_t bits) {
  __m128i v = _mm_cvtsi32_si128(static_cast<int>(bits));
  v = _mm_unpacklo_epi8(v, v);
  v = _mm_unpacklo_epi16(v, v);
  v = _mm_unpacklo_epi32(v, v);  // the low byte of the bits in bytes 0..7, the high in 8..15
  const __m128i select = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
  return _mm_cmpeq_epi8(_mm_and_si128(v, select), select);
}

// One bit per digit: where `lanes` has a byte of all ones.
inline uint64_t BitsFromBytes(const __m128i (&lanes)[4]) {
  uint64_t bits = 0;
  #pragma GCC unroll 4
  for (int k = 0; k < 4; ++k) bits |= uint64_t{static_cast<uint32_t>(_mm_movemask_epi8(lanes[k]))} << (16 * k);
  return bits;
}

// The digits that receive a carry, given those that make one (`generate`) and those
// that pass one on (`propagate`, disjoint from `generate`): a carry made below enters
// the digit above and runs through the passing digits as a binary carry does.
inline uint64_t CarriesIn(uint64_t generate, uint64_t propagate) {
  return ((generate << 1) + propagate) ^ propagate;
}

// |x| + |y|.
inline DigitVectors SumOfMagnitudes(const DigitVectors& x, const DigitVectors& y) {
  const __m128i nine = _mm_set1_epi8(9), ten = _mm_set1_epi8(10);
  __m128i sum[4], makes[4], passes[4];
  #pragma GCC unroll 4
  for (int k = 0; k < 4; ++k) {
    sum[k] = _mm_add_epi8(x.part[k], y.part[k]);  // 0..18
    makes[k] = _mm_cmpgt_epi8(sum[k], nine);
    passes[k] = _mm_cmpeq_epi8(sum[k], nine);
  }
  const uint64_t carries = CarriesIn(BitsFromBytes(makes), BitsFromBytes(passes));
  DigitVectors r;
  #pragma GCC unroll 4
  for (int k = 0; k < 4; ++k) {
    // Adding a carry subtracts its all-ones byte; 10..19 then lose 10.
    const __m128i s = _mm_sub_epi8(sum[k], BytesFromBits(static_cast<uint32_t>(carries >> (16 * k)) & 0xFFFF));
    r.part[k] = _mm_sub_epi8(s, _mm_and_si128(_mm_cmpgt_epi8(s, nine), ten));
  }
  return r;
}

// |x| - |y| for |x| >= |y|.
inline DigitVectors DifferenceOfMagnitudes(const DigitVectors& x, const DigitVectors& y) {
  const __m128i zero = _mm_setzero_si128(), ten = _mm_set1_epi8(10);
  __m128i difference[4], makes[4], passes[4];
  #pragma GCC unroll 4
  for (int k = 0; k < 4; ++k) {
    difference[k] = _mm_sub_epi8(x.part[k], y.part[k]);  // -9..9
    makes[k] = _mm_cmpgt_epi8(zero, difference[k]);
    passes[k] = _mm_cmpeq_epi8(difference[k], zero);
  }
  const uint64_t borrows = CarriesIn(BitsFromBytes(makes), BitsFromBytes(passes));
  DigitVectors r;
  #pragma GCC unroll 4
  for (int k = 0; k < 4; ++k) {
    // Taking a borrow adds its all-ones byte; -10..-1 then gain 10.
    const __m128i d = _mm_add_epi8(difference[k], BytesFromBits(static_cast<uint32_t>(borrows >> (16 * k)) & 0xFFFF));
    r.part[k] = _mm_add_epi8(d, _mm_and_si128(_mm_cmpgt_epi8(zero, d), ten));
  }
  return r;
}

// |x| < |y|: the magnitude whose digits are larger at the highest place where they
// differ is the larger, so the masks of larger digits compare as the numbers do.
inline bool MagnitudeBelow(const DigitVectors& x, const DigitVectors& y) {
  __m128i above[4], below[4];
  #pragma GCC unroll 4
  for (int k = 0; k < 4; ++k) {
    above[k] = _mm_cmpgt_epi8(x.part[k], y.part[k]);
    below[k] = _mm_cmpgt_epi8(y.part[k], x.part[k]);
  }
  return BitsFromBytes(above) < BitsFromBytes(below);
}

}  // namespace qor::rt
