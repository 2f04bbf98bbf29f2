#pragma once
// The character rules the value stack uses for UPPER and string comparison: the
// locale's case tables and collation (a string that runs out counts as blanks).
// A test may install rules of its own; null members put the locale's back.
#include <cstdint>

namespace qor::rt {

struct StringRules {
  uint8_t (*upper)(uint8_t c);
  // Negative, 0 or positive as a sorts before, with or after b.
  int (*compare)(const char* a, int32_t aLength, const char* b, int32_t bLength);
};

const StringRules& CurrentStringRules();
// Null members keep the built-in rule.
void InstallStringRules(const StringRules& rules);

}  // namespace qor::rt
