// The ways kzt_asm ends other than by its window closing, as docs/exit-codes.md lists
// them, where the driver's other tests do not already pin them: each with its exit code,
// its message on standard error and nothing on standard output.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/driver/driver_process.h"
#include "tests/tools/test_bin_dir.h"

namespace qor::app::drv::testing {
namespace {

std::string WriteFile(const std::string& name, const std::string& text) {
  std::string path = OutputPath(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

TEST(DriverExitPaths, EachEndsWithItsCodeAndItsMessageOnStandardError) {
  std::string script = WriteFile("exit-paths.txt", "read 0\n");
  const std::string display = "kzt_asm: cannot open the display (";
  struct Row {
    std::vector<std::string> args;
    std::string errStart;
  };
  const Row rows[] = {
      {{"--script", script}, display},
      {{"--first-frame"}, display},
      {{"--seed", "5"}, display},
      {{"--headless", "--script", "/dev/zero"}, "kzt_asm: /dev/zero: cannot read the script: longer than 16777216 bytes\n"},
      {{"--headless", "--script", "/"}, "kzt_asm: /: cannot read the script: Is a directory\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.args));
    test::ProcessResult result = RunKzt(row.args, {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER="});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind(row.errStart, 0), 0u) << result.err;
  }
}

// As any filter: the system's default ends it, without a word.
TEST(DriverExitPaths, AReaderThatWentAwayEndsItBySigpipe) {
  std::string script = WriteFile("sigpipe.txt", "read 0\n");
  test::ProcessResult result = test::RunProgramWithoutReader("kzt_asm", {"--headless", "--script", script});
  EXPECT_EQ(result.signal, SIGPIPE);
  EXPECT_EQ(result.err, "");
}

// Readings that never reached their file are a failure, not a clean run.
TEST(DriverExitPaths, OutputThatCannotBeWrittenEndsWith2) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  std::string script = WriteFile("full.txt", "read 0\nstate\n");
  std::string err = OutputPath("full.err");
  std::string command = "'" + test::TestBinDir() + "/kzt_asm' --headless --script '" + script +
                        "' >/dev/full 2>'" + err + "'";
  int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
  EXPECT_EQ(ReadFile(err).rfind("kzt_asm: cannot write the output: ", 0), 0u) << ReadFile(err);
}

struct Signalled {
  int status = 0;
  std::string out;
  std::string err;
};

// kzt_asm on `script`, headless; `signal` is sent once the first line of output is there.
Signalled SignalAfterFirstLine(const std::string& script, int signal) {
  Signalled result;
  std::string errPath = OutputPath("signalled.err");
  int outPipe[2];
  if (pipe(outPipe) != 0) return result;
  std::string program = test::TestBinDir() + "/kzt_asm";
  pid_t pid = fork();
  if (pid == 0) {
    dup2(outPipe[1], 1);
    FILE* err = std::freopen(errPath.c_str(), "w", stderr);
    (void)err;
    close(outPipe[0]);
    close(outPipe[1]);
    execl(program.c_str(), program.c_str(), "--headless", "--script", script.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(outPipe[1]);
  char c = 0;
  bool signalled = false;
  while (read(outPipe[0], &c, 1) == 1) {
    result.out += c;
    if (c == '\n' && !signalled) {
      kill(pid, signal);
      signalled = true;
    }
  }
  close(outPipe[0]);
  waitpid(pid, &result.status, 0);
  result.err = ReadFile(errPath);
  return result;
}

// Headless as on the desktop, a signal closes the window in order; a script that still
// had commands to run has not been carried out.
TEST(DriverExitPaths, SignalsEndAHeadlessRunInOrderWith2) {
  // Each hold repeats a button for an hour of virtual time: seconds of real time, so the
  // signal always comes while the first one runs.
  std::string script = WriteFile("signalled.txt", "read 0\nhold 81 3600000\nhold 81 3600000\nread 0\n");
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    Signalled result = SignalAfterFirstLine(script, signal);
    EXPECT_TRUE(WIFEXITED(result.status) && WEXITSTATUS(result.status) == 2) << result.status;
    EXPECT_EQ(result.out, "0\tRobin Example's Assembly Language Procedure and Function Tester!\n");
    EXPECT_EQ(result.err, "kzt_asm: " + script + ":2: hold: the window is closed\n");
  }
}

}  // namespace
}  // namespace qor::app::drv::testing
