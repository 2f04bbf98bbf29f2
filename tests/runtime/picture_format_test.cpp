#include <gtest/gtest.h>

#include "runtime/locale/dates.h"
#include "runtime/locale/locale.h"
#include "runtime/pictures/picture.h"

namespace qor::rt {
namespace {

std::string Format(std::string_view picture, std::string_view value) {
  return FormatText(CompilePicture(picture), value);
}

std::string FormatDay(std::string_view picture, int year, int month, int day) {
  return Format(picture, std::to_string(DayNumber(year, month, day)));
}

std::string FormatClock(std::string_view picture, int h, int m, int s = 0) {
  return Format(picture, std::to_string(TimeValue(h, m, s, 0)));
}

class PictureFormatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetLocale();
    SetCurrentYear(2026);
  }
  void TearDown() override {
    ResetLocale();
    ForgetCurrentYear();
  }
};

TEST_F(PictureFormatTest, NumericPicturesOfTheTester) {
  EXPECT_EQ(Format("@n_10", "0"), "         0");
  EXPECT_EQ(Format("@n_10", "-1"), "         1");  // no sign cell
  EXPECT_EQ(Format("@n_10", "1234"), "      1234");
  EXPECT_EQ(Format("@n-_11", "-5"), "         -5");
  EXPECT_EQ(Format("@n-14", "-1234"), "        -1,234");
  EXPECT_EQ(Format("@n-14", "1234"), "         1,234");
  EXPECT_EQ(Format("@n-14", "1234567"), "     1,234,567");
  EXPECT_EQ(Format("n_10", "4294967295"), "4294967295");
  EXPECT_EQ(Format("n-_11", "-2147483648"), "-2147483648");
}

TEST_F(PictureFormatTest, DecimalPlacesRoundAndOverflowShowsHashes) {
  EXPECT_EQ(Format("@n10.2", "1234.5"), "  1,234.50");
  EXPECT_EQ(Format("@n10.2", "12345678.9"), "###,###.##");
  EXPECT_EQ(Format("@n10.2", "999999.995"), "###,###.##");  // rounding carries into overflow
  EXPECT_EQ(Format("@n10.2", "0.005"), "      0.01");
  EXPECT_EQ(Format("@n10.2", "-0.004"), "      0.00");  // rounds to zero: no sign
  EXPECT_EQ(Format("@n6", "99.5"), "   100");
}

TEST_F(PictureFormatTest, FillsSignsAndCurrency) {
  EXPECT_EQ(Format("@n010", "42"), "0000000042");
  EXPECT_EQ(Format("@n12.2B", "0"), "            ");
  EXPECT_EQ(Format("@n12.2B", "0.001"), "            ");
  EXPECT_EQ(Format("@n(10.2)", "-3"), "    (3.00)");
  EXPECT_EQ(Format("@n(10.2)", "3"), "     3.00 ");
  EXPECT_EQ(Format("@n$10.2", "1234.5"), " $1,234.50");
  EXPECT_EQ(Format("@n$-10", "-12"), "      $-12");
  EXPECT_EQ(Format("@n10-", "-12"), "       12-");
  EXPECT_EQ(Format("@n*10", "1234"), "******1234");
  EXPECT_EQ(Format("@n-*10", "-12"), "-*******12");
  EXPECT_EQ(Format("@n~EUR~10", "5"), "      EUR5");
  EXPECT_EQ(Format("@n10~ kr~", "5"), "      5 kr");
  EXPECT_EQ(Format("@n12`2", "1234.5"), "    1.234,50");
  EXPECT_EQ(Format("@n-6v2", "-12.34"), " -1234");
}

TEST_F(PictureFormatTest, InvalidPicturesFormatAsPlainText) {
  for (const char* bad : {"@n", "@nx", "@n(10", "@n10)", "@n-10-", "@n$10$", "@q5", "@s0", "@s256", "@S5x",
                          "@d19", "@t9", "@P##", "@e6", "@n2.2"})
    EXPECT_FALSE(CompilePicture(bad).IsValid()) << bad;
  EXPECT_FALSE(CompilePicture(std::string(255, '5').insert(0, "@n")).IsValid());
  EXPECT_EQ(Format("@q5", "abc"), "abc");
}

TEST_F(PictureFormatTest, StorageSizes) {
  EXPECT_EQ(PictureStorageSize(CompilePicture("@s30")), 2);
  EXPECT_EQ(PictureStorageSize(CompilePicture("@n-14")), 30);
  EXPECT_EQ(PictureStorageSize(CompilePicture("@d1")), 18);
  EXPECT_EQ(PictureStorageSize(CompilePicture("@x")), 0);
}

TEST_F(PictureFormatTest, StringPatternAndKeyIn) {
  EXPECT_EQ(Format("@S30", std::string(40, 'x')), std::string(30, 'x'));
  EXPECT_EQ(Format("@s5", "ab"), "ab   ");
  EXPECT_EQ(Format("@P###-##P", "1234"), "012-34");
  EXPECT_EQ(Format("@p<<#p", "7"), "  7");
  EXPECT_EQ(Format("@P##P", "123"), "##");
  EXPECT_EQ(Format("@K###-@@@K", "123ABC"), "123-ABC");
  EXPECT_EQ(Format("@K\\##K", "5"), "#5");
}

