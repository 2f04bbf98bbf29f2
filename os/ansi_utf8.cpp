#include "os/ansi_utf8.h"

#include <cstdint>

#include "os/codepage.h"

namespace qor::os {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes the character at `at` and moves past it; none (and one byte on) if malformed.
bool NextCharacter(std::string_view text, size_t& at, char32_t& c) {
  auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  uint8_t lead = byte(at);
  int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
  if (extra < 0) {
    ++at;
    return false;
  }
  c = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    if (at + i >= text.size() || (byte(at + i) & 0xC0) != 0x80) {
      ++at;
      return false;
    }
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  at += extra + 1;
  return c >= kSmallest[extra] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char b : ansi) AppendUtf8(out, AnsiToUnicode(static_cast<uint8_t>(b)));
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8, char missing) {
  std::string out;
  out.reserve(utf8.size());
  size_t at = 0;
  while (at < utf8.size()) {
    char32_t c = 0;
    if (!NextCharacter(utf8, at, c)) {
      out += missing;
      continue;
    }
    uint8_t ansi = c == 0 ? 0 : UnicodeToAnsi(c);
    out += (ansi != 0 || c == 0) ? static_cast<char>(ansi) : missing;
  }
  return out;
}

}  // namespace qor::os
