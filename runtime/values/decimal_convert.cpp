// Decimal <-> LONG, ULONG, packed decimal and REAL.
#include "runtime/values/decimal_convert.h"

#include <cmath>
#include <cstdio>

#include "runtime/values/decimal_text.h"

namespace qor::rt {
namespace {

constexpr uint8_t kNegativeNibble = 0xD;
constexpr uint8_t kTrailingPositiveNibble = 0xC;

int NibbleAt(const uint8_t* bytes, int nibble) {
  uint8_t b = bytes[nibble / 2];
  return nibble % 2 == 0 ? b >> 4 : b & 0x0F;
}

void SetNibble(uint8_t* bytes, int nibble, int value) {
  uint8_t& b = bytes[nibble / 2];
  b = nibble % 2 == 0 ? static_cast<uint8_t>((b & 0x0F) | (value << 4))
                      : static_cast<uint8_t>((b & 0xF0) | value);
}

// Reads `count` digit nibbles starting at nibble `first`; the last one is the
// digit of 10^-places.
Decimal DigitsFromNibbles(const uint8_t* bytes, int first, int count, int32_t places, bool negative) {
  Decimal d = DecimalZero();
  d.low = 0;
  d.high = kDecimalDigits - 1;
  for (int k = 0; k < count; ++k) {
    int nibble = NibbleAt(bytes, first + count - 1 - k);
    int64_t index = int64_t{kDecimalUnits} - places + k;
    if (index >= 0 && index < kDecimalDigits) d.digit[index] = static_cast<uint8_t>(nibble <= 9 ? nibble : 0);
  }
  d.sign = negative ? 1 : 0;
  DecimalNormalize(d);
  return d;
}

void DigitsToNibbles(const Decimal& d, uint8_t* bytes, int first, int count, int32_t places) {
  Decimal r = DecimalRound(d, places);
  for (int k = 0; k < count; ++k) {
    int64_t index = int64_t{kDecimalUnits} - places + k;
    int digit = (index >= 0 && index < kDecimalDigits) ? DecimalDigitAt(r, static_cast<int>(index)) : 0;
    SetNibble(bytes, first + count - 1 - k, digit);
  }
}

Decimal DecimalFromMagnitude(uint32_t magnitude, bool negative) {
  Decimal d = DecimalZero();
  int index = kDecimalUnits;
  do {
    d.digit[index] = static_cast<uint8_t>(magnitude % 10);
    d.high = static_cast<uint8_t>(index++);
    magnitude /= 10;
  } while (magnitude != 0);
  d.sign = negative ? 1 : 0;
  return d;
}

}  // namespace

Decimal DecimalFromLong(int32_t value) {
  uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  return DecimalFromMagnitude(magnitude, value < 0);
}

Decimal DecimalFromUlong(uint32_t value) { return DecimalFromMagnitude(value, false); }

Decimal DecimalFromPacked(const void* address, int32_t byteLength, int32_t places) {
  if (!address || byteLength <= 0) return DecimalZero();
  auto bytes = static_cast<const uint8_t*>(address);
  return DigitsFromNibbles(bytes, 1, 2 * byteLength - 1, places, NibbleAt(bytes, 0) != 0);
}

Decimal DecimalFromPackedTrailingSign(const void* address, int32_t byteLength, int32_t places) {
  if (!address || byteLength <= 0) return DecimalZero();
  auto bytes = static_cast<const uint8_t*>(address);
  bool negative = NibbleAt(bytes, 2 * byteLength - 1) == kNegativeNibble;
  return DigitsFromNibbles(bytes, 0, 2 * byteLength - 1, places, negative);
}

void DecimalToPacked(const Decimal& d, void* address, int32_t byteLength, int32_t places) {
  if (!address || byteLength <= 0) return;
  auto bytes = static_cast<uint8_t*>(address);
  DigitsToNibbles(d, bytes, 1, 2 * byteLength - 1, places);
  bool negative = DecimalRound(d, places).sign != 0;
  SetNibble(bytes, 0, negative ? kNegativeNibble : 0);
}

void DecimalToPackedTrailingSign(const Decimal& d, void* address, int32_t byteLength, int32_t places) {
  if (!address || byteLength <= 0) return;
  auto bytes = static_cast<uint8_t*>(address);
  DigitsToNibbles(d, bytes, 0, 2 * byteLength - 1, places);
  bool negative = DecimalRound(d, places).sign != 0;
  SetNibble(bytes, 2 * byteLength - 1, negative ? kNegativeNibble : kTrailingPositiveNibble);
}

Decimal DecimalFromReal(double value) {
  if (!std::isfinite(value)) return DecimalZero();
  char text[40];
  int length = std::snprintf(text, sizeof text, "%.14e", value);
  return DecimalRound(DecimalFromText(text, static_cast<std::size_t>(length)), kDecimalDivisionPlaces);
}

int32_t DecimalToLong(const Decimal& d) { return static_cast<int32_t>(DecimalToInt64(d)); }

int64_t DecimalToInt64(const Decimal& d) {
  uint64_t value = 0;
  for (int i = kDecimalDigits - 1; i >= kDecimalUnits; --i)
    value = value * 10u + static_cast<uint64_t>(DecimalDigitAt(d, i));
  if (d.sign && !DecimalIsZero(d)) value = 0u - value;
  return static_cast<int64_t>(value);
}

}  // namespace qor::rt