TEST_F(PictureFormatTest, Scientific) {
  EXPECT_EQ(Format("@e12.1", "1234.5"), " 1.2345E+003");
  EXPECT_EQ(Format("@e12.1", "-0.00012345"), "-1.2345E-004");
  EXPECT_EQ(Format("@e10", "0.5"), " .500E+000");
  EXPECT_EQ(Format("@e10", "0"), " .000E+000");
  EXPECT_EQ(Format("@e14.4", "12345"), " 1,234.50E+001");
  EXPECT_EQ(Format("@e10.1", "9.999"), " 1.00E+001");
}

TEST_F(PictureFormatTest, Dates) {
  EXPECT_EQ(FormatDay("@D1", 2026, 1, 5), " 1/05/26");
  EXPECT_EQ(FormatDay("@D2", 2026, 1, 5), " 1/05/2026");
  EXPECT_EQ(FormatDay("@D3", 2026, 1, 5), "JAN  5,2026");
  EXPECT_EQ(FormatDay("@D2-", 2026, 1, 5), " 1-05-2026");
  EXPECT_EQ(FormatDay("@D4", 2026, 5, 5), "May  5, 2026         ");
  EXPECT_EQ(FormatDay("@D4", 2026, 9, 30), "September 30, 2026   ");
  EXPECT_EQ(FormatDay("@D6.", 2026, 12, 24), "24.12.2026");
  EXPECT_EQ(FormatDay("@D8", 2026, 3, 1), " 1 Mar 2026");
  EXPECT_EQ(FormatDay("@D10", 2026, 3, 1), "2026/03/01");
  EXPECT_EQ(FormatDay("@D12", 2026, 3, 1), "20260301");
  EXPECT_EQ(FormatDay("@D14", 2026, 3, 1), "03/2026");
  EXPECT_EQ(FormatDay("@D01", 2026, 1, 5), "01/05/26");
  EXPECT_EQ(FormatDay("@D*1_", 2026, 1, 5), "*1 *5 26");
  EXPECT_EQ(Format("@D1", "0"), "        ");
  EXPECT_EQ(Format("@D2", "3"), "          ");
  EXPECT_EQ(Format("@D2", "2994627"), "          ");
}

TEST_F(PictureFormatTest, Times) {
  EXPECT_EQ(FormatClock("@T3", 0, 30), "12:30AM");
  EXPECT_EQ(FormatClock("@T3", 13, 5), " 1:05PM");
  EXPECT_EQ(FormatClock("@T3", 12, 0), "12:00PM");
  EXPECT_EQ(FormatClock("@T1", 9, 7), " 9:07");
  EXPECT_EQ(FormatClock("@T01", 9, 7), "09:07");
  EXPECT_EQ(FormatClock("@T4", 23, 59, 59), "23:59:59");
  EXPECT_EQ(FormatClock("@T5", 1, 2, 3), " 10203");
  EXPECT_EQ(FormatClock("@T6.", 1, 2, 3), " 1.02.03AM");
  EXPECT_EQ(Format("@T1", "0"), "     ");
  EXPECT_EQ(Format("@T1", "8640001"), "     ");
}

TEST_F(PictureFormatTest, LocalePicturesFollowThePlatformProfile) {
  EXPECT_EQ(FormatDay("@D17", 2026, 1, 5), "01/05/26");
  EXPECT_EQ(FormatDay("@D18", 2026, 1, 5), "January 05, 2026  ");  // nine letter cells
  EXPECT_EQ(FormatClock("@T7", 13, 5), "01:05 PM");
  EXPECT_EQ(FormatClock("@T8", 13, 5, 9), "01:05:09 PM");

  os::IntlProfile german;
  german.iTime = 1;
  german.iTLzero = 0;
  german.sTime = ".";
  german.sShortDate = "d.M.yyyy";
  german.sLongDate = "dddd', 'd'. 'MMMM yyyy";
  ApplyPlatformSettings(german);
  EXPECT_EQ(FormatDay("@D17", 2026, 1, 5), " 5. 1.2026");
  EXPECT_EQ(FormatDay("@D18", 2026, 1, 5), " 5. January 2026  ");
  EXPECT_EQ(FormatClock("@T7", 9, 5), " 9.05");
  EXPECT_EQ(FormatClock("@T8", 13, 5, 9), "13.05.09");

  os::IntlProfile iso;
  iso.sShortDate = "yyyy-MM-dd";
  iso.sLongDate = "yyyy' 'MMM' 'd";
  iso.s1159 = "vorm";
  ApplyPlatformSettings(iso);
  EXPECT_EQ(FormatDay("@D17", 2026, 1, 5), "2026-01-05");
  EXPECT_EQ(FormatDay("@D18", 2026, 1, 5), "2026 Jan  5");
  EXPECT_EQ(FormatClock("@T7", 9, 5), "09:05 vo");
}

TEST_F(PictureFormatTest, MonthNamesFromTheLocale) {
  CurrentLocale().monthNames[0] = "Januar";
  CurrentLocale().monthAbbreviations[2] = "M\xE4r";
  EXPECT_EQ(FormatDay("@D4", 2026, 1, 5), "Januar  5, 2026      ");
  EXPECT_EQ(FormatDay("@D7", 2026, 3, 5), " 5 M\xE4r 26");
  EXPECT_EQ(FormatDay("@D3", 2026, 3, 5), "M\xE4R  5,2026");  // no case pair for a-umlaut yet
}

}  // namespace
}  // namespace qor::rt
