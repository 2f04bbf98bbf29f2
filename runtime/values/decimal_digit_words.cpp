#include "runtime/values/decimal_digit_words.h"

#include <algorithm>
#include <cstring>

namespace qor::rt {

static_assert(std::endian::native == std::endian::little, "digit bytes are read as little-endian words");

Decimal DecimalFromDigitWords(const uint64_t (&word)[kDigitWords], int firstWord, int lastWord, uint8_t sign) {
  Decimal d;
  std::memset(d.digit, 0, sizeof d.digit);
  int highest = -1, lowest = kDecimalDigits;
  for (int w = std::max(firstWord, 0); w <= std::min(lastWord, kDigitWords - 1); ++w) {
    if (word[w] == 0) continue;
    std::memcpy(d.digit + 8 * w, &word[w], sizeof word[w]);
    highest = 8 * w + (63 - std::countl_zero(word[w])) / 8;
    if (lowest == kDecimalDigits) lowest = 8 * w + std::countr_zero(word[w]) / 8;
  }
  d.high = static_cast<uint8_t>(std::max(highest, kDecimalUnits));
  d.low = static_cast<uint8_t>(std::min(lowest, kDecimalUnits));
  d.sign = sign != 0 && highest >= 0 ? 1 : 0;
  return d;
}

}  // namespace qor::rt
