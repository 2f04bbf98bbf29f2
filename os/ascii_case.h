#pragma once
// Names that match without regard to case: class names, settings sections and keys,
// property names, mnemonics. Only the ASCII letters have case here, as in the C locale
// the programs run in; every other byte matches only itself.
#include <algorithm>
#include <string_view>

namespace qor::os {

constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace qor::os
