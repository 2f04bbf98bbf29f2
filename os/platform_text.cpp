#include "os/platform_text.h"

#include <cwchar>
#include <cwctype>
#include <string>

#include "os/codepage.h"
#include "os/intl_profile.h"

namespace qor::os {
namespace {

locale_t OpenCategory(locale_t base, int mask, const std::string& name) {
  locale_t loc = newlocale(mask, name.c_str(), base);
  return loc != static_cast<locale_t>(0) ? loc : base;
}

// Opening a locale is slow, so the last one opened is kept for as long as the
// process's locale settings name the same one.
struct OpenedLocale {
  std::string ctype;
  std::string collate;
  locale_t locale = static_cast<locale_t>(0);
};

locale_t UserLocale() {
  static OpenedLocale opened;
  std::string ctype = EffectiveLocaleName("LC_CTYPE");
  std::string collate = EffectiveLocaleName("LC_COLLATE");
  if (opened.locale != static_cast<locale_t>(0) && opened.ctype == ctype && opened.collate == collate)
    return opened.locale;
  if (opened.locale != static_cast<locale_t>(0)) freelocale(opened.locale);
  locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  loc = OpenCategory(loc, LC_CTYPE_MASK, ctype);
  opened = {ctype, collate, OpenCategory(loc, LC_COLLATE_MASK, collate)};
  return opened.locale;
}

}  // namespace

PlatformText::PlatformText() : locale_(UserLocale()) {}

PlatformText::~PlatformText() = default;

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
