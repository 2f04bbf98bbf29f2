#include "runtime/environment/environment_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "runtime/base/error_state.h"
#include "runtime/base/message_text.h"
#include "runtime/locale/case_tables.h"
#include "runtime/locale/locale.h"

namespace qor::rt {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs Parse(std::string_view bytes) {
  Pairs out;
  ParseEnvironmentText(bytes, [&](const std::string& n, const std::string& v) { out.emplace_back(n, v); });
  return out;
}

class EnvironmentFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetLocale(); }
  void TearDown() override {
    ResetLocale();
    ClearMessageOverrides();
    if (!path_.empty()) std::remove(path_.c_str());
  }

  // Writes `bytes` to a fresh file and reads it as the environment.
  bool Read(const std::string& bytes) {
    path_ = ::testing::TempDir() + "env_" + std::to_string(::getpid()) + ".ENV";
    std::ofstream(path_, std::ios::binary) << bytes;
    return ReadEnvironment(path_);
  }

  std::string path_;
};

TEST(EnvironmentText, NamesDropBlanksAndKeepTheirFirst31Characters) {
  Pairs p = Parse(" QOR MONTH = x\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789=v\n");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].first, "QORMONTH");
  EXPECT_EQ(p[0].second, " x");
  EXPECT_EQ(p[1].first, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
}

TEST(EnvironmentText, LinesWithoutEqualsOrWithAControlCharacterInTheNameAreSkipped) {
  Pairs p = Parse("QORLFN on\nQOR\tMON=a\r\r\n\nQORLFN=on");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0], (std::pair<std::string, std::string>("QORLFN", "on")));
}

TEST(EnvironmentText, EscapesGiveTheCharacterOfTheirCode) {
  Pairs p = Parse("A=<65><66>\nB=a<<b\nC=<x<\nD=<255>\nE=<9xy\n");
  ASSERT_EQ(p.size(), 5u);
  EXPECT_EQ(p[0].second, "AB");
  EXPECT_EQ(p[1].second, "a<b");
  EXPECT_EQ(p[2].second, "<x<");
  EXPECT_EQ(p[3].second, "\xFF");
  EXPECT_EQ(p[4].second, "\ty");  // the "x" ending the digits is dropped
}

TEST(EnvironmentText, AnEscapeAbove255StaysAsWritten) {
  Pairs p = Parse("A=x<321>y\nB=<99999999999999999999>\n");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].second, "x<321>y");
  EXPECT_EQ(p[1].second, "<99999999999999999999>");
}

TEST(EnvironmentText, ValuesAreCutAt1024BytesAndLoseTrailingBlanks) {
  Pairs p = Parse("A=" + std::string(2000, 'x') + "\nB=v \t \n");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].second.size(), 1024u);
  EXPECT_EQ(p[1].second, "v");
}

TEST(EnvironmentText, CtrlZEndsTheFile) {
  Pairs p = Parse("A=1\nB=2\x1A\nC=3\n");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[1].second, "2");
}

TEST_F(EnvironmentFileTest, MessageOverrideFollowsQormsgAndItsNumber) {
  ASSERT_TRUE(Read("QORMSG2=Datei fehlt, leider\n"));
  EXPECT_EQ(MessageText(2), "Datei fehlt, leider");
}

TEST_F(EnvironmentFileTest, TwoMonthNamesReplaceTheFirstTwoAndKeepTheRest) {
  ASSERT_TRUE(Read("qormonth=Januar,Februar\nQORMON=JNR,FBR,MRZ\n"));
  const Locale& l = CurrentLocale();
  EXPECT_EQ(l.monthNames[0], "Januar");
  EXPECT_EQ(l.monthNames[1], "Februar");
  EXPECT_EQ(l.monthNames[2], "March");
  EXPECT_EQ(l.monthAbbreviations[2], "MRZ");
  EXPECT_EQ(l.monthAbbreviations[3], "Apr");
}

TEST_F(EnvironmentFileTest, AQuotedCommaBelongsToTheItem) {
  ASSERT_TRUE(Read("QORMONTH=\"Jan, the first\" Feb\n"));
  EXPECT_EQ(CurrentLocale().monthNames[0], "Jan, the fir");  // cut to 12
  EXPECT_EQ(CurrentLocale().monthNames[1], "Feb");
}

