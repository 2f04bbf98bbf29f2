// qor random, run as a real process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/run_process.h"

namespace qor::test {
namespace {

TEST(RandomCommandTest, PrintsTheSequenceOfASeedOnePerLine) {
  // The first three draws after seeding with 1 are 10317, 14361 and 17551; the whole
  // 32-bit range gives ((10317 * 32768 + 14361) * 32768 + 17551) mod 2^32 itself.
  ProcessResult r = RunProgram("qor", {"random", "1", "0", "-1", "3"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "1544340623\n451373163\n-1866626557\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(RunProgram("qor", {"random", "1", "1", "6", "5"}).out, "6\n4\n4\n2\n5\n");
}

TEST(RandomCommandTest, BoundsAbove2147483647AreTheirThirtyTwoBits) {
  EXPECT_EQ(RunProgram("qor", {"random", "1", "0", "4294967295", "1"}).out, "1544340623\n");
  EXPECT_EQ(RunProgram("qor", {"random", "4294967295", "-2147483648", "2147483647", "2"}).out,
            "-297415722\n-1970028343\n");
}

TEST(RandomCommandTest, EqualBoundsAndZeroCount) {
  EXPECT_EQ(RunProgram("qor", {"random", "9", "5", "5", "2"}).out, "5\n5\n");
  ProcessResult none = RunProgram("qor", {"random", "9", "1", "6", "0"});
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_EQ(none.out, "");
}

TEST(RandomCommandTest, RejectsBadOperands) {
  for (auto args : std::vector<std::vector<std::string>>{{"random"},
                                                          {"random", "1", "2", "3"},
                                                          {"random", "1", "2", "3", "4", "5"},
                                                          {"random", "-1", "0", "1", "1"},
                                                          {"random", "4294967296", "0", "1", "1"},
                                                          {"random", "1", "x", "1", "1"},
                                                          {"random", "1", "0", "4294967296", "1"},
                                                          {"random", "1", "-2147483649", "0", "1"},
                                                          {"random", "1", "0", "1", "-1"},
                                                          {"random", "1", "0", "1", "2.5"}}) {
    ProcessResult r = RunProgram("qor", args);
    EXPECT_EQ(r.exitCode, 2) << args.size();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: qor random SEED LOW HIGH COUNT"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace qor::test
