// The vector forms of the digit conversions, sums, differences and comparisons give
// exactly what the word-at-a-time forms give: every range of every stored form (stale
// digits outside it included), digit words of every shape with runs of nines and
// zeros that carry and borrow across words, and limbs at every power of ten.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "runtime/values/decimal_digit_words.h"
#include "runtime/values/decimal_limbs.h"

#if defined(__SSE2__)
#include "runtime/values/decimal_digit_sums.h"
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

// Ten times eight limbs is the digits one place up, the top digit dropped: the same as
// multiplying every limb by ten with carries and keeping eight limbs.
TEST(DecimalDigitVectorsTest, TenTimesTheLimbsIsTheProductWithCarriesCutAtEightLimbs) {
  std::mt19937_64 random(10);
  for (int round = 0; round < 20'000; ++round) {
    uint32_t limb[kDecimalLimbs];
    for (uint32_t& l : limb) l = random() % 3 ? static_cast<uint32_t>(random() % kLimbBase) : kLimbBase - 1;
    uint32_t product[kDecimalLimbs];
    uint64_t carry = 0;
    for (int l = 0; l < kDecimalLimbs; ++l) {
      const uint64_t t = uint64_t{limb[l]} * 10 + carry;
      product[l] = static_cast<uint32_t>(t % kLimbBase);
      carry = t / kLimbBase;
    }
    const uint8_t sign = static_cast<uint8_t>(round % 2);
    const Decimal expected = DecimalFromLimbs(product, sign);
    const Decimal actual = DecimalFromLimbsTimesTen(limb, sign);
    ASSERT_EQ(std::memcmp(&actual, &expected, sizeof actual), 0) << "round " << round;
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

TEST(DecimalDigitVectorsTest, CopyKeepsEveryByteOfAnyRecord) {
  std::mt19937_64 random(67);
  for (int round = 0; round < 10'000; ++round) {
    Decimal from;
    auto* bytes = reinterpret_cast<uint8_t*>(&from);
    for (std::size_t i = 0; i < sizeof from; ++i) bytes[i] = static_cast<uint8_t>(random());  // stale digits, odd signs
    Decimal to;
    std::memset(&to, 0xA5, sizeof to);
    CopyDecimal(to, from);
    ASSERT_EQ(std::memcmp(&to, &from, sizeof to), 0) << "round " << round;
  }
}

DigitVectors VectorsFromWords(const uint64_t (&word)[kDigitWords]) {
  Decimal d;
  std::memcpy(d.digit, word, sizeof word);
  d.low = 0;
  d.high = kDecimalDigits - 1;
  return DigitVectorsFromDecimal(d);
}

TEST(DecimalDigitVectorsTest, SumsDifferencesAndComparisonsMatchTheWordForms) {
  std::mt19937_64 random(3018);
  for (int round = 0; round < 50'000; ++round) {
    uint64_t x[kDigitWords], y[kDigitWords];
    for (int w = 0; w < kDigitWords; ++w) {
      const uint64_t kinds[] = {RandomDigitWord(random), 0, 0x0909090909090909u};
      x[w] = kinds[random() % 3];
      y[w] = random() % 4 ? kinds[random() % 3] : x[w];  // equal words leave borrows to pass
    }
    int order = 0;
    for (int w = kDigitWords - 1; w >= 0 && order == 0; --w) order = x[w] == y[w] ? 0 : x[w] > y[w] ? 1 : -1;
    const DigitVectors vx = VectorsFromWords(x), vy = VectorsFromWords(y);
    ASSERT_EQ(MagnitudeBelow(vx, vy), order < 0) << "round " << round;
    ASSERT_EQ(MagnitudeBelow(vy, vx), order > 0) << "round " << round;

    uint64_t sum[kDigitWords], difference[kDigitWords], actual[kDigitWords];
    uint64_t carry = 0, borrow = 1;
    const uint64_t(&larger)[kDigitWords] = order >= 0 ? x : y;
    const uint64_t(&smaller)[kDigitWords] = order >= 0 ? y : x;
    for (int w = 0; w < kDigitWords; ++w) {
      sum[w] = AddDigitWords(x[w], y[w], carry);
      difference[w] = AddDigitWords(larger[w], ComplementDigitWord(smaller[w]), borrow);
    }
    StoreParts(SumOfMagnitudes(vx, vy), actual);
    for (int w = 0; w < kDigitWords; ++w) ASSERT_EQ(actual[w], sum[w]) << "sum, round " << round << " word " << w;
    StoreParts(order >= 0 ? DifferenceOfMagnitudes(vx, vy) : DifferenceOfMagnitudes(vy, vx), actual);
    for (int w = 0; w < kDigitWords; ++w)
      ASSERT_EQ(actual[w], difference[w]) << "difference, round " << round << " word " << w;
  }
}

}  // namespace
}  // namespace qor::rt
#endif
