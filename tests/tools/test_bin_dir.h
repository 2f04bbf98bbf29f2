#pragma once
// The build's bin folder, where the programs the process tests start live: QOR_TEST_BIN
// when CTest sets it, otherwise the folder of the running test program (test programs
// are built into the same folder), so a test run by hand finds them too.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace qor::test {

inline std::string TestBinDir() {
  if (const char* dir = std::getenv("QOR_TEST_BIN"); dir && *dir) return dir;
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string("build/bin") : self.parent_path().string();
}

}  // namespace qor::test
