#pragma once
// Working form of the decimal arithmetic: a magnitude as an unsigned integer in base
// 10^8, least significant limb first. A Decimal's magnitude times 10^32 is such an
// integer of 8 limbs, limb i holding digit indexes 8i..8i+7, so products, quotients
// and alignment need no digit-by-digit work.
#include <cstdint>

#include "runtime/values/decimal.h"

namespace qor::rt {

inline constexpr uint32_t kLimbBase = 100000000u;
inline constexpr int kDecimalLimbs = 8;  // 64 digits
inline constexpr int kMaxLimbs = 20;     // room for every intermediate

struct Limbs {
  uint32_t limb[kMaxLimbs];
  int size;  // limbs in use; may include leading zero limbs
};

Limbs LimbsFromDecimal(const Decimal& d);
// Keeps the lowest 8 limbs (digits above index 63 are dropped).
Decimal DecimalFromLimbs(const Limbs& magnitude, uint8_t sign);

// Drops leading zero limbs (keeps at least one).
void LimbsTrim(Limbs& a);
int LimbsCompare(const Limbs& a, const Limbs& b);
Limbs LimbsAdd(const Limbs& a, const Limbs& b);
Limbs LimbsSubtract(const Limbs& larger, const Limbs& smaller);  // larger >= smaller
Limbs LimbsMultiply(const Limbs& a, const Limbs& b);
Limbs LimbsMultiplySmall(const Limbs& a, uint32_t factor);  // factor < kLimbBase
// Shifts up by whole limbs (multiplies by 10^(8*count)).
Limbs LimbsShiftUp(const Limbs& a, int count);
// floor(numerator / divisor); the divisor must not be zero.
Limbs LimbsDivide(const Limbs& numerator, const Limbs& divisor);

}  // namespace qor::rt
