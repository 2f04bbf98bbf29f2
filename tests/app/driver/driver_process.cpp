#include "tests/app/driver/driver_process.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace qor::app::drv::testing {
namespace {

int g_scripts = 0;

std::string WriteScript(const std::string& script) {
  std::string path = OutputPath("script-" + std::to_string(getpid()) + "-" + std::to_string(++g_scripts) + ".txt");
  std::ofstream(path, std::ios::binary) << script;
  return path;
}

}  // namespace

std::string OutputPath(const std::string& name) {
  std::string path = std::string(QOR_DRIVER_OUTPUT) + "/" + name;
  std::remove(path.c_str());
  return path;
}

test::ProcessResult RunKzt(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  return test::RunProgram("kzt_asm", args, env);
}

test::ProcessResult RunScript(const std::string& script, const std::vector<std::string>& extra) {
  std::vector<std::string> args = {"--headless", "--script", WriteScript(script)};
  args.insert(args.end(), extra.begin(), extra.end());
  return RunKzt(args);
}

test::ProcessResult RunScriptOnStdin(const std::string& script, const std::vector<std::string>& extra) {
  // The child inherits the test's standard input: point it at the script meanwhile.
  int saved = dup(0);
  int file = open(WriteScript(script).c_str(), O_RDONLY);
  dup2(file, 0);
  close(file);
  std::vector<std::string> args = {"--headless", "--script", "-"};
  args.insert(args.end(), extra.begin(), extra.end());
  test::ProcessResult result = RunKzt(args);
  dup2(saved, 0);
  close(saved);
  return result;
}

std::string RunScriptOk(const std::string& script, const std::vector<std::string>& extra) {
  test::ProcessResult result = RunScript(script, extra);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  return result.out;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

}  // namespace qor::app::drv::testing
