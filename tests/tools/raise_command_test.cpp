// qor raise, run as a real process without a display: every box on standard error, the
// level on standard output, and the fatal path ending with exit code 0.
#include <gtest/gtest.h>

#include "tests/tools/run_process.h"

namespace qor::test {
namespace {

TEST(RaiseCommandTest, AQuestionNobodyAnswersReadsAsNo) {
  ProcessResult r = RunProgram("qor", {"raise", "8"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "4\n");
  EXPECT_EQ(r.err, "Changes will be lost!: Are you sure you want to cancel?\n");
}

TEST(RaiseCommandTest, Raising23AfterAFailedOpenHaltsWithZero) {
  ProcessResult r = RunProgram("qor", {"raise", "23", "--file", "CUSTOMER.DAT", "--error", "2"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "File Access Error: File (CUSTOMER.DAT) could not be opened.  Error: File Not Found (2).  Press OK to "
            "end this application\nHalt: File Access Error\n");
}

TEST(RaiseCommandTest, FileSystemErrorsShowTheDriversTextAndLaterTablesWin) {
  ProcessResult r =
      RunProgram("qor", {"raise", "25", "--error", "90", "--file-error", "1107", "Disk on fire", "--file", "X.DAT"});
  EXPECT_EQ(r.out, "5\n");
  EXPECT_EQ(r.err,
            "Record was not updated: An error (Disk on fire (1107)) was experienced when making changes to the X.DAT "
            "file.\n");
  r = RunProgram("qor", {"raise", "19", "--add", "19", "5", "Load", "Again: %Previous|%File", "--file", "A.DAT"});
  EXPECT_EQ(r.err, "Load: Again: %File File Load Error.  Error: %ErrorText.\nA.DAT\n");
  EXPECT_EQ(RunProgram("qor", {"raise", "7", "--add", "7", "0", "Quiet", "q"}).out, "0\n");
}

TEST(RaiseCommandTest, AnUnknownIdSaysSo) {
  ProcessResult r = RunProgram("qor", {"raise", "999"});
  EXPECT_EQ(r.out, "5\n");
  EXPECT_EQ(r.err, "Unknown Message: Message 999 is not defined.\n");
}

TEST(RaiseCommandTest, BadOperandsAreUsageErrors) {
  for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
           {"raise"}, {"raise", "70000"}, {"raise", "8", "--add", "1", "300", "t", "x"}, {"raise", "8", "--file"},
           {"raise", "8", "--bogus"}}) {
    ProcessResult r = RunProgram("qor", args);
    EXPECT_EQ(r.exitCode, 2) << args.back();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: qor raise"), std::string::npos);
  }
}

}  // namespace
}  // namespace qor::test
