// qor errtext, run as a real process.
#include <gtest/gtest.h>

#include "tests/tools/run_process.h"

namespace qor::test {
namespace {

TEST(ErrtextCommandTest, PrintsTheMessageOfACode) {
  ProcessResult r = RunProgram("qor", {"errtext", "2"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "File Not Found\n");
  EXPECT_EQ(RunProgram("qor", {"errtext", "305"}).out, "Access Denied\n");
  EXPECT_EQ(RunProgram("qor", {"errtext", "501"}).out, "Internal error 01\n");
}

TEST(ErrtextCommandTest, RemovesTrailingBlanksButKeepsInnerOnes) {
  EXPECT_EQ(RunProgram("qor", {"errtext", "78"}).out, "Invalid Number Of Parameters\n");
  EXPECT_EQ(RunProgram("qor", {"errtext", "403"}).out,
            "Termination caused by signal.  (User break or Floating point)\n");
}

TEST(ErrtextCommandTest, UnknownCodesReadAsUnknownErrorPosted) {
  EXPECT_EQ(RunProgram("qor", {"errtext", "999"}).out, "Unknown Error Posted : 999\n");
  EXPECT_EQ(RunProgram("qor", {"errtext", "0"}).out, "Unknown Error Posted\n");
  EXPECT_EQ(RunProgram("qor", {"errtext", "-3"}).out, "Unknown Error Posted : -3\n");
}

TEST(ErrtextCommandTest, RejectsBadOperands) {
  for (auto args : std::vector<std::vector<std::string>>{
           {"errtext"}, {"errtext", "x"}, {"errtext", "1", "2"}, {"errtext", "4294967296"}}) {
    ProcessResult r = RunProgram("qor", args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: qor errtext CODE"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace qor::test
