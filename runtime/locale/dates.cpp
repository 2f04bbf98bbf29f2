#include "runtime/locale/dates.h"

#include <limits>

#include "os/clock.h"

namespace qor::rt {
namespace {

constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFirstYear = 1801;
constexpr int kLastYear = 9999;
constexpr int32_t kHundredthsPerHour = 360000;
constexpr int32_t kHundredthsPerMinute = 6000;

int g_currentYear = 0;

int LeapDaysThrough(int year) { return year / 4 - year / 100 + year / 400; }

int32_t DaysBeforeYear(int year) {
  return (year - kFirstYear) * 365 + LeapDaysThrough(year - 1) - LeapDaysThrough(kFirstYear - 1);
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year) {
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kMonthLengths[month - 1];
}

int DaysBeforeMonth(int month, int year) {
  if (month < 1 || month > 12) return 0;
  return kDaysBefore[month - 1] + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

int CurrentYear() {
  if (g_currentYear == 0) g_currentYear = os::GetLocalTime().year;
  return g_currentYear;
}

void SetCurrentYear(int year) { g_currentYear = year; }
void ForgetCurrentYear() { g_currentYear = 0; }

int ExpandTwoDigitYear(int year, int window) {
  if (year < 0 || year >= 100) return year;
  int lowest = CurrentYear() - window;
  int candidate = lowest - ((lowest % 100) + 100) % 100 + year;
  return candidate < lowest ? candidate + 100 : candidate;
}

int32_t DayNumber(int year, int month, int day, int window) {
  year = ExpandTwoDigitYear(year, window);
  if (year < kFirstYear || year > kLastYear || month < 1 || month > 12) return -1;
  if (day < 1 || day > DaysInMonth(month, year)) return -1;
  return DaysBeforeYear(year) + DaysBeforeMonth(month, year) + day + 3;
}

int32_t DateValue(int64_t month, int64_t day, int64_t year, int window) {
  if (year > kLastYear) {
    year = kLastYear;
    month = 12;
    day = 31;
  }
  if (year < 0 || month < 1 || day < 1) return 0;
  year = ExpandTwoDigitYear(static_cast<int>(year), window);
  year += (month - 1) / 12;
  month = (month - 1) % 12 + 1;
  while (year <= kLastYear && day > DaysInMonth(static_cast<int>(month), static_cast<int>(year))) {
    day -= DaysInMonth(static_cast<int>(month), static_cast<int>(year));
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  if (year > kLastYear) return 0;
  int32_t result = DayNumber(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), window);
  return result < 0 ? 0 : result;
}

int CalendarPartsOf(int32_t dayNumber, CalendarParts& parts) {
  parts = CalendarParts{};
  if (dayNumber < kFirstDate || dayNumber > kLastDate) return -1;
  int32_t days = dayNumber - 4;  // 0 is 1 January 1801
  int year = kFirstYear + days / 365;
  while (DaysBeforeYear(year) > days) --year;
  days -= DaysBeforeYear(year);
  int month = 1;
  while (days >= DaysInMonth(month, year)) days -= DaysInMonth(month++, year);
  parts = {year, month, days + 1};
  return 0;
}

int64_t WideTimeValue(int32_t hours, int32_t minutes, int32_t seconds, int32_t hundredths) {
  return int64_t{hours} * kHundredthsPerHour + int64_t{minutes} * kHundredthsPerMinute + int64_t{seconds} * 100 +
         hundredths + 1;
}

int32_t TimeValue(int32_t hours, int32_t minutes, int32_t seconds, int32_t hundredths) {
  int64_t t = WideTimeValue(hours, minutes, seconds, hundredths);
  if (t > std::numeric_limits<int32_t>::max() || t < std::numeric_limits<int32_t>::min()) return -1;
  return static_cast<int32_t>(t);
}

int TimePartsOf(int32_t time, TimeParts& parts) {
  parts = TimeParts{};
  if (time < 1 || time > kLastTime) return -1;
  int32_t rest = time - 1;
  parts.hours = rest / kHundredthsPerHour;
  rest %= kHundredthsPerHour;
  parts.minutes = rest / kHundredthsPerMinute;
  rest %= kHundredthsPerMinute;
  parts.seconds = rest / 100;
  parts.hundredths = rest % 100;
  return 0;
}

int32_t Today() {
  os::LocalTime now = os::GetLocalTime();
  return DayNumber(now.year, now.month, now.day);
}

int32_t ClockTime() {
  os::LocalTime now = os::GetLocalTime();
  return TimeValue(now.hour, now.minute, now.second, now.milliseconds / 10);
}

}  // namespace qor::rt
