#include "runtime/locale/dates.h"

#include <gtest/gtest.h>

#include "os/clock.h"

namespace qor::rt {
namespace {

class FixedClock final : public os::ClockSource {
 public:
  uint64_t Ticks() override { return 0; }
  os::LocalTime Now() override { return now; }
  os::LocalTime now{2026, 1, 5, 1, 13, 5, 7, 129};
};

class DatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    os::InstallClock(&clock_);
    ForgetCurrentYear();
  }
  void TearDown() override {
    os::InstallClock(nullptr);
    ForgetCurrentYear();
  }
  FixedClock clock_;
};

TEST_F(DatesTest, DayNumbersOfKnownDays) {
  EXPECT_EQ(DayNumber(1801, 1, 1), 4);
  EXPECT_EQ(DayNumber(2000, 1, 1), 72687);
  EXPECT_EQ(DayNumber(2000, 3, 1), 72747);
  EXPECT_EQ(DayNumber(9999, 12, 31), 2994626);
  EXPECT_EQ(DayNumber(1800, 12, 31), -1);
  EXPECT_EQ(DayNumber(2025, 2, 29), -1);
  EXPECT_GT(DayNumber(2024, 2, 29), 0);
  EXPECT_EQ(DayNumber(2024, 13, 1), -1);
  EXPECT_EQ(DayNumber(10000, 1, 1), -1);
}

TEST_F(DatesTest, CalendarPartsRoundTripEveryDay) {
  for (int32_t d = kFirstDate; d <= kLastDate; d += 1 + d % 7) {
    CalendarParts p;
    ASSERT_EQ(CalendarPartsOf(d, p), 0) << d;
    ASSERT_EQ(DayNumber(p.year, p.month, p.day), d) << d;
  }
  CalendarParts p;
  EXPECT_EQ(CalendarPartsOf(3, p), -1);
  EXPECT_EQ(p.year + p.month + p.day, 0);
  EXPECT_EQ(CalendarPartsOf(kLastDate + 1, p), -1);
}

TEST_F(DatesTest, DateNormalisesMonthsAndDays) {
  EXPECT_EQ(DateValue(13, 1, 2025), DayNumber(2026, 1, 1));
  EXPECT_EQ(DateValue(1, 32, 2026), DayNumber(2026, 2, 1));
  EXPECT_EQ(DateValue(2, 30, 2024), DayNumber(2024, 3, 1));
  EXPECT_EQ(DateValue(25, 400, 2024), DayNumber(2027, 2, 4));
  EXPECT_EQ(DateValue(1, 1, 12000), kLastDate);
  EXPECT_EQ(DateValue(1, 1, 1700), 0);
  EXPECT_EQ(DateValue(0, 1, 2000), 0);
  EXPECT_EQ(DateValue(12, 2000000000, 9999), 0);  // carries past the last year
}

TEST_F(DatesTest, TwoDigitYearsFollowTheWindowAroundTheCurrentYear) {
  EXPECT_EQ(CurrentYear(), 2026);
  EXPECT_EQ(ExpandTwoDigitYear(45), 2045);
  EXPECT_EQ(ExpandTwoDigitYear(46), 1946);
  EXPECT_EQ(ExpandTwoDigitYear(99, 0), 2099);
  EXPECT_EQ(ExpandTwoDigitYear(26, 0), 2026);
  EXPECT_EQ(ExpandTwoDigitYear(25, 0), 2125);
  EXPECT_EQ(DayNumber(99, 12, 31), DayNumber(1999, 12, 31));
  SetCurrentYear(2090);
  EXPECT_EQ(ExpandTwoDigitYear(10), 2010);
  EXPECT_EQ(ExpandTwoDigitYear(9), 2109);
}

TEST_F(DatesTest, TheCurrentYearIsReadOnceAndKept) {
  EXPECT_EQ(CurrentYear(), 2026);
  clock_.now.year = 2030;
  EXPECT_EQ(CurrentYear(), 2026);
}

TEST_F(DatesTest, LeapYears) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_EQ(DaysInMonth(2, 2100), 28);
  EXPECT_EQ(DaysInMonth(2, 2400), 29);
  EXPECT_EQ(DaysInMonth(0, 2000), 0);
}

TEST_F(DatesTest, TimePartsAndValues) {
  TimeParts p;
  EXPECT_EQ(TimePartsOf(1, p), 0);
  EXPECT_EQ(p.hours + p.minutes + p.seconds + p.hundredths, 0);
  EXPECT_EQ(TimePartsOf(8640000, p), 0);
  EXPECT_EQ(p.hours, 23);
  EXPECT_EQ(p.minutes, 59);
  EXPECT_EQ(p.seconds, 59);
  EXPECT_EQ(p.hundredths, 99);
  EXPECT_EQ(TimePartsOf(0, p), -1);
  EXPECT_EQ(TimePartsOf(8640001, p), -1);
  EXPECT_EQ(TimeValue(1, 0, 0, 0), 360001);
  EXPECT_EQ(TimeValue(23, 59, 59, 99), 8640000);
  EXPECT_EQ(TimeValue(6000, 0, 0, 0), -1);  // beyond 32 bits
  EXPECT_EQ(WideTimeValue(6000, 0, 0, 0), 2160000001);
}

TEST_F(DatesTest, TodayAndClockComeFromTheInstalledClock) {
  EXPECT_EQ(Today(), DayNumber(2026, 1, 5));
  EXPECT_EQ(ClockTime(), TimeValue(13, 5, 7, 12));
}

}  // namespace
}  // namespace qor::rt
