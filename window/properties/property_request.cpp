// Building property requests: trimming and converting the selector, the index rule.
#include "window/properties/property_request.h"

#include <limits>

#include "window/properties/property_names.h"
#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipBlanks(std::string_view text, size_t pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return pos;
}

// Reads an optional sign and at least one digit; false on overflow of 64 bits.
bool ReadSignedDigits(std::string_view text, size_t& pos, int64_t& value) {
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
  size_t first = pos;
  uint64_t magnitude = 0;
  constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(text[pos] - '0');
    if (magnitude > kLimit) return false;
  }
  if (pos == first) return false;
  value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

}  // namespace

std::string_view TrimSelector(std::string_view selector) {
  size_t end = selector.size();
  while (end > 0 && selector[end - 1] == ' ') --end;
  return selector.substr(0, end);
}

bool SelectorNumber(std::string_view trimmed, int32_t& number) {
  size_t pos = SkipBlanks(trimmed, 0);
  int64_t value = 0;
  if (!ReadSignedDigits(trimmed, pos, value) || pos != trimmed.size()) return false;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) return false;
  number = static_cast<int32_t>(value);
  return true;
}

void ApplyIndexRule(PropertyRequest& request, int32_t index) {
  request.index = 0;
  if (request.number < prop::kFirstNumbered || index < 1) return;
  if (request.number >= prop::kFirstIndexed) {
    request.index = index - 1;
    return;
  }
  int64_t folded = static_cast<int64_t>(request.number) + index - 1;
  request.number = folded <= prop::kLastFolded ? static_cast<int32_t>(folded) : 0;
}

PropertyRequest MakePropertyRequest(int32_t control, std::string_view selector, int32_t index) {
  PropertyRequest request;
  request.control = control;
  std::string_view trimmed = TrimSelector(selector);
  request.selector.assign(trimmed);
  int32_t number = 0;
  if (SelectorNumber(trimmed, number)) {
    if (number >= prop::kFirstNumbered) request.number = number;
  } else {
    request.number = PropertyNumberOfName(trimmed);
  }
  ApplyIndexRule(request, index);
  return request;
}

bool HasPropertyNumber(const PropertyRequest& request) { return request.number >= prop::kFirstNumbered; }

bool PropertyInteger(std::string_view text, int64_t& value) {
  size_t pos = SkipBlanks(text, 0);
  if (pos == text.size()) {
    value = 0;
    return true;
  }
  if (!ReadSignedDigits(text, pos, value)) return false;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
  }
  return SkipBlanks(text, pos) == text.size();
}

}  // namespace qor::win
