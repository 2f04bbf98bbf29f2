// The unpacked decimal: normalisation, comparison, rounding and decimal shifts.
#include "runtime/values/decimal.h"

#include <algorithm>
#include <cstring>

namespace qor::rt {
namespace {

// Adds 1 at `index` with decimal carry upward; a carry beyond index 63 is dropped.
void AddOneAt(Decimal& d, int index) {
  for (int i = index; i < kDecimalDigits; ++i) {
    if (d.digit[i] < 9) {
      ++d.digit[i];
      return;
    }
    d.digit[i] = 0;
  }
}

// Clears every digit outside [low, high] so the array can be read position by
// position; the range is then the whole array.
void ClearOutsideRange(Decimal& d) {
  int low = std::clamp<int>(d.low, 0, kDecimalDigits);
  int high = std::clamp<int>(d.high, -1, kDecimalDigits - 1);
  if (high < low) {
    std::memset(d.digit, 0, sizeof d.digit);
  } else {
    std::memset(d.digit, 0, static_cast<std::size_t>(low));
    std::memset(d.digit + high + 1, 0, static_cast<std::size_t>(kDecimalDigits - 1 - high));
  }
  d.low = 0;
  d.high = kDecimalDigits - 1;
}

Decimal Expanded(const Decimal& d) {
  Decimal e = d;
  e.sign = d.sign ? 1 : 0;
  ClearOutsideRange(e);
  return e;
}

int CompareMagnitudes(const Decimal& a, const Decimal& b) {
  for (int i = kDecimalDigits - 1; i >= 0; --i) {
    int x = DecimalDigitAt(a, i), y = DecimalDigitAt(b, i);
    if (x != y) return x > y ? 1 : -1;
  }
  return 0;
}

}  // namespace

Decimal DecimalZero() {
  Decimal d;
  std::memset(&d, 0, sizeof d);
  d.low = d.high = kDecimalUnits;
  return d;
}

int DecimalDigitAt(const Decimal& d, int index) {
  if (index < 0 || index >= kDecimalDigits || index < d.low || index > d.high) return 0;
  return d.digit[index];
}

bool DecimalIsZero(const Decimal& d) {
  for (int i = std::max<int>(d.low, 0); i <= std::min<int>(d.high, kDecimalDigits - 1); ++i)
    if (d.digit[i] != 0) return false;
  return true;
}

void DecimalNormalize(Decimal& d) {
  ClearOutsideRange(d);
  DecimalSetRangeFromDigits(d);
}

void DecimalSetRangeFromDigits(Decimal& d) {
  int high = kDecimalDigits - 1;
  while (high > kDecimalUnits && d.digit[high] == 0) --high;
  int low = 0;
  while (low < kDecimalUnits && d.digit[low] == 0) ++low;
  d.low = static_cast<uint8_t>(low);
  d.high = static_cast<uint8_t>(high);
  if (d.sign && high == kDecimalUnits && low == kDecimalUnits && d.digit[kDecimalUnits] == 0) d.sign = 0;
  d.sign = d.sign ? 1 : 0;
}

int DecimalCompare(const Decimal& a, const Decimal& b) {
  bool aNegative = a.sign && !DecimalIsZero(a);
  bool bNegative = b.sign && !DecimalIsZero(b);
  if (aNegative != bNegative) return aNegative ? -1 : 1;
  int magnitude = CompareMagnitudes(a, b);
  return aNegative ? -magnitude : magnitude;
}

Decimal DecimalRound(const Decimal& d, int32_t places) {
  // Rounding below index 0 changes nothing; at or above index 64 nothing survives.
  int64_t newLow = int64_t{kDecimalUnits} - places;
  if (newLow <= 0) {
    Decimal r = d;
    DecimalNormalize(r);
    return r;
  }
  Decimal r = Expanded(d);
  if (newLow > kDecimalDigits) return DecimalZero();
  bool roundUp = r.digit[newLow - 1] >= 5;
  for (int i = 0; i < newLow; ++i) r.digit[i] = 0;
  if (roundUp && newLow < kDecimalDigits) AddOneAt(r, static_cast<int>(newLow));
  DecimalNormalize(r);
  return r;
}

Decimal DecimalScaleByPowerOfTen(const Decimal& d, int32_t exponent) {
  Decimal source = Expanded(d);
  Decimal r = Expanded(DecimalZero());
  r.sign = source.sign;
  if (exponent >= 0) {
    for (int i = 0; i + int64_t{exponent} < kDecimalDigits; ++i) r.digit[i + exponent] = source.digit[i];
    DecimalNormalize(r);
    return r;
  }
  // Dividing: shift down, then round at 31 places on the first digit that falls
  // below them.
  int64_t shift = -int64_t{exponent};
  for (int i = 0; i < kDecimalDigits; ++i)
    if (i - shift >= 0) r.digit[i - shift] = source.digit[i];
  int firstDropped = static_cast<int>(int64_t{kDecimalUnits - kDecimalDivisionPlaces - 1} + shift);
  bool roundUp = firstDropped < kDecimalDigits && source.digit[firstDropped] >= 5;
  r.digit[0] = 0;
  if (roundUp) AddOneAt(r, kDecimalUnits - kDecimalDivisionPlaces);
  DecimalNormalize(r);
  return r;
}

}  // namespace qor::rt
