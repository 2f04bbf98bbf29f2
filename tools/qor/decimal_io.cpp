#include "tools/qor/decimal_io.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "runtime/values/decimal_stack.h"
#include "runtime/values/decimal_text.h"
#include "runtime/values/value_stack.h"
#include "runtime/values/value_stack_convert.h"
#include "tools/qor/command.h"

namespace qor::tool {

namespace {

constexpr size_t kOperandLimit = 99;  // characters the runtime reads of a text

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string DecimalText(const rt::Decimal& value) {
  char text[rt::kDecimalTextMax];
  return std::string(text, rt::DecimalToText(value, text));
}

}  // namespace

// The number's text without the blanks around it.
std::string_view Trimmed(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsDecimalText(std::string_view text) {
  if (text.size() > kOperandLimit) return false;
  text = Trimmed(text);
  size_t pos = 0, digits = 0;
  if (pos < text.size() && text[pos] == '-') ++pos;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) ++digits;
  if (pos < text.size() && (text[pos] == '.' || text[pos] == ','))
    for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) ++digits;
  if (digits == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    if (pos == start) return false;
  }
  return pos == text.size();
}

bool LosesDigits(std::string_view text) {
  if (!IsDecimalText(text) || text.find_first_of("eE") != std::string_view::npos) return false;
  text = Trimmed(text);
  if (text.front() == '-') text.remove_prefix(1);
  size_t point = text.find_first_of(".,");
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  size_t firstDigit = whole.find_first_not_of('0');
  size_t wholeDigits = firstDigit == std::string_view::npos ? 0 : whole.size() - firstDigit;
  size_t lastDigit = fraction.find_last_not_of('0');
  size_t fractionDigits = lastDigit == std::string_view::npos ? 0 : lastDigit + 1;
  constexpr size_t kWholeDigits = rt::kDecimalUnits;
  constexpr size_t kFractionDigits = rt::kDecimalDigits - rt::kDecimalUnits;
  return wholeDigits > kWholeDigits || fractionDigits > kFractionDigits;
}

void WarnAboutOperand(std::string_view text, std::string_view readAs) {
  std::string why;
  if (!IsDecimalText(text))
    why = "is not wholly a number";
  else if (LosesDigits(text))
    why = "has more digits than a decimal holds";
  else
    return;
  std::fprintf(stderr, "qor: warning: \"%.*s\" %s; read as %.*s\n", static_cast<int>(text.size()), text.data(),
               why.c_str(), static_cast<int>(readAs.size()), readAs.data());
}

void PushDecimalOperand(std::string_view text) {
  rt::StrPushBorrowed(text.data(), static_cast<int32_t>(text.size()));
  rt::StrPopIntoDecimal();
  if (IsDecimalText(text) && !LosesDigits(text)) return;
  rt::Decimal value = rt::DecPop();
  WarnAboutOperand(text, DecimalText(value));
  rt::DecPush(value);
}

void PrintDecimalResult() { std::printf("%s\n", DecimalText(rt::DecPop()).c_str()); }

bool ParseInt32(std::string_view text, int32_t& out) {
  long long value = 0;
  if (!ParseInt64(text, value) || value < INT32_MIN || value > INT32_MAX) return false;
  out = static_cast<int32_t>(value);
  return true;
}

}  // namespace qor::tool
