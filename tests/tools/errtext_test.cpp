// qor errtext, run as a real process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>

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

// An environment file of its own for one test, removed afterwards.
class EnvironmentFile {
 public:
  explicit EnvironmentFile(const std::string& text)
      : path_(testing::TempDir() + "errtext_" + std::to_string(getpid()) + ".ENV") {
    std::ofstream(path_) << text;
  }
  ~EnvironmentFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

TEST(ErrtextCommandTest, AppliesMessageOverridesFromAnEnvironmentFile) {
  EnvironmentFile env("QORMSG2=No such file here\nQORMSG81=Mystery\n");
  EXPECT_EQ(RunProgram("qor", {"--env", env.Path(), "errtext", "2"}).out, "No such file here\n");
  EXPECT_EQ(RunProgram("qor", {"--env", env.Path(), "errtext", "302"}).out, "File Not Found\n");
  EXPECT_EQ(RunProgram("qor", {"--env", env.Path(), "errtext", "999"}).out, "Mystery : 999\n");
}

TEST(ErrtextCommandTest, AMissingEnvironmentFileIsAUsageError) {
  ProcessResult r = RunProgram("qor", {"--env", "/nonexistent/none.ENV", "errtext", "2"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("--env"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace qor::test
