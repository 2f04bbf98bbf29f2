// qor calc, round, cmp, long and instring, run as real processes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/run_process.h"

namespace qor::test {
namespace {

std::string Out(const std::vector<std::string>& args) {
  ProcessResult r = RunProgram("qor", args);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  return r.out;
}

void ExpectUsageError(const std::vector<std::string>& args, const std::string& usage) {
  ProcessResult r = RunProgram("qor", args);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("usage: qor " + usage), std::string::npos) << r.err;
}

TEST(CalcCommandTest, WorksLeftToRightOnTheDecimalStack) {
  EXPECT_EQ(Out({"calc", "1", "/", "3"}), "0.3333333333333333333333333333333\n");
  EXPECT_EQ(Out({"calc", "2", "/", "3"}), "0.6666666666666666666666666666667\n");
  EXPECT_EQ(Out({"calc", "1", "+", "2", "*", "3"}), "9\n");
  EXPECT_EQ(Out({"calc", "0.1", "+", "0.2"}), "0.3\n");
  EXPECT_EQ(Out({"calc", "10", "-", "12.50"}), "-2.5\n");
  EXPECT_EQ(Out({"calc", " -12,5", "*", "2"}), "-25\n");
  EXPECT_EQ(Out({"calc", "1.5e2", "+", "0"}), "150\n");
  EXPECT_EQ(Out({"calc", "5", "/", "0"}), "0\n");
  EXPECT_EQ(Out({"calc", "-1", "*", "0"}), "0\n");
  EXPECT_EQ(Out({"calc", std::string(32, '9'), "+", "1"}), "0\n");
}

// The runtime's reading stands; the probe only says when an operand was not taken whole.
TEST(CalcCommandTest, OperandsNotWhollyNumbersAreReadAsTheRuntimeReadsThemWithAWarning) {
  struct Case {
    std::vector<std::string> args;
    std::string out, warning;
  };
  for (const Case& c : std::vector<Case>{
           {{"calc", "abc", "+", "0.001"}, "0.001\n", "\"abc\" is not wholly a number; read as 0"},
           {{"calc", "12abc", "+", "1"}, "13\n", "\"12abc\" is not wholly a number; read as 12"},
           {{"calc", "+5", "+", "1"}, "1\n", "\"+5\" is not wholly a number; read as 0"},
           {{"cmp", "1", "2x"}, "-1\n", "\"2x\" is not wholly a number; read as 2"},
           {{"long", "7.5.1"}, "7\n", "\"7.5.1\" is not wholly a number; read as 7.5"},
           {{"round", "1.25q", "1"}, "1.3\n", "\"1.25q\" is not wholly a number; read as 1.25"},
           {{"format", "@n-14", "12a3"}, "            12\n", "\"12a3\" is not wholly a number; read as 12"},
           {{"calc", "1" + std::string(40, '0'), "+", "0"}, "0\n", "has more digits than a decimal holds; read as 0"},
           {{"format", "@x", "1"}, "1\n", "the picture @x is not valid (it compiles to width 0)"},
       }) {
    ProcessResult r = RunProgram("qor", c.args);
    EXPECT_EQ(r.exitCode, 0) << c.args[1];
    EXPECT_EQ(r.out, c.out) << c.args[1];
    EXPECT_NE(r.err.find("qor: warning: "), std::string::npos) << c.args[1];
    EXPECT_NE(r.err.find(c.warning), std::string::npos) << r.err;
  }
  EXPECT_EQ(Out({"calc", " -12,5 ", "*", "2"}), "-25\n");  // blanks and a comma are read whole
}

TEST(CalcCommandTest, RejectsMalformedExpressions) {
  ExpectUsageError({"calc"}, "calc A OP B");
  ExpectUsageError({"calc", "1", "+"}, "calc A OP B");
  ExpectUsageError({"calc", "1", "+", "2", "-"}, "calc A OP B");
  ExpectUsageError({"calc", "1", "%", "2"}, "calc A OP B");
  ExpectUsageError({"calc", "1", "++", "2"}, "calc A OP B");
}

TEST(RoundCommandTest, RoundsHalfAwayFromZero) {
  EXPECT_EQ(Out({"round", "2.5", "0"}), "3\n");
  EXPECT_EQ(Out({"round", "-2.5", "0"}), "-3\n");
  EXPECT_EQ(Out({"round", "1.005", "2"}), "1.01\n");
  EXPECT_EQ(Out({"round", "-0.004", "2"}), "0\n");
  EXPECT_EQ(Out({"round", "1234", "-2"}), "1200\n");
  ExpectUsageError({"round", "1"}, "round VALUE PLACES");
  ExpectUsageError({"round", "1", "two"}, "round VALUE PLACES");
  ExpectUsageError({"round", "1", "4294967296"}, "round VALUE PLACES");
}

TEST(CmpCommandTest, ComparesSecondWithTop) {
  EXPECT_EQ(Out({"cmp", "9", "9.0"}), "0\n");
  EXPECT_EQ(Out({"cmp", "-1", "0"}), "-1\n");
  EXPECT_EQ(Out({"cmp", "2", "-3"}), "1\n");
  EXPECT_EQ(Out({"cmp", "-0", "0"}), "0\n");
  ExpectUsageError({"cmp", "1"}, "cmp A B");
}

TEST(LongCommandTest, DropsTheFraction) {
  EXPECT_EQ(Out({"long", "-12.9"}), "-12\n");
  EXPECT_EQ(Out({"long", "2147483647"}), "2147483647\n");
  EXPECT_EQ(Out({"long", "-2147483648"}), "-2147483648\n");
  ExpectUsageError({"long"}, "long VALUE");
}

TEST(InstringCommandTest, PrintsTheStepNumber) {
  EXPECT_EQ(Out({"instring", "b", "abcabc", "1", "3"}), "5\n");
  EXPECT_EQ(Out({"instring", "abc", "xyzabc", "3", "1"}), "2\n");
  EXPECT_EQ(Out({"instring", "q", "abc", "1", "1"}), "0\n");
  EXPECT_EQ(Out({"instring", "", "abc", "1", "1"}), "0\n");
  ExpectUsageError({"instring", "a", "abc", "1"}, "instring SUB STRING STEP START");
  ExpectUsageError({"instring", "a", "abc", "x", "1"}, "instring SUB STRING STEP START");
  ExpectUsageError({"instring", "a", "abc", "1", "1.5"}, "instring SUB STRING STEP START");
}

}  // namespace
}  // namespace qor::test
