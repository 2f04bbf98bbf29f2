#include "runtime/locale/case_tables.h"

#include "os/platform_text.h"

namespace qor::rt {

CaseTables DefaultCaseTables() {
  CaseTables t;
  for (int c = 'A'; c <= 'Z'; ++c) {
    t.charClass[c] = kClassUpper;
    t.partner[c] = static_cast<uint8_t>(c + 32);
    t.charClass[c + 32] = kClassLower;
    t.partner[c + 32] = static_cast<uint8_t>(c);
  }
  for (int c = '0'; c <= '9'; ++c) t.charClass[c] = kClassDigit;
  return t;
}

uint8_t UpperChar(uint8_t c) {
  const CaseTables& t = CurrentLocale().caseTables;
  return (t.charClass[c] & kClassLower) && t.partner[c] ? t.partner[c] : c;
}

uint8_t LowerChar(uint8_t c) {
  const CaseTables& t = CurrentLocale().caseTables;
  return (t.charClass[c] & kClassUpper) && t.partner[c] ? t.partner[c] : c;
}

bool IsUpperChar(uint8_t c) { return (CurrentLocale().caseTables.charClass[c] & kClassUpper) != 0; }

bool IsAlphaChar(uint8_t c) {
  return (CurrentLocale().caseTables.charClass[c] & (kClassUpper | kClassLower)) != 0;
}

std::string UpperText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(UpperChar(static_cast<uint8_t>(c)));
  return out;
}

std::string LowerText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(LowerChar(static_cast<uint8_t>(c)));
  return out;
}

void PlatformCasePairs(std::string& upper, std::string& lower) {
  upper.clear();
  lower.clear();
  os::PlatformText platform;
  for (int c = 128; c < 256; ++c) {
    uint8_t ch = static_cast<uint8_t>(c);
    if (!platform.IsAlpha(ch) || !platform.IsUpper(ch)) continue;
    upper += static_cast<char>(ch);
    lower += static_cast<char>(platform.ToLower(ch));
  }
}

void SetCasePairs(std::string_view upper, std::string_view lower) {
  std::string platformUpper, platformLower;
  if (upper.empty() || lower.empty() || upper.size() != lower.size() || upper == "WINDOWS" ||
      UpperText(upper) == "WINDOWS") {
    PlatformCasePairs(platformUpper, platformLower);
    upper = platformUpper;
    lower = platformLower;
  }
  CaseTables& t = CurrentLocale().caseTables;
  for (int c = 128; c < 256; ++c) t.charClass[c] = t.partner[c] = 0;
  for (size_t i = 0; i < upper.size(); ++i) {
    uint8_t u = static_cast<uint8_t>(upper[i]);
    uint8_t l = static_cast<uint8_t>(lower[i]);
    if (u < 128 || l < 128 || u == l) continue;
    t.charClass[u] = kClassUpper;
    t.partner[u] = l;
    t.charClass[l] = kClassLower;
    t.partner[l] = u;
  }
}

}  // namespace qor::rt
