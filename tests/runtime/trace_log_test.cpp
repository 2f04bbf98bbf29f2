#include "runtime/base/trace_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qor::rt {
namespace {

class RecordingSink : public TraceSink {
 public:
  void WriteLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class TraceLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = ::testing::TempDir() + "trace_log_test.log";
    std::remove(path_.c_str());
    unsetenv("QOR_TRACE_LOG");
    InstallTraceSink(nullptr);
  }
  void TearDown() override {
    unsetenv("QOR_TRACE_LOG");
    InstallTraceSink(nullptr);
    std::remove(path_.c_str());
  }
  std::string path_;
};

TEST_F(TraceLogTest, OffByDefault) {
  EXPECT_FALSE(TraceLogEnabled());
  WriteTraceLine("nowhere");  // harmless
}

TEST_F(TraceLogTest, InstalledSinkReceivesEachLine) {
  RecordingSink sink;
  InstallTraceSink(&sink);
  EXPECT_TRUE(TraceLogEnabled());
  WriteTraceLine("first");
  WriteTraceLine("");
  WriteTraceLine("third");
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"first", "", "third"}));
  InstallTraceSink(nullptr);
  WriteTraceLine("not recorded");
  EXPECT_EQ(sink.lines.size(), 3u);
}

TEST_F(TraceLogTest, EnvironmentVariableNamesAFileThatLinesAreAppendedTo) {
  {
    std::ofstream existing(path_);
    existing << "earlier\n";
  }
  setenv("QOR_TRACE_LOG", path_.c_str(), 1);
  InstallTraceSink(nullptr);  // choose the default again
  EXPECT_TRUE(TraceLogEnabled());
  WriteTraceLine("Error: something");
  WriteTraceLine("----------------------------------");
  EXPECT_EQ(ReadFile(path_), "earlier\nError: something\n----------------------------------\n");
}

TEST_F(TraceLogTest, EmptyVariableLeavesTheLogOff) {
  setenv("QOR_TRACE_LOG", "", 1);
  InstallTraceSink(nullptr);
  EXPECT_FALSE(TraceLogEnabled());
}

TEST_F(TraceLogTest, UnwritableFileIsSilentlyIgnored) {
  FileTraceSink sink("/nonexistent-directory/trace.log");
  InstallTraceSink(&sink);
  WriteTraceLine("lost, but nothing breaks");
  SUCCEED();
}

}  // namespace
}  // namespace qor::rt
