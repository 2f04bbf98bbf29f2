// Base 10^8 integers for the decimal arithmetic.
#include "runtime/values/decimal_limbs.h"

#include <algorithm>
#include <cstring>

namespace qor::rt {
namespace {

Limbs EmptyLimbs(int size) {
  Limbs r;
  std::memset(r.limb, 0, sizeof r.limb);
  r.size = size;
  return r;
}

uint32_t LimbAt(const Limbs& a, int i) { return i < a.size ? a.limb[i] : 0; }

// Divides by a single limb; used when the divisor has one significant limb.
Limbs DivideBySmall(const Limbs& u, uint32_t v) {
  Limbs q = EmptyLimbs(u.size);
  uint64_t remainder = 0;
  for (int i = u.size - 1; i >= 0; --i) {
    uint64_t current = remainder * kLimbBase + u.limb[i];
    q.limb[i] = static_cast<uint32_t>(current / v);
    remainder = current % v;
  }
  LimbsTrim(q);
  return q;
}

// Subtracts q*v from u starting at limb j; returns true when the result went
// negative (the caller then adds v back once).
bool MultiplySubtract(Limbs& u, const Limbs& v, uint64_t q, int j) {
  int64_t borrow = 0;
  uint64_t carry = 0;
  for (int i = 0; i < v.size; ++i) {
    uint64_t product = q * v.limb[i] + carry;
    carry = product / kLimbBase;
    int64_t t = static_cast<int64_t>(u.limb[i + j]) - static_cast<int64_t>(product % kLimbBase) + borrow;
    borrow = t < 0 ? -1 : 0;
    u.limb[i + j] = static_cast<uint32_t>(t < 0 ? t + kLimbBase : t);
  }
  int64_t t = static_cast<int64_t>(u.limb[j + v.size]) - static_cast<int64_t>(carry) + borrow;
  u.limb[j + v.size] = static_cast<uint32_t>(t < 0 ? t + kLimbBase : t);
  return t < 0;
}

void AddBack(Limbs& u, const Limbs& v, int j) {
  uint32_t carry = 0;
  for (int i = 0; i < v.size; ++i) {
    uint32_t t = u.limb[i + j] + v.limb[i] + carry;
    carry = t >= kLimbBase;
    u.limb[i + j] = carry ? t - kLimbBase : t;
  }
  u.limb[j + v.size] = (u.limb[j + v.size] + carry) % kLimbBase;
}

// Estimates the quotient limb at position j (long division with a two-limb guess
// corrected against the next divisor limb).
uint64_t EstimateQuotientLimb(const Limbs& u, const Limbs& v, int j) {
  const int n = v.size;
  uint64_t top = static_cast<uint64_t>(u.limb[j + n]) * kLimbBase + u.limb[j + n - 1];
  uint64_t qhat = top / v.limb[n - 1];
  uint64_t rhat = top % v.limb[n - 1];
  while (qhat >= kLimbBase ||
         qhat * v.limb[n - 2] > rhat * kLimbBase + u.limb[j + n - 2]) {
    --qhat;
    rhat += v.limb[n - 1];
    if (rhat >= kLimbBase) break;
  }
  return qhat;
}

}  // namespace

Limbs LimbsFromDecimal(const Decimal& d) {
  Limbs r = EmptyLimbs(kDecimalLimbs);
  int low = std::max<int>(d.low, 0);
  int high = std::min<int>(d.high, kDecimalDigits - 1);
  for (int i = high; i >= low; --i) {
    uint32_t& limb = r.limb[i / 8];
    static constexpr uint32_t kPower[8] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
    limb += d.digit[i] * kPower[i % 8];
  }
  return r;
}

Decimal DecimalFromLimbs(const Limbs& magnitude, uint8_t sign) {
  Decimal d;
  for (int l = 0; l < kDecimalLimbs; ++l) {
    uint32_t value = LimbAt(magnitude, l);
    uint8_t* digits = d.digit + l * 8;
    if (value == 0) {
      std::memset(digits, 0, 8);
      continue;
    }
    // Two halves of four digits keep every division within 16 bits.
    uint32_t halves[2] = {value % 10000, value / 10000};
    for (int h = 0; h < 2; ++h)
      for (int k = 0; k < 4; ++k, halves[h] /= 10) digits[h * 4 + k] = static_cast<uint8_t>(halves[h] % 10);
  }
  d.sign = sign;
  DecimalSetRangeFromDigits(d);
  return d;
}

void LimbsTrim(Limbs& a) {
  while (a.size > 1 && a.limb[a.size - 1] == 0) --a.size;
}

int LimbsCompare(const Limbs& a, const Limbs& b) {
  for (int i = std::max(a.size, b.size) - 1; i >= 0; --i) {
    uint32_t x = LimbAt(a, i), y = LimbAt(b, i);
    if (x != y) return x > y ? 1 : -1;
  }
  return 0;
}

Limbs LimbsAdd(const Limbs& a, const Limbs& b) {
  int size = std::max(a.size, b.size);
  Limbs r = EmptyLimbs(std::min(size + 1, kMaxLimbs));
  uint32_t carry = 0;
  for (int i = 0; i < size; ++i) {
    uint32_t t = LimbAt(a, i) + LimbAt(b, i) + carry;
    carry = t >= kLimbBase;
    r.limb[i] = carry ? t - kLimbBase : t;
  }
  if (size < kMaxLimbs) r.limb[size] = carry;
  return r;
}

Limbs LimbsSubtract(const Limbs& larger, const Limbs& smaller) {
  Limbs r = EmptyLimbs(larger.size);
  int32_t borrow = 0;
  for (int i = 0; i < larger.size; ++i) {
    int32_t t = static_cast<int32_t>(larger.limb[i]) - static_cast<int32_t>(LimbAt(smaller, i)) - borrow;
    borrow = t < 0;
    r.limb[i] = static_cast<uint32_t>(borrow ? t + static_cast<int32_t>(kLimbBase) : t);
  }
  return r;
}

Limbs LimbsMultiply(const Limbs& a, const Limbs& b) {
  Limbs r = EmptyLimbs(std::min(a.size + b.size, kMaxLimbs));
  uint64_t column[2 * kMaxLimbs] = {};
  for (int i = 0; i < a.size; ++i) {
    if (a.limb[i] == 0) continue;
    for (int j = 0; j < b.size && i + j < kMaxLimbs; ++j) {
      // At most kMaxLimbs products below 10^16 each: no column can overflow.
      column[i + j] += static_cast<uint64_t>(a.limb[i]) * b.limb[j];
    }
  }
  uint64_t carry = 0;
  for (int k = 0; k < r.size; ++k) {
    uint64_t t = column[k] + carry;
    r.limb[k] = static_cast<uint32_t>(t % kLimbBase);
    carry = t / kLimbBase;
  }
  return r;
}

Limbs LimbsMultiplySmall(const Limbs& a, uint32_t factor) {
  Limbs r = EmptyLimbs(std::min(a.size + 1, kMaxLimbs));
  uint64_t carry = 0;
  for (int i = 0; i < r.size; ++i) {
    uint64_t t = static_cast<uint64_t>(LimbAt(a, i)) * factor + carry;
    r.limb[i] = static_cast<uint32_t>(t % kLimbBase);
    carry = t / kLimbBase;
  }
  return r;
}

Limbs LimbsShiftUp(const Limbs& a, int count) {
  Limbs r = EmptyLimbs(std::min(a.size + count, kMaxLimbs));
  for (int i = 0; i < a.size && i + count < kMaxLimbs; ++i) r.limb[i + count] = a.limb[i];
  return r;
}

Limbs LimbsDivide(const Limbs& numerator, const Limbs& divisor) {
  Limbs v = divisor;
  LimbsTrim(v);
  Limbs u = numerator;
  LimbsTrim(u);
  if (v.size == 1) return DivideBySmall(u, v.limb[0]);
  if (LimbsCompare(u, v) < 0) return EmptyLimbs(1);

  // Scale both so that the divisor's leading limb is at least half the base.
  uint32_t scale = kLimbBase / (v.limb[v.size - 1] + 1);
  v = LimbsMultiplySmall(v, scale);
  LimbsTrim(v);
  int m = u.size - v.size;
  u = LimbsMultiplySmall(u, scale);
  u.size = m + v.size + 1;  // the scaled dividend gains one limb

  Limbs q = EmptyLimbs(m + 1);
  for (int j = m; j >= 0; --j) {
    uint64_t qhat = EstimateQuotientLimb(u, v, j);
    if (MultiplySubtract(u, v, qhat, j)) {
      --qhat;
      AddBack(u, v, j);
    }
    q.limb[j] = static_cast<uint32_t>(qhat);
  }
  LimbsTrim(q);
  return q;
}

}  // namespace qor::rt
