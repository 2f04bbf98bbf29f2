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
  EXPECT_EQ(Out({"calc", "abc", "+", "0.001"}), "0.001\n");
  EXPECT_EQ(Out({"calc", "5", "/", "0"}), "0\n");
  EXPECT_EQ(Out({"calc", "-1", "*", "0"}), "0\n");
  EXPECT_EQ(Out({"calc", std::string(32, '9'), "+", "1"}), "0\n");
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
  EXPECT_EQ(Out({"long", "x"}), "0\n");
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
