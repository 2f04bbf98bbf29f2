#include "runtime/string_rules.h"

namespace qor::rt {
namespace {

uint8_t AsciiUpper(uint8_t c) { return (c >= 'a' && c <= 'z') ? static_cast<uint8_t>(c - 'a' + 'A') : c; }

int BlankPaddedCompare(const char* a, int32_t aLength, const char* b, int32_t bLength) {
  int32_t longer = aLength > bLength ? aLength : bLength;
  for (int32_t i = 0; i < longer; ++i) {
    uint8_t x = i < aLength ? static_cast<uint8_t>(a[i]) : ' ';
    uint8_t y = i < bLength ? static_cast<uint8_t>(b[i]) : ' ';
    if (x != y) return x - y;
  }
  return 0;
}

StringRules rules{AsciiUpper, BlankPaddedCompare};

}  // namespace

const StringRules& CurrentStringRules() { return rules; }

void InstallStringRules(const StringRules& installed) {
  rules.upper = installed.upper ? installed.upper : AsciiUpper;
  rules.compare = installed.compare ? installed.compare : BlankPaddedCompare;
}

}  // namespace qor::rt
