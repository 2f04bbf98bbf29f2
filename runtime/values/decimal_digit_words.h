#pragma once
// A Decimal's digits read eight at a time: word w holds the digit bytes of indexes
// 8w..8w+7, the lowest digit in the lowest byte, so comparing two words as unsigned
// numbers compares their digits from the highest down. Words can be added with decimal
// carry without leaving the digit form, and written back with the range and sign
// derived from the digits, exactly as a digit-by-digit scan would derive them.
#include <bit>
#include <cstdint>
#include <cstring>

#include "runtime/values/decimal.h"

namespace qor::rt {

inline constexpr int kDigitWords = kDecimalDigits / 8;

// The digits of a Decimal, zero outside its range [low, high]. Words outside
// [firstWord, lastWord] are zero; firstWord > lastWord means no digit is in range.
struct DigitWords {
  uint64_t word[kDigitWords];
  int firstWord;
  int lastWord;
  bool Empty() const { return firstWord > lastWord; }
};

inline DigitWords DigitWordsFromDecimal(const Decimal& d) {
  DigitWords words;
  const int low = d.low;
  const int high = d.high < kDecimalDigits ? d.high : kDecimalDigits - 1;
  words.firstWord = low / 8;
  words.lastWord = high / 8;
  for (int w = 0; w < kDigitWords; ++w) {
    uint64_t word;
    std::memcpy(&word, d.digit + 8 * w, sizeof word);
    words.word[w] = w >= words.firstWord && w <= words.lastWord ? word : 0;
  }
  if (low > high) {
    words.firstWord = 1;
    words.lastWord = 0;
    return words;
  }
  words.word[words.firstWord] &= ~uint64_t{0} << (8 * (low % 8));
  words.word[words.lastWord] &= ~uint64_t{0} >> (8 * (7 - high % 8));
  return words;
}

// The Decimal of the given words, of which only [firstWord, lastWord] may be nonzero:
// high is the highest nonzero index but at least 32, low the lowest but at most 32,
// and a zero carries no sign.
Decimal DecimalFromDigitWords(const uint64_t* word, int firstWord, int lastWord, uint8_t sign);

// a + b + carry for words of digits 0..9, with decimal carry from byte to byte;
// carry (0 or 1) is replaced by the carry out of the highest digit.
inline uint64_t AddDigitWords(uint64_t a, uint64_t b, uint64_t& carry) {
  // Biased by 246, a byte passes 255 exactly when its digit sum reaches 10, so the
  // binary carries are the decimal ones. The carry comes in on a's lowest digit,
  // which stays below 256.
  constexpr uint64_t kBias = 0xF6F6F6F6F6F6F6F6u;
  constexpr uint64_t kLowBits = 0x0101010101010101u;
  const uint64_t first = a + carry;
  const uint64_t biased = b + kBias;
  const uint64_t sum = first + biased;
  const uint64_t carryOut = sum < first ? 1 : 0;
  // Bit 8i of first ^ biased ^ sum is the carry into byte i.
  const uint64_t carried = (((first ^ biased ^ sum) >> 8) & (kLowBits >> 8)) | (carryOut << 56);
  carry = carryOut;
  return sum - ((~carried & kLowBits) * 0xF6);  // unbias the bytes that kept their bias
}

// The nines' complement of a word of digits.
inline uint64_t ComplementDigitWord(uint64_t a) { return 0x0909090909090909u - a; }

}  // namespace qor::rt
