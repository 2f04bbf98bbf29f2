// The decimal arithmetic against the digit-string model on tens of thousands of
// operand pairs of every shape: digits anywhere in the 64 positions, long runs of nines
// that carry and borrow across every position, negative zero, the largest values,
// sums and products beyond the highest position, and ranges that are wider than the
// digits or hide stale digits outside them. Every result must have the model's value
// and the one stored form of that value: digits outside the range cleared, the range
// exactly as a digit scan derives it, and no sign on zero.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "runtime/values/decimal.h"
#include "runtime/values/decimal_text.h"
#include "tests/runtime/decimal_model.h"

namespace qor::rt {
namespace {

std::string Plain(const Decimal& d) {
  char text[kDecimalTextMax];
  return std::string(text, DecimalToText(d, text));
}

// "" when d is in its one stored form, else what is wrong.
std::string StoredFormFault(const Decimal& d) {
  int highest = -1, lowest = kDecimalDigits;
  for (int i = 0; i < kDecimalDigits; ++i) {
    if (d.digit[i] > 9) return "digit above 9 at " + std::to_string(i);
    if (d.digit[i] == 0) continue;
    highest = i;
    lowest = std::min(lowest, i);
  }
  if (d.high != std::max(highest, kDecimalUnits)) return "high " + std::to_string(d.high);
  if (d.low != std::min(lowest, kDecimalUnits)) return "low " + std::to_string(d.low);
  if (d.sign > 1 || (highest < 0 && d.sign != 0)) return "sign " + std::to_string(d.sign);
  return "";
}

class ShapedOperands {
 public:
  explicit ShapedOperands(unsigned seed) : random_(seed) {}

  Decimal Next() {
    Decimal d;
    for (auto& digit : d.digit) digit = static_cast<uint8_t>(Pick(0, 9));  // stale digits
    int low = Pick(0, 63);
    int high = std::min(63, low + Pick(0, 40));
    switch (Pick(0, 7)) {
      case 0: Fill(d, low, high, 9); break;            // carries through the whole span
      case 1: Fill(d, low, high, 0); d.digit[high] = 1; break;  // borrows through it
      case 2: low = 0; high = 63; Fill(d, 0, 63, 9); break;    // the largest value
      case 3: Fill(d, low, high, 0); break;             // a zero, perhaps negative
      case 4: high = std::min(255, high + Pick(0, 200)); break;  // range beyond index 63
      default: break;                                    // uniform digits
    }
    d.low = static_cast<uint8_t>(low);
    d.high = static_cast<uint8_t>(high);
    d.sign = static_cast<uint8_t>(Pick(0, 1));
    return d;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  static void Fill(Decimal& d, int low, int high, uint8_t digit) {
    for (int i = low; i <= std::min(high, 63); ++i) d.digit[i] = digit;
  }

  std::mt19937 random_;
};

void ExpectAgreement(const Decimal& a, const Decimal& b) {
  const auto ma = test::ModelFromPlain(Plain(a)), mb = test::ModelFromPlain(Plain(b));
  const Decimal results[] = {DecimalAdd(a, b), DecimalSubtract(a, b), DecimalMultiply(a, b), DecimalDivide(a, b)};
  const std::string expected[] = {test::ModelToPlain(test::ModelAdd(ma, mb)),
                                  test::ModelToPlain(test::ModelSubtract(ma, mb)),
                                  test::ModelToPlain(test::ModelMultiply(ma, mb)),
                                  test::ModelToPlain(test::ModelDivide(ma, mb))};
  const char* names[] = {"add", "subtract", "multiply", "divide"};
  for (int op = 0; op < 4; ++op) {
    SCOPED_TRACE(names[op]);
    EXPECT_EQ(Plain(results[op]), expected[op]);
    EXPECT_EQ(StoredFormFault(results[op]), "");
  }
}

TEST(DecimalDifferentialTest, ShapedOperandPairsAgreeWithTheModelInValueAndForm) {
  ShapedOperands source(20261208);
  for (int i = 0; i < 20'000 && !HasFailure(); ++i) {
    const Decimal a = source.Next(), b = source.Next();
    SCOPED_TRACE(Plain(a) + " and " + Plain(b));
    ExpectAgreement(a, b);
  }
}

// Operands of up to 32 digits (at most four limbs, the short product's shape) at every
// pair of positions, so that the short product lands at every offset, partly or wholly
// below index 0 or above index 63.
TEST(DecimalDifferentialTest, ShortOperandsAtEveryPairOfPositionsAgreeWithTheModel) {
  std::mt19937 random(18);
  const auto operand = [&random](int low, int span) {
    Decimal d;
    for (auto& digit : d.digit) digit = static_cast<uint8_t>(random() % 10);
    const int high = std::min(63, low + span - 1);
    d.digit[low] = static_cast<uint8_t>(1 + random() % 9);
    d.digit[high] = static_cast<uint8_t>(1 + random() % 9);
    d.low = static_cast<uint8_t>(low);
    d.high = static_cast<uint8_t>(high);
    d.sign = static_cast<uint8_t>(random() % 2);
    return d;
  };
  for (int aLow = 0; aLow < kDecimalDigits && !HasFailure(); ++aLow) {
    for (int bLow = 0; bLow < kDecimalDigits && !HasFailure(); bLow += 3) {
      const Decimal a = operand(aLow, 1 + static_cast<int>(random() % 32));
      const Decimal b = operand(bLow, 1 + static_cast<int>(random() % 32));
      SCOPED_TRACE(Plain(a) + " and " + Plain(b));
      ExpectAgreement(a, b);
    }
  }
}

TEST(DecimalDifferentialTest, CarriesAndBorrowsAcrossEveryPositionAgreeWithTheModel) {
  const auto text = [](const std::string& integer, const std::string& fraction) {
    return DecimalFromText((integer + "." + fraction).data(), integer.size() + 1 + fraction.size());
  };
  const Decimal smallest = text("0", std::string(31, '0') + "1");
  for (int integerDigits = 0; integerDigits <= 32; ++integerDigits) {
    for (int fractionDigits = 0; fractionDigits <= 32; ++fractionDigits) {
      // Nines from position 32-fractionDigits up to 31+integerDigits.
      const Decimal nines = text(integerDigits ? std::string(integerDigits, '9') : "0", std::string(fractionDigits, '9'));
      SCOPED_TRACE(Plain(nines));
      ExpectAgreement(nines, smallest);
      ExpectAgreement(smallest, nines);
      Decimal negative = nines;
      negative.sign = 1;
      ExpectAgreement(negative, smallest);
      ExpectAgreement(nines, negative);
    }
  }
}

}  // namespace
}  // namespace qor::rt
