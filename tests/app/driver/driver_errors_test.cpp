// Misuse of kzt_asm as a process: bad options give the usage on standard error, a bad
// script its first error as "kzt_asm: NAME:LINE: MESSAGE"; both exit 2 before any window
// exists and print nothing on standard output. A command that cannot be carried out
// ends the program in order with exit code 2.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/app/driver/driver_process.h"

namespace qor::app::drv::testing {
namespace {

constexpr const char* kUsageLine = "usage: kzt_asm [--seed S] [--headless] [--script FILE] [--first-frame] [--help]\n";

TEST(DriverErrors, HelpIsTheUsageOnStandardOutput) {
  test::ProcessResult result = RunKzt({"--help"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out.rfind(kUsageLine, 0), 0u) << result.out;
  EXPECT_EQ(result.err, "");
}

TEST(DriverErrors, OptionMisusesAndScriptErrorsExit2WithNothingOnStandardOutput) {
  std::string script = OutputPath("table.txt");
  struct Row {
    std::vector<std::string> args;
    std::string script;    // written to `script` first when not empty
    std::string errStart;  // what standard error starts with
  };
  const Row rows[] = {
      {{"--frob"}, "", "kzt_asm: unknown argument \"--frob\"\n" + std::string(kUsageLine)},
      {{"--headless"}, "", "kzt_asm: --headless needs --script\n" + std::string(kUsageLine)},
      {{"--first-frame", "--headless"}, "", "kzt_asm: --first-frame takes no other option\n"},
      {{"--seed", "4294967296"}, "", "kzt_asm: --seed takes a number from 0 to 4294967295\n"},
      {{"--seed", "1", "--seed", "2"}, "", "kzt_asm: --seed given twice\n"},
      {{"--headless", "--script", OutputPath("missing.txt")}, "",
       "kzt_asm: " + OutputPath("missing.txt") + ": cannot read the script: No such file or directory\n"},
      {{"--headless", "--script", script}, "# first\npress 6\nspin 11 up\n",
       "kzt_asm: " + script + ":3: spin: control 11 is not a spin box\n"},
      {{"--script", script}, "type 94 \\q\n",  // checked before the display is looked for
       "kzt_asm: " + script + ":1: type: bad escape (\\\\ or \\xHH with HH 20 to FF)\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.args));
    if (!row.script.empty()) {
      FILE* file = std::fopen(script.c_str(), "wb");
      std::fputs(row.script.c_str(), file);
      std::fclose(file);
    }
    test::ProcessResult result = RunKzt(row.args, {"DISPLAY=", "WAYLAND_DISPLAY="});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind(row.errStart, 0), 0u) << result.err;
  }
}

TEST(DriverErrors, ScriptsOnStandardInputAreNamedDash) {
  test::ProcessResult result = RunScriptOnStdin("state\nwait 86400001\n");
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");  // nothing ran: the state was never printed
  EXPECT_EQ(result.err, "kzt_asm: -:2: wait: time 86400001 is out of range 0..86400000\n");
}

TEST(DriverErrors, WithoutADisplayTheMessageNamesHeadless) {
  test::ProcessResult result = RunKzt({}, {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=x11"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("--headless"), std::string::npos) << result.err;
}

TEST(DriverErrors, APictureThatCannotBeWrittenEndsTheProgramInOrderWithCode2) {
  std::string file = OutputPath("no-such-folder") + "/start.png";
  test::ProcessResult result = RunScript("read 0\nshot " + file + "\nread 0\n");
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(Lines(result.out).size(), 1u) << result.out;  // the first read only
  EXPECT_EQ(result.err.rfind("kzt_asm: ", 0), 0u);
  EXPECT_NE(result.err.find(":2: shot: cannot write " + file), std::string::npos) << result.err;
}

TEST(DriverErrors, CommandsLeftWhenTheWindowClosedAreAnError) {
  test::ProcessResult closedEarly = RunScript("key Alt+F4\nread 0\n");
  EXPECT_EQ(closedEarly.exitCode, 2);
  EXPECT_NE(closedEarly.err.find(":2: read: the window is closed"), std::string::npos) << closedEarly.err;

  test::ProcessResult closedLast = RunScript("read 0\nkey Alt+F4\n");  // the program's own code stands
  EXPECT_EQ(closedLast.exitCode, 0) << closedLast.err;
  EXPECT_EQ(closedLast.err, "");
}

}  // namespace
}  // namespace qor::app::drv::testing
