#pragma once
// Helpers of the file tests: a private directory (open to every user, so that a child
// that gave up root still reaches it), writing records, and running a check where file
// modes apply even to root.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qor::fw::testing {

class FileDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/qor_files_XXXXXX";
    dir_ = mkdtemp(pattern);
    chmod(dir_.c_str(), 0777);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return dir_ + "/" + name; }
  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    chmod(path.c_str(), 0666);
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::string dir_;
};

// Runs the checks in a child process; when the test runs as root, the child first
// becomes "nobody", so that a mode such as 0444 refuses writing as it does for users.
// The child's failures are printed on its standard error and fail the test.
#define QOR_EXPECT_WITH_FILE_MODES(body)                                           \
  EXPECT_EXIT(                                                                     \
      {                                                                            \
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) std::exit(3); \
        body;                                                                      \
        std::exit(::testing::Test::HasFailure() ? 1 : 0);                          \
      },                                                                           \
      ::testing::ExitedWithCode(0), "")

}  // namespace qor::fw::testing
