#include "app/driver/script_text.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace qor::app::drv {
namespace {

// The characters of bytes 80h to 9Fh; 0 where the code page leaves the byte unused.
constexpr std::array<uint16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> CodePageByte(uint32_t codePoint) {
  if ((codePoint >= 0x20 && codePoint <= 0x7F) || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<char>(codePoint);
  }
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

// Reads one UTF-8 sequence at `at`; nullopt for a malformed, overlong or surrogate one.
std::optional<uint32_t> NextCodePoint(std::string_view text, size_t& at) {
  auto lead = static_cast<uint8_t>(text[at]);
  int more = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
  if (more < 0 || text.size() - at <= static_cast<size_t>(more)) return std::nullopt;
  uint32_t value = more == 0 ? lead : more == 1 ? (lead & 0x1Fu) : more == 2 ? (lead & 0x0Fu) : (lead & 0x07u);
  for (int i = 1; i <= more; ++i) {
    auto next = static_cast<uint8_t>(text[at + static_cast<size_t>(i)]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = (value << 6) | (next & 0x3Fu);
  }
  static constexpr uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[more] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
  at += static_cast<size_t>(more) + 1;
  return value;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Hex4(uint32_t codePoint) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", codePoint);
  return buffer;
}

// An escape at `at` (a backslash): the byte it stands for, and `at` moved past it.
std::optional<char> Escape(std::string_view text, size_t& at, std::string* error) {
  if (at + 1 < text.size() && text[at + 1] == '\\') {
    at += 2;
    return '\\';
  }
  if (at + 3 < text.size() && text[at + 1] == 'x') {
    int high = HexDigit(text[at + 2]);
    int low = HexDigit(text[at + 3]);
    if (high >= 0 && low >= 0 && high >= 2) {
      at += 4;
      return static_cast<char>(high * 16 + low);
    }
  }
  *error = "bad escape (\\\\ or \\xHH with HH 20 to FF)";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> DecodeScriptText(std::string_view utf8, std::string* error) {
  std::string bytes;
  size_t at = 0;
  while (at < utf8.size()) {
    if (utf8[at] == '\\') {
      std::optional<char> escaped = Escape(utf8, at, error);
      if (!escaped) return std::nullopt;
      bytes += *escaped;
      continue;
    }
    std::optional<uint32_t> codePoint = NextCodePoint(utf8, at);
    if (!codePoint) {
      *error = "the text is not valid UTF-8";
      return std::nullopt;
    }
    std::optional<char> byte = CodePageByte(*codePoint);
    if (!byte) {
      *error = "character " + Hex4(*codePoint) + " is not in code page 1252";
      return std::nullopt;
    }
    bytes += *byte;
  }
  return bytes;
}

}  // namespace qor::app::drv
