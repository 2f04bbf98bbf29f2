// The vector forms of the digit conversions give exactly what the word-at-a-time forms
// give: every range of every stored form (stale digits outside it included), digit
// words of every shape, and limbs at every power of ten and at random.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "runtime/values/decimal_digit_words.h"
#include "runtime/values/decimal_limbs.h"

#if defined(__SSE2__)
#include "runtime/values/decimal_digit_vectors.h"

namespace qor::rt {
namespace {

uint64_t RandomDigitWord(std::mt19937_64& random) {
  uint64_t word = 0;
  for (int i = 0; i < 8; ++i) word |= (random() % 10) << (8 * i);
  return word;
}

void StoreParts(const DigitVectors& v, uint64_t (&word)[kDigitWords]) {
  for (int k = 0; k < 4; ++k) _mm_storeu_si128(reinterpret_cast<__m128i*>(word + 2 * k), v.part[k]);
}

TEST(DecimalDigitVectorsTest, EveryRangeKeepsExactlyTheDigitsTheWordsKeep) {
  std::mt19937_64 random(18);
  Decimal d;
  for (auto& digit : d.digit) digit = static_cast<uint8_t>(1 + random() % 9);  // no zero: stale digits show
  for (int low = 0; low < 256; ++low) {
    for (int high = 0; high < 256; ++high) {
      d.low = static_cast<uint8_t>(low);
      d.high = static_cast<uint8_t>(high);
      const DigitWords words = DigitWordsFromDecimal(d);
      uint64_t vectorWords[kDigitWords];
      const DigitVectors v = DigitVectorsFromDecimal(d);
      StoreParts(v, vectorWords);
      uint64_t bits = 0;
      for (int w = 0; w < kDigitWords; ++w) {
        // An empty range leaves the word form's words unread; the vectors hold zeros.
        const uint64_t expected = words.Empty() ? 0 : words.word[w];
        ASSERT_EQ(vectorWords[w], expected) << "low " << low << " high " << high << " word " << w;
        if (words.Empty()) continue;
        for (int i = 0; i < 8; ++i) bits |= uint64_t{(words.word[w] >> (8 * i) & 0xFF) != 0} << (8 * w + i);
      }
      ASSERT_EQ(NonzeroDigitBits(v), bits) << "low " << low << " high " << high;
    }
  }
}

TEST(DecimalDigitVectorsTest, LimbsAndDigitsConvertBothWaysAsTheWordFormsDo) {
  std::mt19937_64 random(1018);
  for (int round = 0; round < 50'000; ++round) {
    uint64_t word[kDigitWords];
    for (auto& w : word) w = RandomDigitWord(random);
    // Runs of nines and zeros at random words, as carries and borrows leave them.
    word[random() % kDigitWords] = 0x0909090909090909u * (random() % 2);
    Decimal d;
    std::memcpy(d.digit, word, sizeof word);
    d.low = 0;
    d.high = kDecimalDigits - 1;
    uint32_t limb[kDecimalLimbs];
    LimbsFromDigitVectors(DigitVectorsFromDecimal(d), limb);
    for (int l = 0; l < kDecimalLimbs; ++l) ASSERT_EQ(limb[l], LimbFromDigitBytes(word[l])) << "limb " << l;
    uint64_t back[kDigitWords];
    StoreParts(DigitVectorsFromLimbs(limb), back);
    for (int w = 0; w < kDigitWords; ++w) ASSERT_EQ(back[w], word[w]) << "word " << w;
  }
}

TEST(DecimalDigitVectorsTest, LimbsAtEveryPowerOfTenGiveTheirDigits) {
  uint32_t limb[kDecimalLimbs];
  for (uint32_t power = 1, k = 0; k < 8; power *= 10, ++k) {
    const uint32_t around[kDecimalLimbs] = {0, power - 1, power, power + 1, 2 * power - 1, 9 * power,
                                            kLimbBase - power, kLimbBase - 1};
    std::memcpy(limb, around, sizeof limb);
    uint64_t word[kDigitWords];
    StoreParts(DigitVectorsFromLimbs(limb), word);
    for (int l = 0; l < kDecimalLimbs; ++l) EXPECT_EQ(word[l], DigitBytesFromLimb(limb[l])) << limb[l];
  }
}

TEST(DecimalDigitVectorsTest, StoredFormMatchesTheWordFormForEveryShape) {
  std::mt19937_64 random(2018);
  for (int round = 0; round < 50'000; ++round) {
    uint64_t word[kDigitWords] = {};
    const int first = static_cast<int>(random() % kDigitWords);
    const int last = first + static_cast<int>(random() % (kDigitWords - first));
    for (int w = first; w <= last; ++w) word[w] = random() % 4 ? RandomDigitWord(random) : 0;
    const uint8_t sign = static_cast<uint8_t>(random() % 2);
    Decimal d;
    std::memcpy(d.digit, word, sizeof word);
    d.low = 0;
    d.high = kDecimalDigits - 1;
    const Decimal expected = DecimalFromDigitWords(word, first, last, sign);
    const Decimal actual = DecimalFromDigitVectors(DigitVectorsFromDecimal(d), sign);
    ASSERT_EQ(std::memcmp(&actual, &expected, sizeof actual), 0) << "round " << round;
  }
}

}  // namespace
}  // namespace qor::rt
#endif
