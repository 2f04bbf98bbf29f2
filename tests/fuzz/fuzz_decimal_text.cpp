// Decimal texts from outside: reading never leaves the 64 digit places, the plain
// text reads back as the same number, and arithmetic on what was read keeps every
// result well formed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "runtime/values/decimal.h"
#include "runtime/values/decimal_text.h"

namespace {

using namespace qor::rt;

void CheckWellFormed(const Decimal& d) {
  if (d.low > kDecimalUnits || d.high < kDecimalUnits || d.high >= kDecimalDigits || d.sign > 1) std::abort();
  for (int i = d.low; i <= d.high; ++i)
    if (d.digit[i] > 9) std::abort();
  if (d.sign && DecimalIsZero(d)) std::abort();
}

void CheckRoundTrip(const Decimal& d) {
  char text[kDecimalTextMax];
  std::size_t length = DecimalToText(d, text);
  if (length > kDecimalTextMax) std::abort();
  if (DecimalCompare(DecimalFromText(text, length), d) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::size_t half = size / 2;
  auto text = reinterpret_cast<const char*>(data);
  Decimal a = DecimalFromText(text, half);
  Decimal b = DecimalFromText(text + half, size - half);
  for (const Decimal& d : {a, b, DecimalAdd(a, b), DecimalSubtract(a, b), DecimalMultiply(a, b),
                           DecimalDivide(a, b), DecimalRound(a, size % 70 - 35)}) {
    CheckWellFormed(d);
    CheckRoundTrip(d);
  }
  return 0;
}
