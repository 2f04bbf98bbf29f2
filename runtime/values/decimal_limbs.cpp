// Base 10^8 integers for the decimal arithmetic.
#include "runtime/values/decimal_limbs.h"

#include <algorithm>
#include <cstring>

namespace qor::rt {
namespace {

// Divides by a single limb.
void DivideBySmall(const uint32_t* u, int uSize, uint32_t v, uint32_t* quotient) {
  uint64_t remainder = 0;
  for (int i = uSize - 1; i >= 0; --i) {
    const uint64_t current = remainder * kLimbBase + u[i];
    quotient[i] = static_cast<uint32_t>(current / v);
    remainder = current % v;
  }
}

// u := u * factor for a factor below the base; returns the limb carried out.
uint32_t MultiplyInPlace(uint32_t* u, int size, uint32_t factor) {
  uint64_t carry = 0;
  for (int i = 0; i < size; ++i) {
    const uint64_t t = uint64_t{u[i]} * factor + carry;
    u[i] = static_cast<uint32_t>(t % kLimbBase);
    carry = t / kLimbBase;
  }
  return static_cast<uint32_t>(carry);
}

// Subtracts q*v from u starting at limb j; returns true when the result went
// negative (the caller then adds v back once).
bool MultiplySubtract(uint32_t* u, const uint32_t* v, int n, uint64_t q, int j) {
  int64_t borrow = 0;
  uint64_t carry = 0;
  for (int i = 0; i < n; ++i) {
    const uint64_t product = q * v[i] + carry;
    carry = product / kLimbBase;
    const int64_t t = int64_t{u[i + j]} - static_cast<int64_t>(product % kLimbBase) + borrow;
    borrow = t < 0 ? -1 : 0;
    u[i + j] = static_cast<uint32_t>(t < 0 ? t + kLimbBase : t);
  }
  const int64_t t = int64_t{u[j + n]} - static_cast<int64_t>(carry) + borrow;
  u[j + n] = static_cast<uint32_t>(t < 0 ? t + kLimbBase : t);
  return t < 0;
}

void AddBack(uint32_t* u, const uint32_t* v, int n, int j) {
  uint32_t carry = 0;
  for (int i = 0; i < n; ++i) {
    const uint32_t t = u[i + j] + v[i] + carry;
    carry = t >= kLimbBase;
    u[i + j] = carry ? t - kLimbBase : t;
  }
  u[j + n] = (u[j + n] + carry) % kLimbBase;
}

// Estimates the quotient limb at position j (long division with a two-limb guess
// corrected against the next divisor limb).
uint64_t EstimateQuotientLimb(const uint32_t* u, const uint32_t* v, int n, int j) {
  const uint64_t top = uint64_t{u[j + n]} * kLimbBase + u[j + n - 1];
  uint64_t qhat = top / v[n - 1];
  uint64_t rhat = top % v[n - 1];
  while (qhat >= kLimbBase || qhat * v[n - 2] > rhat * kLimbBase + u[j + n - 2]) {
    --qhat;
    rhat += v[n - 1];
    if (rhat >= kLimbBase) break;
  }
  return qhat;
}

}  // namespace

#if defined(__SSE2__)
Decimal DecimalFromLimbs(const uint32_t (&limb)[kDecimalLimbs], uint8_t sign) {
  return DecimalFromDigitVectors(DigitVectorsFromLimbs(limb), sign);
}

// Ten times the magnitude is its digits one place up: every vector moves up a byte
// and takes the top byte of the one below.
Decimal DecimalFromLimbsTimesTen(const uint32_t (&limb)[kDecimalLimbs], uint8_t sign) {
  const DigitVectors digits = DigitVectorsFromLimbs(limb);
  DigitVectors shifted;
  shifted.part[0] = _mm_slli_si128(digits.part[0], 1);
  for (int k = 1; k < 4; ++k)
    shifted.part[k] = _mm_or_si128(_mm_slli_si128(digits.part[k], 1), _mm_srli_si128(digits.part[k - 1], 15));
  return DecimalFromDigitVectors(shifted, sign);
}
#else
Decimal DecimalFromLimbs(const uint32_t (&limb)[kDecimalLimbs], uint8_t sign) {
  uint64_t words[kDigitWords];
  for (int l = 0; l < kDecimalLimbs; ++l) words[l] = DigitBytesFromLimb(limb[l]);
  return DecimalFromDigitWords(words, 0, kDigitWords - 1, sign);
}

Decimal DecimalFromLimbsTimesTen(const uint32_t (&limb)[kDecimalLimbs], uint8_t sign) {
  uint64_t words[kDigitWords];
  uint64_t below = 0;
  for (int l = 0; l < kDecimalLimbs; ++l) {
    const uint64_t bytes = DigitBytesFromLimb(limb[l]);
    words[l] = bytes << 8 | below >> 56;
    below = bytes;
  }
  return DecimalFromDigitWords(words, 0, kDigitWords - 1, sign);
}
#endif

void LimbFrameTrim(LimbFrame& frame) {
  while (frame.high >= frame.low && frame.limb[frame.high] == 0) --frame.high;
  while (frame.low <= frame.high && frame.limb[frame.low] == 0) ++frame.low;
}

void LimbsDivide(uint32_t* u, int uSize, const uint32_t* divisor, int vSize, uint32_t* quotient) {
  if (uSize < vSize) {
    quotient[0] = 0;
    return;
  }
  if (vSize == 1) {
    DivideBySmall(u, uSize, divisor[0], quotient);
    return;
  }
  // Scale both so that the divisor's leading limb is at least half the base; the
  // scaled dividend gains one limb.
  uint32_t v[kMaxLimbs];
  std::memcpy(v, divisor, sizeof(uint32_t) * static_cast<std::size_t>(vSize));
  const uint32_t scale = kLimbBase / (v[vSize - 1] + 1);
  MultiplyInPlace(v, vSize, scale);
  u[uSize] = MultiplyInPlace(u, uSize, scale);
  for (int j = uSize - vSize; j >= 0; --j) {
    uint64_t qhat = EstimateQuotientLimb(u, v, vSize, j);
    if (MultiplySubtract(u, v, vSize, qhat, j)) {
      --qhat;
      AddBack(u, v, vSize, j);
    }
    quotient[j] = static_cast<uint32_t>(qhat);
  }
}

}  // namespace qor::rt
