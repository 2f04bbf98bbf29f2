#include "runtime/values/real_text.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace qor::rt {

std::size_t RealToText(double value, char* out) {
  if (value == 0) value = 0;  // no sign on a negative zero
  char text[40];
  int length = std::snprintf(text, sizeof text, "%.14g", value);
  if (length > 0 && text[length - 1] == '.') --length;
  std::memcpy(out, text, static_cast<std::size_t>(length));
  return static_cast<std::size_t>(length);
}

std::size_t LongToText(int32_t value, char* out) {
  return static_cast<std::size_t>(std::to_chars(out, out + kLongTextMax, value).ptr - out);
}

}  // namespace qor::rt
