// Text to decimal and decimal to plain text.
#include "runtime/decimal_text.h"

#include <algorithm>

namespace qor::rt {
namespace {

// Larger exponents already move every digit out of range; saturating keeps a long
// run of exponent digits from wrapping into a small, wrong power.
constexpr int32_t kExponentLimit = 1000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct TextCursor {
  const char* text;
  std::size_t length;
  std::size_t at = 0;
  bool AtEnd() const { return at >= length; }
  char Peek() const { return AtEnd() ? '\0' : text[at]; }
};

// Integer digits: each new digit moves the ones before it up one position; digits
// pushed beyond index 63 are dropped.
void ReadIntegerDigits(TextCursor& c, Decimal& d) {
  while (IsDigit(c.Peek())) {
    for (int i = kDecimalDigits - 1; i > kDecimalUnits; --i) d.digit[i] = d.digit[i - 1];
    d.digit[kDecimalUnits] = static_cast<uint8_t>(c.Peek() - '0');
    ++c.at;
  }
}

// Fractional digits fill indexes 31, 30, ... 0; further digits are read and dropped.
void ReadFractionDigits(TextCursor& c, Decimal& d) {
  int index = kDecimalUnits - 1;
  while (IsDigit(c.Peek())) {
    if (index >= 0) d.digit[index--] = static_cast<uint8_t>(c.Peek() - '0');
    ++c.at;
  }
}

int32_t ReadExponent(TextCursor& c) {
  bool negative = false;
  if (c.Peek() == '-' || c.Peek() == '+') {
    negative = c.Peek() == '-';
    ++c.at;
  }
  int32_t exponent = 0;
  while (IsDigit(c.Peek())) {
    exponent = std::min(exponent * 10 + (c.Peek() - '0'), kExponentLimit);
    ++c.at;
  }
  return negative ? -exponent : exponent;
}

}  // namespace

Decimal DecimalFromText(const char* text, std::size_t length) {
  Decimal d = DecimalZero();
  d.low = 0;
  d.high = kDecimalDigits - 1;
  TextCursor c{text ? text : "", text ? length : 0};
  while (c.Peek() == ' ') ++c.at;
  if (c.Peek() == '-') {
    d.sign = 1;
    ++c.at;
  }
  ReadIntegerDigits(c, d);
  if (c.Peek() == '.' || c.Peek() == ',') {
    ++c.at;
    ReadFractionDigits(c, d);
  }
  int32_t exponent = 0;
  if (c.Peek() == 'e' || c.Peek() == 'E') {
    ++c.at;
    exponent = ReadExponent(c);
  }
  DecimalNormalize(d);
  return exponent == 0 ? d : DecimalScaleByPowerOfTen(d, exponent);
}

std::size_t DecimalToText(const Decimal& d, char* out) {
  std::size_t n = 0;
  if (d.sign && !DecimalIsZero(d)) out[n++] = '-';
  int top = kDecimalUnits;
  for (int i = kDecimalDigits - 1; i > kDecimalUnits; --i)
    if (DecimalDigitAt(d, i) != 0) {
      top = i;
      break;
    }
  for (int i = top; i >= kDecimalUnits; --i) out[n++] = static_cast<char>('0' + DecimalDigitAt(d, i));
  int bottom = kDecimalUnits;
  for (int i = 0; i < kDecimalUnits; ++i)
    if (DecimalDigitAt(d, i) != 0) {
      bottom = i;
      break;
    }
  if (bottom < kDecimalUnits) {
    out[n++] = '.';
    for (int i = kDecimalUnits - 1; i >= bottom; --i) out[n++] = static_cast<char>('0' + DecimalDigitAt(d, i));
  }
  return n;
}

}  // namespace qor::rt
