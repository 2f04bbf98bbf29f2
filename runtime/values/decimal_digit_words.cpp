#include "runtime/values/decimal_digit_words.h"

#include <algorithm>
#include <cstring>

namespace qor::rt {

static_assert(std::endian::native == std::endian::little, "digit bytes are read as little-endian words");

Decimal DecimalFromDigitWords(const uint64_t* word, int firstWord, int lastWord, uint8_t sign) {
  Decimal d;
  int lowest = kDigitWords, highest = -1;
  for (int w = 0; w < kDigitWords; ++w) {
    const uint64_t value = w >= firstWord && w <= lastWord ? word[w] : 0;
    std::memcpy(d.digit + 8 * w, &value, sizeof value);
    if (value == 0) continue;
    lowest = std::min(lowest, w);
    highest = w;
  }
  if (highest < 0) {
    d.low = d.high = kDecimalUnits;
    d.sign = 0;
    return d;
  }
  const int highDigit = 8 * highest + (63 - std::countl_zero(word[highest])) / 8;
  const int lowDigit = 8 * lowest + std::countr_zero(word[lowest]) / 8;
  d.high = static_cast<uint8_t>(std::max(highDigit, kDecimalUnits));
  d.low = static_cast<uint8_t>(std::min(lowDigit, kDecimalUnits));
  d.sign = sign != 0 ? 1 : 0;
  return d;
}

}  // namespace qor::rt
