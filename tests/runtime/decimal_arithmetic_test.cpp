// Decimal arithmetic against an independent digit-string model, on random operands
// and on the shapes that break long division and carries.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "runtime/values/decimal.h"
#include "runtime/values/decimal_text.h"
#include "tests/runtime/decimal_model.h"

namespace qor::rt {
namespace {

using test::ModelFromPlain;
using test::ModelToPlain;

Decimal D(const std::string& text) { return DecimalFromText(text.data(), text.size()); }

std::string Plain(const Decimal& d) {
  char text[kDecimalTextMax];
  return std::string(text, DecimalToText(d, text));
}

// Operands of the given digit counts, drawn from digit patterns that stress carries
// and quotient estimates as well as from uniform digits.
class OperandSource {
 public:
  explicit OperandSource(unsigned seed) : random_(seed) {}

  std::string Next(int maxInteger, int maxFraction) {
    int integerDigits = Pick(0, maxInteger), fractionDigits = Pick(0, maxFraction);
    int pattern = Pick(0, 5);
    std::string text = Pick(0, 1) ? "-" : "";
    text += integerDigits ? Digits(integerDigits, pattern) : "0";
    if (fractionDigits) text += "." + Digits(fractionDigits, pattern);
    return text;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::string Digits(int count, int pattern) {
    std::string s;
    for (int i = 0; i < count; ++i) {
      switch (pattern) {
        case 0: s += '9'; break;
        case 1: s += (i == 0 ? '1' : '0'); break;
        case 2: s += (i % 8 == 0 ? '9' : '0'); break;
        case 3: s += static_cast<char>('0' + Pick(8, 9)); break;
        default: s += static_cast<char>('0' + Pick(0, 9));
      }
    }
    return s;
  }

  std::mt19937 random_;
};

TEST(DecimalArithmeticTest, AgreesWithTheModelOnRandomOperands) {
  OperandSource source(20261208);
  for (int i = 0; i < 3000; ++i) {
    std::string a = source.Next(32, 32), b = source.Next(32, 32);
    SCOPED_TRACE(a + " and " + b);
    Decimal x = D(a), y = D(b);
    auto ma = ModelFromPlain(a), mb = ModelFromPlain(b);
    EXPECT_EQ(Plain(DecimalAdd(x, y)), ModelToPlain(test::ModelAdd(ma, mb)));
    EXPECT_EQ(Plain(DecimalSubtract(x, y)), ModelToPlain(test::ModelSubtract(ma, mb)));
    EXPECT_EQ(Plain(DecimalMultiply(x, y)), ModelToPlain(test::ModelMultiply(ma, mb)));
    EXPECT_EQ(Plain(DecimalDivide(x, y)), ModelToPlain(test::ModelDivide(ma, mb)));
  }
}

TEST(DecimalArithmeticTest, AgreesWithTheModelOnThirtyOneDigitOperands) {
  OperandSource source(7);
  for (int i = 0; i < 1000; ++i) {
    std::string a = source.Next(16, 15), b = source.Next(16, 15);
    SCOPED_TRACE(a + " and " + b);
    auto ma = ModelFromPlain(a), mb = ModelFromPlain(b);
    EXPECT_EQ(Plain(DecimalMultiply(D(a), D(b))), ModelToPlain(test::ModelMultiply(ma, mb)));
    EXPECT_EQ(Plain(DecimalDivide(D(a), D(b))), ModelToPlain(test::ModelDivide(ma, mb)));
  }
}

TEST(DecimalArithmeticTest, RoundingAgreesWithTheModel) {
  OperandSource source(99);
  for (int i = 0; i < 1000; ++i) {
    std::string a = source.Next(32, 32);
    int places = static_cast<int>(i % 40) - 4;
    SCOPED_TRACE(a + " to " + std::to_string(places));
    EXPECT_EQ(Plain(DecimalRound(D(a), places)), ModelToPlain(test::ModelRound(ModelFromPlain(a), places)));
  }
}

TEST(DecimalArithmeticTest, DivisionRoundsHalfAwayFromZeroAtThirtyOnePlaces) {
  EXPECT_EQ(Plain(DecimalDivide(D("1"), D("3"))), "0.3333333333333333333333333333333");
  EXPECT_EQ(Plain(DecimalDivide(D("2"), D("3"))), "0.6666666666666666666666666666667");
  EXPECT_EQ(Plain(DecimalDivide(D("-2"), D("3"))), "-0.6666666666666666666666666666667");
  // Exactly half a unit of the last place rounds away from zero.
  EXPECT_EQ(Plain(DecimalDivide(D("0.0000000000000000000000000000001"), D("2"))),
            "0.0000000000000000000000000000001");
  EXPECT_EQ(Plain(DecimalDivide(D("-0.0000000000000000000000000000001"), D("2"))),
            "-0.0000000000000000000000000000001");
  // Even division by one rounds a 32nd place.
  EXPECT_EQ(Plain(DecimalDivide(D("0.00000000000000000000000000000005"), D("1"))),
            "0.0000000000000000000000000000001");
  EXPECT_EQ(Plain(DecimalDivide(D("123.45"), D("0.001"))), "123450");
}

TEST(DecimalArithmeticTest, DivisionByZeroGivesZero) {
  EXPECT_EQ(Plain(DecimalDivide(D("5"), D("0"))), "0");
  EXPECT_EQ(Plain(DecimalDivide(D("-5"), D("-0.000"))), "0");
}

TEST(DecimalArithmeticTest, ProductsTruncateBelowTheLastPlace) {
  // 0.1^2 etc.: the exact product keeps 32 places and loses what lies below.
  std::string tiny = "0." + std::string(31, '0') + "7";  // 7e-32
  EXPECT_EQ(Plain(DecimalMultiply(D(tiny), D("0.5"))), "0.00000000000000000000000000000003");
  EXPECT_EQ(Plain(DecimalMultiply(D("-" + tiny), D("0.5"))), "-0.00000000000000000000000000000003");
  EXPECT_EQ(Plain(DecimalMultiply(D(tiny), D("0.1"))), "0");
  EXPECT_EQ(Plain(DecimalMultiply(D("1.5"), D("-2"))), "-3");
}

TEST(DecimalArithmeticTest, DigitsAboveThe32ndIntegerPlaceAreDropped) {
  std::string nines(32, '9');
  EXPECT_EQ(Plain(DecimalAdd(D(nines), D("1"))), "0");
  EXPECT_EQ(Plain(DecimalAdd(D(nines), D("2.5"))), "1.5");
  EXPECT_EQ(Plain(DecimalMultiply(D("1" + std::string(20, '0')), D("1" + std::string(15, '0')))), "0");
}

TEST(DecimalArithmeticTest, NegativeZeroEqualsZeroAndHasNoSign) {
  Decimal negativeZero = D("-0");
  EXPECT_EQ(DecimalCompare(negativeZero, D("0")), 0);
  EXPECT_EQ(Plain(negativeZero), "0");
  EXPECT_EQ(Plain(DecimalSubtract(D("1.5"), D("1.5"))), "0");
  EXPECT_EQ(Plain(DecimalMultiply(D("-3"), D("0"))), "0");
  EXPECT_EQ(Plain(DecimalRound(D("-0.001"), 2)), "0");
}

TEST(DecimalArithmeticTest, CompareOrdersBySignThenMagnitude) {
  EXPECT_EQ(DecimalCompare(D("9"), D("9.0")), 0);
  EXPECT_EQ(DecimalCompare(D("-1"), D("0")), -1);
  EXPECT_EQ(DecimalCompare(D("-1"), D("-2")), 1);
  EXPECT_EQ(DecimalCompare(D("0.00000000000000000000000000000001"), D("0")), 1);
  EXPECT_EQ(DecimalCompare(D("10"), D("9.99")), 1);
}

TEST(DecimalArithmeticTest, RoundingIsHalfAwayFromZeroWithCarry) {
  EXPECT_EQ(Plain(DecimalRound(D("2.5"), 0)), "3");
  EXPECT_EQ(Plain(DecimalRound(D("-2.5"), 0)), "-3");
  EXPECT_EQ(Plain(DecimalRound(D("2.49"), 0)), "2");
  EXPECT_EQ(Plain(DecimalRound(D("9.995"), 2)), "10");
  EXPECT_EQ(Plain(DecimalRound(D("155"), -1)), "160");
  EXPECT_EQ(Plain(DecimalRound(D("1.25"), 40)), "1.25");
  EXPECT_EQ(Plain(DecimalRound(D("-7" + std::string(31, '0')), -32)), "0");
  EXPECT_EQ(Plain(DecimalRound(D("5"), -2147483647 - 1)), "0");
  // A carry out of the highest place is dropped with it.
  EXPECT_EQ(Plain(DecimalRound(D(std::string(32, '9') + ".5"), 0)), "0");
}

}  // namespace
}  // namespace qor::rt
