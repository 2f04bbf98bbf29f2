#include "os/intl_profile.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>

#include "os/file.h"

namespace qor::os {
namespace {

bool IsClassicLocale(const std::string& name) {
  return name == "C" || name == "POSIX" || name.starts_with("C.");
}

// One strftime conversion written as a date-format field, or empty.
std::string_view DateField(char conversion) {
  switch (conversion) {
    case 'd': return "dd";
    case 'e': return "d";
    case 'm': return "MM";
    case 'y': return "yy";
    case 'Y':
    case 'G': return "yyyy";
    case 'D': return "MM/dd/yy";
    case 'F': return "yyyy-MM-dd";
    case 'b':
    case 'h': return "MMM";
    case 'B': return "MMMM";
    case 'a': return "ddd";
    case 'A': return "dddd";
    default: return {};
  }
}

// Translates a strftime date format into the d/M/y notation, quoting literal letters.
std::string DateFormatFromStrftime(std::string_view format) {
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    if (c == '%' && i + 1 < format.size()) {
      char conversion = format[++i];
      if ((conversion == '-' || conversion == '_' || conversion == '0' || conversion == 'E' ||
           conversion == 'O') && i + 1 < format.size()) {
        char next = format[++i];
        std::string_view field = DateField(next);
        // "%-d" and "%-m" drop the leading zero.
        if (conversion == '-' && (next == 'd' || next == 'm')) field = field.substr(1);
        out += field;
      } else if (conversion == '%') {
        out += '%';
      } else {
        out += DateField(conversion);
      }
    } else if (c == '\'') {
      out += "''";
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      out += '\'';
      out += c;
      out += '\'';
    } else {
      out += c;
    }
  }
  return out;
}

// A long date in the same field order as the short one.
std::string LongDateLike(const std::string& shortDate) {
  for (char c : shortDate) {
    if (c == 'd') return "dddd', 'd' 'MMMM' 'yyyy";
    if (c == 'y') return "yyyy' 'MMMM' 'd";
    if (c == 'M') break;
  }
  return IntlProfile{}.sLongDate;
}

// Expands %T, %R and %r into their parts so the hour can be found.
std::string ExpandTimeFormat(std::string_view format) {
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      char c = format[i + 1];
      if (c == 'T') { out += "%H:%M:%S"; ++i; continue; }
      if (c == 'R') { out += "%H:%M"; ++i; continue; }
      if (c == 'r') { out += "%I:%M:%S %p"; ++i; continue; }
    }
    out += format[i];
  }
  return out;
}

void ApplyTimeFormat(IntlProfile& profile, std::string_view timeFormat) {
  std::string format = ExpandTimeFormat(timeFormat);
  size_t hour = std::string::npos;
  for (size_t i = 0; i + 1 < format.size(); ++i) {
    if (format[i] != '%') continue;
    size_t at = i + 1;
    bool noPad = false;
    if ((format[at] == '-' || format[at] == '_') && at + 1 < format.size()) {
      noPad = true;
      ++at;
    }
    char c = format[at];
    if (c == 'H' || c == 'k' || c == 'I' || c == 'l') {
      profile.iTime = (c == 'H' || c == 'k') ? 1 : 0;
      profile.iTLzero = (noPad || c == 'k' || c == 'l') ? 0 : 1;
      hour = at + 1;
      break;
    }
    i = at;
  }
  if (hour != std::string::npos && hour < format.size() && format[hour] != '%')
    profile.sTime = std::string(1, format[hour]);
  if (format.find("%p") != std::string::npos || format.find("%P") != std::string::npos)
    profile.iTime = 0;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

// A profile integer reads like a leading decimal number; anything else is 0.
int ProfileInt(std::string_view value) {
  int n = 0;
  for (char c : value) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
    if (n > 1000000) break;
  }
  return n;
}

void ApplyKey(IntlProfile& profile, std::string_view key, std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  if (SameLetters(key, "iTime")) profile.iTime = ProfileInt(value);
  else if (SameLetters(key, "iTLzero")) profile.iTLzero = ProfileInt(value);
  else if (SameLetters(key, "sTime")) profile.sTime = value;
  else if (SameLetters(key, "s1159")) profile.s1159 = value;
  else if (SameLetters(key, "s2359")) profile.s2359 = value;
  else if (SameLetters(key, "sShortDate")) profile.sShortDate = value;
  else if (SameLetters(key, "sLongDate")) profile.sLongDate = value;
}

IntlProfile ProfileOfLocale() {
  std::string name = EffectiveLocaleName("LC_TIME");
  if (IsClassicLocale(name)) return IntlProfile{};
  locale_t loc = newlocale(LC_TIME_MASK, name.c_str(), static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return IntlProfile{};
  IntlProfile profile = IntlProfileFromFormats(nl_langinfo_l(D_FMT, loc), nl_langinfo_l(T_FMT, loc),
                                               nl_langinfo_l(AM_STR, loc), nl_langinfo_l(PM_STR, loc));
  freelocale(loc);
  return profile;
}

}  // namespace

IntlProfile IntlProfileFromFormats(std::string_view dateFormat, std::string_view timeFormat,
                                   std::string_view am, std::string_view pm) {
  IntlProfile profile;
  if (!dateFormat.empty()) {
    profile.sShortDate = DateFormatFromStrftime(dateFormat);
    profile.sLongDate = LongDateLike(profile.sShortDate);
  }
  if (!timeFormat.empty()) ApplyTimeFormat(profile, timeFormat);
  if (!am.empty()) profile.s1159 = am;
  if (!pm.empty()) profile.s2359 = pm;
  return profile;
}

void ApplyIntlOverrides(IntlProfile& profile, std::string_view iniText) {
  bool inIntl = false;
  while (!iniText.empty()) {
    size_t end = iniText.find('\n');
    std::string_view line = Trim(iniText.substr(0, end));
    iniText = end == std::string_view::npos ? std::string_view{} : iniText.substr(end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      inIntl = close != std::string_view::npos && SameLetters(Trim(line.substr(1, close - 1)), "intl");
      continue;
    }
    size_t eq = line.find('=');
    if (!inIntl || eq == std::string_view::npos) continue;
    ApplyKey(profile, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
  }
}

std::string EffectiveLocaleName(const char* categoryVariable) {
  for (const char* variable : {"LC_ALL", categoryVariable, "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return value;
  }
  return "C";
}

IntlProfile ReadIntlProfile() {
  IntlProfile profile = ProfileOfLocale();
  const char* overrides = std::getenv("QOR_INTL");
  if (overrides && *overrides) {
    std::string text;
    if (ReadWholeFile(overrides, text)) ApplyIntlOverrides(profile, text);
  }
  return profile;
}

}  // namespace qor::os
