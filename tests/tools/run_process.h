#pragma once
// Runs a program of the build (QOR_TEST_BIN) as a real process and collects what it
// printed and how it ended.
#include <string>
#include <vector>

namespace qor::test {

struct ProcessResult {
  int exitCode = -1;    // -1 when the process ended by a signal
  int signal = 0;       // the signal that ended it, or 0
  std::string out;      // standard output
  std::string err;      // standard error
  long peakKilobytes = 0;  // the largest resident set the process reached
};

// program: a name in QOR_TEST_BIN; args: its arguments; env: extra "NAME=value"s, which
// take the place of variables of the same name.
ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env = {});
// The same with standard output a pipe whose reader has gone (as `program | true`).
ProcessResult RunProgramWithoutReader(const std::string& program, const std::vector<std::string>& args);

}  // namespace qor::test
