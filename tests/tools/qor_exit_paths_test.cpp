// How qor ends when it is used wrongly, as docs/exit-codes.md lists it, where the
// commands' own tests do not already pin it: a usage error is exit 2 with its message on
// standard error and nothing on standard output; the help asked for is the only text on
// standard output.
#include <gtest/gtest.h>

#include <csignal>

#include <string>
#include <vector>

#include "tests/tools/run_process.h"

namespace qor::test {
namespace {

TEST(QorExitPaths, UsageErrorsExit2WithTheirMessageOnStandardError) {
  struct Row {
    std::vector<std::string> args;
    std::string errStart;
  };
  const Row rows[] = {
      {{}, "usage: qor [OPTIONS] COMMAND [ARGS...]\n"},  // no command: the help, as an error
      {{"frob"}, "qor: unknown command frob (see qor --help)\n"},
      {{"--frob", "1", "calc", "1"}, "qor: unknown option --frob (see qor --help)\n"},
      {{"--year"}, "qor: --year needs a value\n"},
      {{"--year", "99", "date", "1"}, "qor: bad value for --year: 99 (a year from 100 to 9999)\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.args));
    ProcessResult r = RunProgram("qor", row.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(row.errStart, 0), 0u) << r.err;
  }
}

TEST(QorExitPaths, TheHelpAskedForGoesToStandardOutput) {
  for (const char* asked : {"--help", "help"}) {
    ProcessResult r = RunProgram("qor", {asked});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("usage: qor [OPTIONS] COMMAND [ARGS...]\n", 0), 0u) << r.out;
    EXPECT_EQ(r.err, "");
  }
}

// As any filter: the system's default ends it, without a word.
TEST(QorExitPaths, AReaderThatWentAwayEndsItBySigpipe) {
  ProcessResult r = RunProgramWithoutReader("qor", {"calc", "1", "+", "2"});
  EXPECT_EQ(r.signal, SIGPIPE);
  EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace qor::test
