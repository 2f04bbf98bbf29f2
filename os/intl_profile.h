#pragma once
// The "intl" profile: the user's date and time conventions, under the key names the
// runtime's locale reads. They come from the process's locale (the LC_ALL, LC_TIME
// and LANG variables); the C and POSIX locales give the classic defaults (12-hour
// clock, "MM/dd/yy"). When QOR_INTL names a file, the keys of its [intl] section
// override what the locale gave, for tests and for users who want their own.
#include <string>
#include <string_view>

namespace qor::os {

struct IntlProfile {
  int iTime = 0;      // 0: 12-hour clock with an AM/PM marker; 1: 24-hour clock
  int iTLzero = 1;    // 1: leading zero in the hour; 0: a blank
  std::string sTime = ":";
  std::string s1159 = "AM";
  std::string s2359 = "PM";
  std::string sShortDate = "MM/dd/yy";
  std::string sLongDate = "ddd', 'MMMM' 'dd', 'yyyy";
};

// The profile in force: the locale's, then QOR_INTL's overrides.
IntlProfile ReadIntlProfile();

// The profile of a locale described by its date format, time format and AM/PM
// texts as strftime writes them (for example "%d.%m.%Y", "%T", "", "").
IntlProfile IntlProfileFromFormats(std::string_view dateFormat, std::string_view timeFormat,
                                   std::string_view am, std::string_view pm);

// Applies the keys of the [intl] section of an INI-style text. Section and key
// names match without regard to case; other sections and keys are ignored.
void ApplyIntlOverrides(IntlProfile& profile, std::string_view iniText);

// The locale name the process's settings give for a category (LC_ALL, then the
// category's own variable, then LANG; "C" when none is set).
std::string EffectiveLocaleName(const char* categoryVariable);

}  // namespace qor::os
