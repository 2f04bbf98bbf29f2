#include <gtest/gtest.h>

#include "runtime/locale/dates.h"
#include "runtime/locale/locale.h"
#include "runtime/pictures/picture.h"

namespace qor::rt {
namespace {

std::string Deformat(std::string_view picture, std::string_view text) {
  return DeformatText(CompilePicture(picture), text);
}

std::string Day(int year, int month, int day) { return std::to_string(DayNumber(year, month, day)); }
std::string Clock(int h, int m, int s = 0) { return std::to_string(TimeValue(h, m, s, 0)); }

class PictureDeformatTest : public ::testing::Test {
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

TEST_F(PictureDeformatTest, Numbers) {
  EXPECT_EQ(Deformat("@n-14", "  -1,234"), "-1234");
  EXPECT_EQ(Deformat("@n-14", "        -1,234"), "-1234");
  EXPECT_EQ(Deformat("@n10.2", "  1,234.50"), "1234.50");
  EXPECT_EQ(Deformat("@n_10", "      1234"), "1234");
  EXPECT_EQ(Deformat("@n(10.2)", "    (3.00)"), "-3.00");
  EXPECT_EQ(Deformat("@n-6v2", " -1234"), "-12.34");
  EXPECT_EQ(Deformat("@n_10", ""), "0");
  EXPECT_EQ(Deformat("@e12.1", " 1.2345E+003"), "1.2345e+003");
  EXPECT_EQ(Deformat("@P###-##P", "012-34"), "1234");
  EXPECT_EQ(Deformat("@K###-@@@K", "123-ABC"), "123ABC");
  EXPECT_EQ(Deformat("@x", "123"), "");
}

TEST_F(PictureDeformatTest, StringPicturesKeepWhatCanBelongToANumber) {
  EXPECT_EQ(Deformat("@s20", "a-1.2.3e-4e5+x"), "-1.23e-45");
  EXPECT_EQ(Deformat("@s3", "12345"), "123");
  EXPECT_EQ(Deformat("@s20", "1e+5-"), "1e+5");
  // The first "." is kept wherever it stands, after the exponent too.
  EXPECT_EQ(Deformat("@s20", "-e-."), "-e-.");
  EXPECT_EQ(Deformat("@s20", "1e5.5.6"), "1e5.56");
}

TEST_F(PictureDeformatTest, Dates) {
  EXPECT_EQ(Deformat("@D1", "12/31/99"), Day(1999, 12, 31));
  EXPECT_EQ(Deformat("@D1", " 1/05/26"), Day(2026, 1, 5));
  EXPECT_EQ(Deformat("@D1", "1/5/26"), Day(2026, 1, 5));
  EXPECT_EQ(Deformat("@D1", "01/05/26"), Day(2026, 1, 5));
  EXPECT_EQ(Deformat("@D1<10", "01/05/30"), Day(2030, 1, 5));  // window 10: 2016..2115
  EXPECT_EQ(Deformat("@D1>10", "01/05/30"), Day(2030, 1, 5));  // window 89: 1937..2036
  EXPECT_EQ(Deformat("@D1>3", "01/05/30"), Day(1930, 1, 5));   // window 96: 1930..2029
  EXPECT_EQ(Deformat("@D2", "02/30/2024"), Day(2024, 3, 1));
  EXPECT_EQ(Deformat("@D2", "13/45/2024"), Day(2025, 2, 14));
  EXPECT_EQ(Deformat("@D2", "00/00/2024"), "0");
  EXPECT_EQ(Deformat("@D2", "  /  /    "), "0");
  EXPECT_EQ(Deformat("@D3", "JAN  5,2026"), Day(2026, 1, 5));
  EXPECT_EQ(Deformat("@D4", "january  5, 2026"), Day(2026, 1, 5));
  EXPECT_EQ(Deformat("@D8", " 5 Sept 2026"), Day(2026, 9, 5));
  EXPECT_EQ(Deformat("@D14", "03/2026"), Day(2026, 3, 1));
  EXPECT_EQ(Deformat("@D6.", "24.12.2026"), Day(2026, 12, 24));
}

TEST_F(PictureDeformatTest, Times) {
  EXPECT_EQ(Deformat("@T3", " 1:05PM"), Clock(13, 5));
  EXPECT_EQ(Deformat("@T3", "12:30AM"), Clock(0, 30));
  EXPECT_EQ(Deformat("@T3", "12:00AM"), "1");
  EXPECT_EQ(Deformat("@T3", "12:00pm"), Clock(12, 0));
  EXPECT_EQ(Deformat("@T4", "23:59:59"), Clock(23, 59, 59));
  EXPECT_EQ(Deformat("@T4", "24:00:00"), "-1");
  EXPECT_EQ(Deformat("@T1", "10:60"), "-1");
  EXPECT_EQ(Deformat("@T1", "00:00"), "0");
  EXPECT_EQ(Deformat("@T1", "9:5"), Clock(9, 5));
}

TEST_F(PictureDeformatTest, FormattedTextReadsBackToTheSameValue) {
  for (const char* picture : {"@D1", "@D2", "@D3", "@D4", "@D5", "@D6", "@D7", "@D8", "@D9", "@D10", "@D11", "@D12",
                              "@D17", "@D18"}) {
    CompiledPicture compiled = CompilePicture(picture);
    for (int32_t date : {DayNumber(2026, 1, 5), DayNumber(1999, 12, 31), DayNumber(2045, 9, 30)}) {
      std::string shown = FormatText(compiled, std::to_string(date));
      EXPECT_EQ(DeformatText(compiled, shown), std::to_string(date)) << picture << " '" << shown << "'";
    }
  }
  for (const char* picture : {"@T1", "@T2", "@T3", "@T4", "@T5", "@T6", "@T7", "@T8"}) {
    CompiledPicture compiled = CompilePicture(picture);
    for (int32_t time : {TimeValue(13, 5, 0, 0), TimeValue(0, 30, 0, 0), TimeValue(9, 59, 0, 0)}) {
      std::string shown = FormatText(compiled, std::to_string(time));
      EXPECT_EQ(DeformatText(compiled, shown), std::to_string(time)) << picture << " '" << shown << "'";
    }
  }
}

}  // namespace
}  // namespace qor::rt
