// Addition, subtraction, multiplication and division of unpacked decimals, done on
// base 10^8 integers (the magnitude times 10^32) and converted back.
#include "runtime/values/decimal.h"
#include "runtime/values/decimal_limbs.h"

namespace qor::rt {
namespace {

uint8_t SignOf(const Decimal& d) { return d.sign ? 1 : 0; }

// a + (bNegative ? -|b| : |b|), with a's sign applied to a's magnitude.
Decimal SignedSum(const Decimal& a, const Decimal& b, uint8_t bSign) {
  Limbs x = LimbsFromDecimal(a);
  Limbs y = LimbsFromDecimal(b);
  uint8_t aSign = SignOf(a);
  if (aSign == bSign) return DecimalFromLimbs(LimbsAdd(x, y), aSign);
  if (LimbsCompare(x, y) >= 0) return DecimalFromLimbs(LimbsSubtract(x, y), aSign);
  return DecimalFromLimbs(LimbsSubtract(y, x), bSign);
}

// 10^31 as a base 10^8 integer: 10^7 in limb 3.
Limbs TenToTheDivisionPlaces() {
  Limbs r{};
  r.size = 4;
  r.limb[3] = 10000000u;
  return r;
}

}  // namespace

Decimal DecimalAdd(const Decimal& a, const Decimal& b) { return SignedSum(a, b, SignOf(b)); }

Decimal DecimalSubtract(const Decimal& a, const Decimal& b) { return SignedSum(a, b, SignOf(b) ^ 1); }

Decimal DecimalMultiply(const Decimal& a, const Decimal& b) {
  // Both magnitudes carry a factor 10^32; the product carries 10^64, so its four
  // lowest limbs are the digits below index 0, which are cut off.
  Limbs product = LimbsMultiply(LimbsFromDecimal(a), LimbsFromDecimal(b));
  Limbs scaled{};
  scaled.size = kDecimalLimbs;
  for (int i = 0; i < kDecimalLimbs; ++i) scaled.limb[i] = product.limb[i + 4];
  return DecimalFromLimbs(scaled, SignOf(a) ^ SignOf(b));
}

Decimal DecimalDivide(const Decimal& dividend, const Decimal& divisor) {
  Limbs a = LimbsFromDecimal(dividend);
  Limbs b = LimbsFromDecimal(divisor);
  LimbsTrim(b);
  if (b.size == 1 && b.limb[0] == 0) return DecimalZero();
  // q = round(a * 10^31 / b) = floor((2 * a * 10^31 + b) / (2 * b)), counted in
  // units of 10^-31; the result's magnitude times 10^32 is q * 10.
  Limbs numerator = LimbsAdd(LimbsMultiplySmall(LimbsMultiply(a, TenToTheDivisionPlaces()), 2), b);
  Limbs quotient = LimbsDivide(numerator, LimbsMultiplySmall(b, 2));
  return DecimalFromLimbs(LimbsMultiplySmall(quotient, 10), SignOf(dividend) ^ SignOf(divisor));
}

}  // namespace qor::rt
