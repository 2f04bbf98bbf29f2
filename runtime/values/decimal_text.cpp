// Text to decimal and decimal to plain text.
#include "runtime/values/decimal_text.h"

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

// Integer digits: the last one read is the units digit; digits that would land
// beyond index 63 are dropped.
void ReadIntegerDigits(TextCursor& c, Decimal& d) {
  std::size_t first = c.at;
  while (IsDigit(c.Peek())) ++c.at;
  int index = kDecimalUnits;
  for (std::size_t i = c.at; i > first && index < kDecimalDigits; --i)
    d.digit[index++] = static_cast<uint8_t>(c.text[i - 1] - '0');
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
  Decimal e = d;
  DecimalNormalize(e);  // low and high now bracket the nonzero digits
  std::size_t n = 0;
  if (e.sign) out[n++] = '-';
  for (int i = e.high; i >= kDecimalUnits; --i) out[n++] = static_cast<char>('0' + e.digit[i]);
  if (e.low < kDecimalUnits) {
    out[n++] = '.';
    for (int i = kDecimalUnits - 1; i >= e.low; --i) out[n++] = static_cast<char>('0' + e.digit[i]);
  }
  return n;
}

}  // namespace qor::rt