TEST_F(EnvironmentFileTest, AmPmTakesTwoCharactersOfEachItem) {
  ASSERT_TRUE(Read("QORAMPM=vorm,nachm\n"));
  EXPECT_EQ(CurrentLocale().am, "vo");
  EXPECT_EQ(CurrentLocale().pm, "na");
}

TEST_F(EnvironmentFileTest, OemCharsetConvertsOnlyTheLinesAfterIt) {
  ASSERT_TRUE(Read("QORMONTH=\x84\nQORCHARSET=oem\nQORMON=\x84\x94\x81\n"));
  EXPECT_EQ(CurrentLocale().monthNames[0], "\x84");             // read as ANSI
  EXPECT_EQ(CurrentLocale().monthAbbreviations[0], "\xE4\xF6\xFC");  // OEM a/o/u umlauts
  // The next file starts in ANSI again.
  ASSERT_TRUE(Read("QORMON=\x84\n"));
  EXPECT_EQ(CurrentLocale().monthAbbreviations[0], "\x84");
}

TEST_F(EnvironmentFileTest, CaseListsPairLettersAbove127) {
  ASSERT_TRUE(Read("QORCASE=\xC4\xD6x,\xE4\xF6y\n"));
  EXPECT_EQ(UpperChar(0xE4), 0xC4);
  EXPECT_EQ(LowerChar(0xD6), 0xF6);
  EXPECT_EQ(UpperChar('y'), 'Y');  // below 128 the defaults stay
  ASSERT_TRUE(Read("QORCASE=\n"));
  EXPECT_EQ(UpperChar(0xE4), 0xE4);
}

TEST_F(EnvironmentFileTest, LongFileNamesAndButtons) {
  ASSERT_TRUE(Read("QORLFN=On\nQORBUTTON=&Ja,&Nein\n"));
  EXPECT_TRUE(CurrentLocale().longFileNames);
  EXPECT_EQ(MessageText(32512), "&Ja");
  EXPECT_EQ(MessageText(32513), "&Nein");
}

TEST_F(EnvironmentFileTest, AMissingFileSetsError2AndChangesNothing) {
  EXPECT_FALSE(ReadEnvironment("/nonexistent/dir/none.ENV"));
  EXPECT_NE(ErrorCode(), 0);
  EXPECT_FALSE(ReadEnvironment(::testing::TempDir() + "surely_missing.ENV"));
  EXPECT_EQ(ErrorCode(), 2);
  EXPECT_EQ(CurrentLocale().monthNames[0], "January");
  EXPECT_FALSE(ReadEnvironment(""));
  EXPECT_EQ(ErrorCode(), 0);
}

// Pipes and devices would block or never end, and a huge file is no environment file:
// neither is read, each says why, and the locale stays as it was.
TEST_F(EnvironmentFileTest, OnlyRegularFilesUpToOneMebibyteAreRead) {
  std::string fifo = ::testing::TempDir() + "env_fifo_" + std::to_string(::getpid());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(ReadEnvironment(fifo));  // returns at once: nobody writes to it
  EXPECT_EQ(ErrorCode(), 5);
  std::remove(fifo.c_str());
  EXPECT_FALSE(ReadEnvironment("/dev/zero"));
  EXPECT_EQ(ErrorCode(), 5);
  EXPECT_FALSE(ReadEnvironment(::testing::TempDir()));
  EXPECT_EQ(ErrorCode(), 5);

  std::string tooLarge = "QORMONTH=Jan\r\n" + std::string(kEnvironmentFileLimit, ' ');
  EXPECT_FALSE(Read(tooLarge));
  EXPECT_EQ(ErrorCode(), 36);
  EXPECT_EQ(CurrentLocale().monthNames[0], "January");
  std::string atTheLimit = "QORMONTH=Jan\r\n" + std::string(kEnvironmentFileLimit - 14, ' ');
  EXPECT_TRUE(Read(atTheLimit));
  EXPECT_EQ(CurrentLocale().monthNames[0], "Jan");
}

TEST(EnvironmentFileName, ReplacesTheExtensionOfTheLastComponentOnly) {
  EXPECT_EQ(EnvironmentFileFor("/opt/app/kzt_asm.exe"), "/opt/app/kzt_asm.ENV");
  EXPECT_EQ(EnvironmentFileFor("/opt/app.d/kzt_asm"), "/opt/app.d/kzt_asm.ENV");
  EXPECT_EQ(EnvironmentFileFor("a.b.c"), "a.b.ENV");
}

}  // namespace
}  // namespace qor::rt
