#pragma once
// Standard dates and times. A standard date counts days so that day 4 is 1 January
// 1801 (valid 4 to 2,994,626, which is 31 December 9999); a standard time counts
// hundredths of a second since midnight plus one (1 to 8,640,000). 0 means none.
#include <cstdint>

namespace qor::rt {

inline constexpr int32_t kFirstDate = 4;
inline constexpr int32_t kLastDate = 2994626;
inline constexpr int32_t kLastTime = 8640000;
inline constexpr int kDefaultYearWindow = 80;

bool IsLeapYear(int year);
int DaysInMonth(int month, int year);  // 0 for a month outside 1..12
int DaysBeforeMonth(int month, int year);

// The year the two-digit window is centred on: read from the clock on first use and
// kept, unless fixed beforehand.
int CurrentYear();
void SetCurrentYear(int year);
void ForgetCurrentYear();  // the next use reads the clock again

// A year below 100 becomes the one year ending in those digits that lies from
// Y - window to Y + 99 - window, Y being the current year.
int ExpandTwoDigitYear(int year, int window = kDefaultYearWindow);

// The standard date of a calendar day, or -1 when the day is invalid.
int32_t DayNumber(int year, int month, int day, int window = kDefaultYearWindow);

// DATE: months beyond 12 carry into the following years and days beyond the month's
// length into the following months before conversion; 0 when still invalid.
int32_t DateValue(int64_t month, int64_t day, int64_t year, int window = kDefaultYearWindow);

struct CalendarParts {
  int year = 0;
  int month = 0;
  int day = 0;
};
// 0, or -1 with all parts 0 for a day number outside 4..2,994,626.
int CalendarPartsOf(int32_t dayNumber, CalendarParts& parts);

struct TimeParts {
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  int hundredths = 0;
};
// The standard time of the parts, computed wide enough for any 32-bit parts.
int64_t WideTimeValue(int32_t hours, int32_t minutes, int32_t seconds, int32_t hundredths);
// The same in 32 bits; -1 when it would lie outside them.
int32_t TimeValue(int32_t hours, int32_t minutes, int32_t seconds, int32_t hundredths);
// 0, or -1 with all parts 0 for a time outside 1..8,640,000.
int TimePartsOf(int32_t time, TimeParts& parts);

// TODAY and CLOCK, from the local time of the process's clock.
int32_t Today();
int32_t ClockTime();

}  // namespace qor::rt
