#include "os/intl_profile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "os/codepage.h"

namespace qor::os {
namespace {

TEST(IntlProfile, TheClassicLocaleGivesTheDefaultsWithA12HourClock) {
  setenv("LC_ALL", "POSIX", 1);
  unsetenv("QOR_INTL");
  IntlProfile p = ReadIntlProfile();
  unsetenv("LC_ALL");
  EXPECT_EQ(p.iTime, 0);
  EXPECT_EQ(p.iTLzero, 1);
  EXPECT_EQ(p.sTime, ":");
  EXPECT_EQ(p.s1159, "AM");
  EXPECT_EQ(p.s2359, "PM");
  EXPECT_EQ(p.sShortDate, "MM/dd/yy");
  EXPECT_EQ(p.sLongDate, "ddd', 'MMMM' 'dd', 'yyyy");
}

TEST(IntlProfile, StrftimeFormatsMapOntoTheProfileKeys) {
  IntlProfile p = IntlProfileFromFormats("%d.%m.%Y", "%T", "", "");
  EXPECT_EQ(p.sShortDate, "dd.MM.yyyy");
  EXPECT_EQ(p.sLongDate.front(), 'd');
  EXPECT_EQ(p.iTime, 1);
  EXPECT_EQ(p.iTLzero, 1);
  EXPECT_EQ(p.s1159, "AM");

  p = IntlProfileFromFormats("%Y-%m-%e", "%l.%M %p", "am", "pm");
  EXPECT_EQ(p.sShortDate, "yyyy-MM-d");
  EXPECT_EQ(p.iTime, 0);
  EXPECT_EQ(p.iTLzero, 0);
  EXPECT_EQ(p.sTime, ".");
  EXPECT_EQ(p.s1159, "am");

  p = IntlProfileFromFormats("%D", "%r", "AM", "PM");
  EXPECT_EQ(p.sShortDate, "MM/dd/yy");
  EXPECT_EQ(p.iTime, 0);
  EXPECT_EQ(IntlProfileFromFormats("%d de %B", "", "", "").sShortDate, "dd 'd''e' MMMM");
}

TEST(IntlProfile, TheIntlSectionOverridesOnlyItsOwnKeys) {
  IntlProfile p;
  ApplyIntlOverrides(p,
                     "[other]\niTime=1\n\n[ Intl ]\r\n; comment\nITIME = 1\nsTime=.\n"
                     "sShortDate=\"dd/MM/yyyy\"\ns1159=vm\nnonsense\n[next]\ns2359=xx\n");
  EXPECT_EQ(p.iTime, 1);
  EXPECT_EQ(p.sTime, ".");
  EXPECT_EQ(p.sShortDate, "dd/MM/yyyy");
  EXPECT_EQ(p.s1159, "vm");
  EXPECT_EQ(p.s2359, "PM");
}

TEST(IntlProfile, QorIntlNamesTheOverrideFile) {
  std::string path = ::testing::TempDir() + "intl_profile_test.ini";
  std::ofstream(path) << "[intl]\niTLzero=0\nsLongDate=d MMMM yyyy\n";
  setenv("LC_ALL", "C", 1);
  setenv("QOR_INTL", path.c_str(), 1);
  IntlProfile p = ReadIntlProfile();
  unsetenv("QOR_INTL");
  unsetenv("LC_ALL");
  std::remove(path.c_str());
  EXPECT_EQ(p.iTLzero, 0);
  EXPECT_EQ(p.sLongDate, "d MMMM yyyy");
  EXPECT_EQ(p.sShortDate, "MM/dd/yy");
}

TEST(CodePage, OemAndAnsiConvertBothWays) {
  EXPECT_EQ(OemToAnsi(0x84), 0xE4);  // a umlaut
  EXPECT_EQ(OemToAnsi(0xE1), 0xDF);  // sharp s
  EXPECT_EQ(OemToAnsi(0xC4), '-');   // box line
  EXPECT_EQ(OemToAnsi('A'), 'A');
  EXPECT_EQ(AnsiToOem(0xE4), 0x84);
  EXPECT_EQ(AnsiToOem(0x80), '?');  // the euro sign has no OEM character
  for (int b = 0; b < 256; ++b) {
    uint8_t ansi = OemToAnsi(static_cast<uint8_t>(b));
    if (AnsiToUnicode(ansi) == OemToUnicode(static_cast<uint8_t>(b))) {
      EXPECT_EQ(AnsiToOem(ansi), b) << b;
    }
  }
}

}  // namespace
}  // namespace qor::os
