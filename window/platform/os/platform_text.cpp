#include "window/platform/os/platform_text.h"

#include <cwchar>
#include <cwctype>
#include <string>

#include "window/platform/os/codepage.h"
#include "window/platform/os/intl_profile.h"

namespace qor::os {
namespace {

locale_t OpenCategory(locale_t base, int mask, const char* variable) {
  std::string name = EffectiveLocaleName(variable);
  locale_t loc = newlocale(mask, name.c_str(), base);
  return loc != static_cast<locale_t>(0) ? loc : base;
}

}  // namespace

PlatformText::PlatformText() {
  locale_ = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  locale_ = OpenCategory(locale_, LC_CTYPE_MASK, "LC_CTYPE");
  locale_ = OpenCategory(locale_, LC_COLLATE_MASK, "LC_COLLATE");
}

PlatformText::~PlatformText() {
  if (locale_ != static_cast<locale_t>(0)) freelocale(locale_);
}

bool PlatformText::IsAlpha(uint8_t ansi) const {
  return iswalpha_l(static_cast<wint_t>(AnsiToUnicode(ansi)), locale_) != 0;
}

bool PlatformText::IsUpper(uint8_t ansi) const {
  return iswupper_l(static_cast<wint_t>(AnsiToUnicode(ansi)), locale_) != 0;
}

uint8_t PlatformText::ToLower(uint8_t ansi) const {
  uint8_t lower = UnicodeToAnsi(static_cast<char32_t>(towlower_l(static_cast<wint_t>(AnsiToUnicode(ansi)), locale_)));
  return lower != 0 ? lower : ansi;
}

uint8_t PlatformText::ToUpper(uint8_t ansi) const {
  uint8_t upper = UnicodeToAnsi(static_cast<char32_t>(towupper_l(static_cast<wint_t>(AnsiToUnicode(ansi)), locale_)));
  return upper != 0 ? upper : ansi;
}

int PlatformText::Compare(uint8_t a, uint8_t b) const {
  wchar_t x[2] = {static_cast<wchar_t>(AnsiToUnicode(a)), 0};
  wchar_t y[2] = {static_cast<wchar_t>(AnsiToUnicode(b)), 0};
  int r = wcscoll_l(x, y, locale_);
  return (r > 0) - (r < 0);
}

}  // namespace qor::os
