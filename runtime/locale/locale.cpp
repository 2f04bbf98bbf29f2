#include "runtime/locale/locale.h"

#include "runtime/locale/case_tables.h"
#include "runtime/locale/collation.h"

namespace qor::rt {
namespace {

constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};

std::string Cut(std::string_view text, size_t limit) { return std::string(text.substr(0, limit)); }

Locale DefaultLocale() {
  Locale locale;
  for (int m = 0; m < 12; ++m) {
    locale.monthNames[m] = kMonthNames[m];
    locale.monthAbbreviations[m] = Cut(kMonthNames[m], kMonthAbbreviationLength);
  }
  locale.am = locale.platformAm = "AM";
  locale.pm = locale.platformPm = "PM";
  locale.intl = os::IntlProfile{};
  locale.caseTables = DefaultCaseTables();
  locale.ansiCollation = locale.oemCollation = IdentityCollation();
  locale.digraphs.clear();
  locale.oemDigraphs.clear();
  locale.longFileNames = false;
  return locale;
}

}  // namespace

Locale& CurrentLocale() {
  static Locale locale = DefaultLocale();
  return locale;
}

void ResetLocale() { CurrentLocale() = DefaultLocale(); }

void ApplyPlatformSettings(const os::IntlProfile& profile) {
  Locale& locale = CurrentLocale();
  locale.intl = profile;
  locale.platformAm = Cut(profile.s1159, kAmPmLimit);
  locale.platformPm = Cut(profile.s2359, kAmPmLimit);
}

}  // namespace qor::rt
