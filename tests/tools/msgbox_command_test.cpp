// qor msgbox, run as a real process: the statement on a headless screen answered by the
// steps, and the row of buttons with --layout.
#include <gtest/gtest.h>

#include "tests/tools/run_process.h"

namespace qor::test {
namespace {

std::string Out(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"msgbox"};
  all.insert(all.end(), args.begin(), args.end());
  ProcessResult r = RunProgram("qor", all);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  return r.out;
}

TEST(MsgBoxCommandTest, StandardButtonsReturnTheirBits) {
  EXPECT_EQ(Out({"Save?", "Q", "stock:32514", "6", "2", "N"}), "4\n");
  EXPECT_EQ(Out({"Save?", "Q", "", "6", "2", "alt+y"}), "2\n");
  EXPECT_EQ(Out({"t", "t", "", "66", "64", "Enter"}), "64\n");  // Yes and Cancel, Cancel the default
  EXPECT_EQ(Out({"t", "t", "", "7", "0", "Tab", "shift+Tab", "Tab", "Space"}), "2\n");
  EXPECT_EQ(Out({"t", "t", "", "6", "0", "Escape"}), "0\n");  // no Cancel: nobody answers
}

TEST(MsgBoxCommandTest, CustomButtonsReturnTheirPosition) {
  EXPECT_EQ(Out({"t", "t", "", "Yes|No", "2", "click:101"}), "2\n");
  EXPECT_EQ(Out({"t", "t", "", "Later|Cancel", "1", "Escape"}), "2\n");
  EXPECT_EQ(Out({"t", "t", "", "OK|OK", "1", "click:100"}), "2\n");
}

TEST(MsgBoxCommandTest, LayoutPrintsTheRowAndTheDefault) {
  EXPECT_EQ(Out({"--layout", "t", "t", "", "255", "64"}),
            "1:OK|6:&Yes|7:&No|3:&Abort|4:&Retry|5:&Ignore|2:Cancel|9:&Help default=2\n");
  EXPECT_EQ(Out({"--layout", "t", "t", "", "a||Cancel", "9"}), "100:a|101:|2:Cancel default=100\n");
  EXPECT_EQ(Out({"--layout", "t", "t", "", "256", "0"}), "1:OK default=1\n");
}

TEST(MsgBoxCommandTest, BadOperandsAreUsageErrors) {
  EXPECT_EQ(RunProgram("qor", {"msgbox", "t", "t", ""}).exitCode, 2);
  ProcessResult r = RunProgram("qor", {"msgbox", "t", "t", "", "1", "1", "wiggle"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("unknown step wiggle"), std::string::npos);
}

}  // namespace
}  // namespace qor::test
