#include "tools/qor/decimal_io.h"

#include <cstdint>
#include <cstdio>

#include "runtime/values/decimal_stack.h"
#include "runtime/values/decimal_text.h"
#include "runtime/values/value_stack.h"
#include "runtime/values/value_stack_convert.h"
#include "tools/qor/command.h"

namespace qor::tool {

void PushDecimalOperand(std::string_view text) {
  rt::StrPushBorrowed(text.data(), static_cast<int32_t>(text.size()));
  rt::StrPopIntoDecimal();
}

void PrintDecimalResult() {
  char text[rt::kDecimalTextMax];
  std::size_t length = rt::DecimalToText(rt::DecPop(), text);
  std::printf("%.*s\n", static_cast<int>(length), text);
}

bool ParseInt32(std::string_view text, int32_t& out) {
  long long value = 0;
  if (!ParseInt64(text, value) || value < INT32_MIN || value > INT32_MAX) return false;
  out = static_cast<int32_t>(value);
  return true;
}

}  // namespace qor::tool
