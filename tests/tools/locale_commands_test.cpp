// qor's date, time, picture, text and environment commands, run as real processes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "tests/tools/run_process.h"

namespace qor::test {
namespace {

const std::vector<std::string> kClassicLocale = {"LC_ALL=C"};

ProcessResult Qor(const std::vector<std::string>& args, const std::vector<std::string>& env = kClassicLocale) {
  return RunProgram("qor", args, env);
}

std::string Out(const std::vector<std::string>& args) { return Qor(args).out; }

class TempFile {
 public:
  explicit TempFile(const std::string& bytes, const char* suffix = ".ENV")
      : path_(::testing::TempDir() + "qor_locale_" + std::to_string(::getpid()) + "_" + std::to_string(++count_) +
              suffix) {
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  static inline int count_ = 0;
  std::string path_;
};

TEST(LocaleCommandsTest, DatesAndTimes) {
  EXPECT_EQ(Out({"daynum", "2000", "3", "1"}), "72747\n");
  EXPECT_EQ(Out({"daynum", "2025", "2", "29"}), "-1\n");
  EXPECT_EQ(Out({"date", "13", "1", "2025"}), Out({"daynum", "2026", "1", "1"}));
  EXPECT_EQ(Out({"date", "2", "30", "1800"}), "0\n");
  EXPECT_EQ(Out({"parts", "4"}), "1801 1 1\n");
  EXPECT_EQ(Out({"parts", "2994627"}), "-1\n");
  EXPECT_EQ(Out({"time", "23", "59", "59", "99"}), "8640000\n");
  EXPECT_EQ(Out({"timeparts", "8640000"}), "23 59 59 99\n");
  EXPECT_EQ(Out({"timeparts", "0"}), "-1\n");
}

TEST(LocaleCommandsTest, TheYearOptionFixesTheTwoDigitWindow) {
  EXPECT_EQ(Out({"--year", "2026", "daynum", "45", "1", "1"}), Out({"daynum", "2045", "1", "1"}));
  EXPECT_EQ(Out({"--year", "2026", "daynum", "46", "1", "1"}), Out({"daynum", "1946", "1", "1"}));
  EXPECT_EQ(Out({"--year", "2100", "daynum", "46", "1", "1"}), Out({"daynum", "2046", "1", "1"}));
  EXPECT_EQ(Qor({"--year", "20x", "daynum", "1", "1", "1"}).exitCode, 2);
}

TEST(LocaleCommandsTest, FormatKeepsLeadingAndTrailingBlanks) {
  EXPECT_EQ(Out({"format", "@n-14", "-1234"}), "        -1,234\n");
  EXPECT_EQ(Out({"format", "@n10.2", "12345678.9"}), "###,###.##\n");
  EXPECT_EQ(Out({"format", "@s5", "ab"}), "ab   \n");
  std::string jan5 = Out({"daynum", "2026", "1", "5"});
  jan5.pop_back();
  EXPECT_EQ(Out({"format", "@D3", jan5}), "JAN  5,2026\n");
  EXPECT_EQ(Out({"format", "@D17", jan5}), "01/05/26\n");
  EXPECT_EQ(Out({"format", "@T7", "4710001"}), "01:05 PM\n");
  EXPECT_EQ(Out({"format", "@q", "abc"}), "abc\n");  // no picture: the text itself
}

TEST(LocaleCommandsTest, DeformatReadsTypedText) {
  EXPECT_EQ(Out({"deformat", "@n-14", "  -1,234"}), "-1234\n");
  EXPECT_EQ(Out({"deformat", "@T3", " 1:05PM"}), "4710001\n");
  EXPECT_EQ(Out({"--year", "2026", "deformat", "@D1", "12/31/99"}), Out({"daynum", "1999", "12", "31"}));
}

TEST(LocaleCommandsTest, TheIntlFileShapesTheLocalePictures) {
  TempFile intl("[intl]\niTime=1\nsTime=.\nsShortDate=dd.MM.yyyy\n", ".ini");
  std::vector<std::string> env = {"LC_ALL=C", "QOR_INTL=" + intl.path()};
  EXPECT_EQ(Qor({"format", "@T7", "4710001"}, env).out, "13.05\n");
  std::string jan5 = Out({"daynum", "2026", "1", "5"});
  jan5.pop_back();
  EXPECT_EQ(Qor({"format", "@D17", jan5}, env).out, "05.01.2026\n");
}

TEST(LocaleCommandsTest, CaseAndComparison) {
  EXPECT_EQ(Out({"upper", "abc1\xE9"}), "ABC1\xE9\n");
  EXPECT_EQ(Out({"lower", "ABC"}), "abc\n");
  EXPECT_EQ(Out({"compare", "abc", "abc   "}), "0\n");
  EXPECT_EQ(Out({"compare", "abc", "abd"}), "-1\n");
  EXPECT_EQ(Out({"compare", "b", "a"}), "1\n");
}

TEST(LocaleCommandsTest, EnvPrintsEachSettingAsApplied) {
  TempFile file("QORMONTH=Januar,Februar\r\nnot a setting=1\nQORMSG2=Datei <60>weg<62>\nQOR AMPM = vm,nm\x1AQORLFN=on\n");
  ProcessResult r = Qor({"env", file.path()});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "QORMONTH=Januar,Februar\nQORMSG2=Datei <<weg>\nQORAMPM= vm,nm\n");
}

TEST(LocaleCommandsTest, TheEnvOptionAppliesBeforeTheCommand) {
  TempFile file("QORMON=jnr\nQORCASE=\xE9,\xC9\nQORDIGRAPH=\xDFss\n");
  std::string jan5 = Out({"daynum", "2026", "1", "5"});
  jan5.pop_back();
  EXPECT_EQ(Out({"--env", file.path(), "format", "@D7", jan5}), " 5 jnr 26\n");
  // QORCASE lists upper then lower: here e-acute is the "upper" one.
  EXPECT_EQ(Out({"--env", file.path(), "lower", "\xE9"}), "\xC9\n");
  EXPECT_EQ(Out({"--env", file.path(), "compare", "Stra\xDF" "e", "Strasse"}), "0\n");
}

// One fault, one message, with the error's code and text.
TEST(LocaleCommandsTest, AnEnvironmentFileThatCannotBeReadIsSaidOnceAndClearly) {
  EXPECT_EQ(Qor({"env", ""}).err, "qor: the environment file name is empty\nusage: qor env FILE\n");
  ProcessResult directory = Qor({"--env", "/", "upper", "a"});
  EXPECT_EQ(directory.exitCode, 2);
  EXPECT_EQ(directory.err, "qor: --env: cannot read the environment file / (error 5: Access Denied)\n");
  EXPECT_EQ(Qor({"env", "/dev/zero"}).err,
            "qor: cannot read the environment file /dev/zero (error 5: Access Denied)\nusage: qor env FILE\n");
}

TEST(LocaleCommandsTest, BadOperandsAreUsageErrors) {
  for (auto args : std::vector<std::vector<std::string>>{{"format", "n-14", "1"},
                                                          {"format", "@n-14"},
                                                          {"deformat", "@n"},
                                                          {"daynum", "1", "2"},
                                                          {"date", "1", "x", "2000"},
                                                          {"time", "6000", "0", "0", "0"},
                                                          {"parts", "99999999999"},
                                                          {"compare", "a"},
                                                          {"env", "/nonexistent/x.ENV"},
                                                          {"--env", "/nonexistent/x.ENV", "upper", "a"}}) {
    ProcessResult r = Qor(args);
    EXPECT_EQ(r.exitCode, 2) << args[0];
    EXPECT_EQ(r.out, "") << args[0];
    EXPECT_NE(r.err.find("qor: "), std::string::npos) << args[0];
  }
}

}  // namespace
}  // namespace qor::test
