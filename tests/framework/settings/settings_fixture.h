#pragma once
// A private home for settings tests: a fresh temporary directory that HOME points to
// (XDG_CONFIG_HOME unset), removed afterwards, and helpers to read and write files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "framework/settings/settings_file.h"
#include "runtime/base/error_state.h"

namespace qor::fw::testing {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/qor_settings_XXXXXX";
    root_ = mkdtemp(pattern);
    Remember("HOME");
    Remember("XDG_CONFIG_HOME");
    setenv("HOME", root_.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
  }
  void TearDown() override {
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all);
    std::error_code ignored;
    for (auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(root_);
    for (auto& [name, value] : saved_) {
      if (value.second) setenv(name.c_str(), value.first.c_str(), 1);
      else unsetenv(name.c_str());
    }
  }

  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void WriteFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  static unsigned ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
  }

  std::string DefaultPath() const { return root_ + "/.config/kzt_asm/kzt_asm.INI"; }

  std::string root_;

 private:
  void Remember(const char* name) {
    const char* value = std::getenv(name);
    saved_[name] = {value ? value : "", value != nullptr};
  }
  std::map<std::string, std::pair<std::string, bool>> saved_;
};

}  // namespace qor::fw::testing
