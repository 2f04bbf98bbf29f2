// Numbers to and from the value stack.
#include "runtime/values/value_stack_convert.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/base/error_state.h"
#include "runtime/values/decimal_stack.h"
#include "runtime/values/decimal_text.h"
#include "runtime/values/real_text.h"
#include "runtime/values/value_stack.h"

namespace qor::rt {
namespace {

constexpr int32_t kDecimalTextLimit = 99;
constexpr int32_t kRealTextLimit = 39;

int32_t LengthWithoutTrailingBlanks(CountedText t) {
  int32_t n = t.length;
  while (n > 0 && t.text[n - 1] == ' ') --n;
  return n;
}

}  // namespace

void StrPushLongText(int32_t value) {
  char text[kLongTextMax];
  StrPushCopy(text, LongToText(value, text));
}

void StrPushRealText(double value) {
  char text[kRealTextMax];
  StrPushCopy(text, RealToText(value, text));
}

void StrPushBoolText(int32_t value) {
  if (value)
    StrPushCopy("1", 1);
  else
    StrPushEmpty();
}

void StrPushErrorText() {
  std::string text = PaddedErrorText();
  StrPushOwnedCopy(text.data(), text.size());
}

void StrPopIntoDecimal() {
  ValueEntry e = StrTakeTop();
  CountedText t = TextOf(e);
  DecPush(DecimalFromText(t.text, static_cast<std::size_t>(std::min(t.length, kDecimalTextLimit))));
  ReleaseValueEntry(e);
}

std::string StrPopString() {
  if (StrCount() == 0) return std::string();
  ValueEntry e = StrTakeTop();
  CountedText t = TextOf(e);
  std::string text(t.text, static_cast<std::size_t>(t.length));
  ReleaseValueEntry(e);
  return text;
}

int32_t StrPopAsLong() {
  StrPopIntoDecimal();
  return DecPopLong();
}

double StrPopIntoReal() {
  ValueEntry e = StrTakeTop();
  CountedText t = TextOf(e);
  char text[kRealTextLimit + 1];
  std::size_t n = static_cast<std::size_t>(std::min(LengthWithoutTrailingBlanks(t), kRealTextLimit));
  std::memcpy(text, t.text, n);
  text[n] = 0;
  ReleaseValueEntry(e);
  return std::strtod(text, nullptr);
}

int32_t StrPopAsTruth() {
  ValueEntry e = StrTakeTop();
  int32_t truth = LengthWithoutTrailingBlanks(TextOf(e)) > 0 ? 1 : 0;
  ReleaseValueEntry(e);
  return truth;
}

}  // namespace qor::rt
