#include "runtime/string_rules.h"

#include <string_view>

#include "runtime/case_tables.h"
#include "runtime/collation.h"

namespace qor::rt {
namespace {

std::string_view Counted(const char* text, int32_t length) {
  return text && length > 0 ? std::string_view(text, static_cast<size_t>(length)) : std::string_view{};
}

// The locale's case tables and collation (ASCII letters and the identity order
// until the locale is set up).
uint8_t LocaleUpper(uint8_t c) { return UpperChar(c); }

int LocaleCompare(const char* a, int32_t aLength, const char* b, int32_t bLength) {
  return CompareStrings(Counted(a, aLength), Counted(b, bLength));
}

StringRules rules{LocaleUpper, LocaleCompare};

}  // namespace

const StringRules& CurrentStringRules() { return rules; }

void InstallStringRules(const StringRules& installed) {
  rules.upper = installed.upper ? installed.upper : LocaleUpper;
  rules.compare = installed.compare ? installed.compare : LocaleCompare;
}

}  // namespace qor::rt
