// Addition, subtraction, multiplication and division of unpacked decimals. Sums and
// differences are formed on the digits themselves, all at once in vectors (eight at a
// time in words where vectors are missing); products and
// quotients on base 10^8 integers (the magnitude times 10^32). Either way only the
// words or limbs that hold digits in use take part in the arithmetic.
#include <algorithm>
#include <cstring>

#include "runtime/values/decimal.h"
#include "runtime/values/decimal_digit_words.h"
#if defined(__SSE2__)
#include "runtime/values/decimal_digit_sums.h"
#endif
#include "runtime/values/decimal_limbs.h"

namespace qor::rt {
namespace {

uint8_t SignOf(const Decimal& d) { return d.sign ? 1 : 0; }

#if defined(__SSE2__)
// a + (bSign ? -|b| : |b|), with a's sign applied to a's magnitude: equal signs add
// the magnitudes, different signs subtract the smaller from the larger, all 64
// digits at once.
Decimal SignedSum(const Decimal& a, const Decimal& b, uint8_t bSign) {
  const DigitVectors x = DigitVectorsFromDecimal(a);
  const DigitVectors y = DigitVectorsFromDecimal(b);
  const uint8_t aSign = SignOf(a);
  if (aSign == bSign) return DecimalFromDigitVectors(SumOfMagnitudes(x, y), aSign);
  if (MagnitudeBelow(x, y)) return DecimalFromDigitVectors(DifferenceOfMagnitudes(y, x), bSign);
  return DecimalFromDigitVectors(DifferenceOfMagnitudes(x, y), aSign);
}
#else
// Compares two magnitudes over the words either may use.
int CompareMagnitudes(const DigitWords& x, const DigitWords& y, int first, int last) {
  for (int w = last; w >= first; --w)
    if (x.word[w] != y.word[w]) return x.word[w] > y.word[w] ? 1 : -1;
  return 0;
}

// a + (bSign ? -|b| : |b|), with a's sign applied to a's magnitude. Equal signs add
// the magnitudes; different signs subtract the smaller from the larger as the larger
// plus the nines' complement of the smaller plus one, the carry out dropped.
Decimal SignedSum(const Decimal& a, const Decimal& b, uint8_t bSign) {
  const DigitWords x = DigitWordsFromDecimal(a);
  const DigitWords y = DigitWordsFromDecimal(b);
  const uint8_t aSign = SignOf(a);
  if (x.Empty()) return DecimalFromDigitWords(y.word, y.firstWord, y.lastWord, bSign);
  if (y.Empty()) return DecimalFromDigitWords(x.word, x.firstWord, x.lastWord, aSign);
  const int first = std::min(x.firstWord, y.firstWord);
  const int last = std::max(x.lastWord, y.lastWord);
  uint64_t sum[kDigitWords] = {};
  if (aSign == bSign) {
    uint64_t carry = 0;
    for (int w = first; w <= last; ++w) sum[w] = AddDigitWords(x.word[w], y.word[w], carry);
    // A carry beyond the highest digit is dropped with the digits above index 63.
    if (last + 1 < kDigitWords) sum[last + 1] = carry;
    return DecimalFromDigitWords(sum, first, std::min(last + 1, kDigitWords - 1), aSign);
  }
  const bool aLarger = CompareMagnitudes(x, y, first, last) >= 0;
  const DigitWords& larger = aLarger ? x : y;
  const DigitWords& smaller = aLarger ? y : x;
  uint64_t carry = 1;
  for (int w = first; w <= last; ++w) sum[w] = AddDigitWords(larger.word[w], ComplementDigitWord(smaller.word[w]), carry);
  return DecimalFromDigitWords(sum, first, last, aLarger ? aSign : bSign);
}
#endif

// Limb i of the divisor's magnitude times 10^32 stands at 10^(8i); the dividend is
// scaled by 2 * 10^31 = 2 * 10^7 * 10^(8*3).
constexpr uint32_t kTwiceTenToTheSeven = 20000000u;
constexpr int kDivisionLimbShift = 3;

}  // namespace

Decimal DecimalAdd(const Decimal& a, const Decimal& b) { return SignedSum(a, b, SignOf(b)); }

Decimal DecimalSubtract(const Decimal& a, const Decimal& b) { return SignedSum(a, b, SignOf(b) ^ 1); }

// The exact product of two magnitudes of at most four limbs each, in eight limbs.
// The columns are summed first (each below 4 * 10^16); carrying them then takes two
// rounds of splits that do not depend on one another and a final chain that only
// compares, so no column waits for the division of the one below.
void MultiplyFourByFour(const uint32_t* x, const uint32_t* y, uint32_t (&product)[8]) {
  const auto p = [x, y](int i, int j) { return uint64_t{x[i]} * y[j]; };
  const uint64_t column[8] = {p(0, 0),
                              p(0, 1) + p(1, 0),
                              p(0, 2) + p(1, 1) + p(2, 0),
                              p(0, 3) + p(1, 2) + p(2, 1) + p(3, 0),
                              p(1, 3) + p(2, 2) + p(3, 1),
                              p(2, 3) + p(3, 2),
                              p(3, 3),
                              0};
  uint64_t carry = 0;
  for (int k = 0; k < 8; ++k) {
    const uint64_t t = column[k] + carry;
    carry = t / kLimbBase;
    product[k] = static_cast<uint32_t>(t - carry * kLimbBase);
  }
}

// Both magnitudes carry a factor 10^32; the product carries 10^64, so its four
// lowest limbs are the digits below index 0, which are cut off, and limbs from 12 on
// are the digits above index 63, which are dropped.
Decimal DecimalMultiply(const Decimal& a, const Decimal& b) {
  constexpr int kCut = 4, kKept = kCut + kDecimalLimbs;
  const LimbFrame x = LimbFrameFromDecimal(a);
  const LimbFrame y = LimbFrameFromDecimal(b);
  if (x.IsZero() || y.IsZero()) return DecimalZero();
  uint32_t product[kDecimalLimbs] = {};
  const int first = x.low + y.low;
  if (x.high - x.low < 4 && y.high - y.low < 4) {
    // Limb j of the short product is limb first + j of the whole one.
    uint32_t shortProduct[8];
    MultiplyFourByFour(x.limb + x.low, y.limb + y.low, shortProduct);
    for (int r = 0; r < kDecimalLimbs; ++r) {
      const unsigned j = static_cast<unsigned>(r + kCut - first);
      product[r] = j < 8 ? shortProduct[j] : 0;
    }
    return DecimalFromLimbs(product, SignOf(a) ^ SignOf(b));
  }
  // Column by column, each column's products summed in a register with the carry
  // from the column below: at most eight products below 10^16, no overflow.
  uint64_t carry = 0;
  for (int k = first; k < kKept; ++k) {
    uint64_t t = 0;
    const int iLast = std::min(x.high, k - y.low);
    for (int i = std::max(x.low, k - y.high); i <= iLast; ++i) t += uint64_t{x.limb[i]} * y.limb[k - i];
    t += carry;
    carry = t / kLimbBase;
    if (k >= kCut) product[k - kCut] = static_cast<uint32_t>(t - carry * kLimbBase);
  }
  return DecimalFromLimbs(product, SignOf(a) ^ SignOf(b));
}

// The quotient in units of 10^-31, rounded half away from zero, is
// q = floor((2 * |a| * 10^31 + |b|) / (2 * |b|)); the result's magnitude times 10^32
// is q * 10. When |b| ends in k zero limbs, dropping the k lowest limbs of both the
// numerator and the divisor leaves the floor unchanged, so the division runs on the
// limbs in use only.
Decimal DecimalDivide(const Decimal& dividend, const Decimal& divisor) {
  const LimbFrame x = LimbFrameFromDecimal(dividend);
  LimbFrame y = LimbFrameFromDecimal(divisor);
  if (y.IsZero()) return DecimalZero();
  const int dropped = y.low;

  // The divisor 2 * |b|, without its zero limbs at the bottom.
  uint32_t twiceB[kDecimalLimbs + 1];
  int divisorSize = y.high - dropped + 1;
  uint32_t carry = 0;
  for (int l = 0; l < divisorSize; ++l) {
    const uint32_t t = y.limb[dropped + l] * 2 + carry;
    carry = t >= kLimbBase;
    twiceB[l] = carry ? t - kLimbBase : t;
  }
  if (carry != 0) twiceB[divisorSize++] = carry;

  // The numerator: 2 * 10^7 * |a| placed 3 limbs up, less the dropped limbs, plus |b|.
  uint32_t numerator[kMaxLimbs] = {};
  int numeratorSize = y.high - dropped + 2;  // room for |b| and its carry
  if (!x.IsZero()) {
    uint64_t spill = 0;
    for (int l = x.low; l <= x.high + 1; ++l) {
      const uint64_t t = uint64_t{l <= x.high ? x.limb[l] : 0u} * kTwiceTenToTheSeven + spill;
      spill = t / kLimbBase;
      const int at = l + kDivisionLimbShift - dropped;
      if (at >= 0) numerator[at] = static_cast<uint32_t>(t % kLimbBase);
    }
    numeratorSize = std::max(numeratorSize, x.high + 2 + kDivisionLimbShift - dropped);
  }
  carry = 0;
  for (int l = 0; l < numeratorSize; ++l) {
    const uint32_t t = numerator[l] + (l <= y.high - dropped ? y.limb[dropped + l] : 0u) + carry;
    carry = t >= kLimbBase;
    numerator[l] = carry ? t - kLimbBase : t;
  }
  while (numeratorSize > 1 && numerator[numeratorSize - 1] == 0) --numeratorSize;

  uint32_t quotient[kMaxLimbs] = {};
  LimbsDivide(numerator, numeratorSize, twiceB, divisorSize, quotient);

  // q * 10, of which the lowest eight limbs are kept.
  uint32_t low[kDecimalLimbs];
  std::memcpy(low, quotient, sizeof low);
  return DecimalFromLimbsTimesTen(low, SignOf(dividend) ^ SignOf(divisor));
}

}  // namespace qor::rt
