// qor getini, putini and inipath, run as real processes on a private home.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/tools/run_process.h"

namespace qor::test {
namespace {

class SettingsCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/qor_ini_XXXXXX";
    home_ = mkdtemp(pattern);
  }
  void TearDown() override { std::filesystem::remove_all(home_); }

  ProcessResult Qor(const std::vector<std::string>& args) {
    return RunProgram("qor", args, {"HOME=" + home_, "XDG_CONFIG_HOME="});
  }
  std::string File() const {
    std::ifstream in(home_ + "/.config/kzt_asm/kzt_asm.INI", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::string home_;
};

TEST_F(SettingsCommandsTest, InipathNamesTheFileWithoutCreatingIt) {
  ProcessResult r = Qor({"inipath", "kzt_asm.INI"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, home_ + "/.config/kzt_asm/kzt_asm.INI\n");
  EXPECT_FALSE(std::filesystem::exists(home_ + "/.config"));
}

TEST_F(SettingsCommandsTest, PutGetAndRemoveAKey) {
  EXPECT_EQ(Qor({"getini", "kzt_asm.INI", "Window", "Left", "none"}).out, "none\n");
  ProcessResult put = Qor({"putini", "kzt_asm.INI", "Window", "Left", "12"});
  EXPECT_EQ(put.exitCode, 0) << put.err;
  EXPECT_EQ(put.out, home_ + "/.config/kzt_asm/kzt_asm.INI\n");
  EXPECT_EQ(File(), "[Window]\nLeft=12\n");
  EXPECT_EQ(Qor({"getini", "kzt_asm.INI", "window", "left", "none"}).out, "12\n");
  EXPECT_EQ(Qor({"putini", "kzt_asm.INI", "Window", "Left"}).exitCode, 0);
  EXPECT_EQ(File(), "[Window]\n");
  EXPECT_EQ(Qor({"getini", "kzt_asm.INI", "Window", "Left", "gone"}).out, "gone\n");
}

TEST_F(SettingsCommandsTest, FailuresPrintCodeAndTextAndExit2) {
  ProcessResult bad = Qor({"putini", "kzt_asm.INI", "Window", "a=b", "1"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "qor: 90 File System Error\n");

  std::filesystem::create_directories(home_ + "/.config/kzt_asm/kzt_asm.INI");
  ProcessResult unreadable = Qor({"getini", "kzt_asm.INI", "S", "K", "d"});
  EXPECT_EQ(unreadable.exitCode, 2);
  EXPECT_EQ(unreadable.err, "qor: 5 Access Denied\n");

  EXPECT_EQ(Qor({"inipath", "   "}).err, "qor: 90 File System Error\n");
  EXPECT_EQ(Qor({"getini", "x"}).exitCode, 2);
  EXPECT_EQ(Qor({"putini", "x", "s"}).exitCode, 2);
}

}  // namespace
}  // namespace qor::test
