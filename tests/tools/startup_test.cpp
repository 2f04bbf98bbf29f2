// The runtime's entry sequence and fatal paths, run as real processes through
// startup_probe (tests/tools/startup_probe).
#include <gtest/gtest.h>

#include <csignal>

#include "tests/tools/run_process.h"
#include "tests/tools/sanitizers.h"

namespace qor::test {
namespace {

ProcessResult Probe(const std::vector<std::string>& args, const std::vector<std::string>& env = {}) {
  return RunProgram("startup_probe", args, env);
}

const char kStartOrder[] =
    "start c\nstart e\nstart g\nstart f\nstart b\nstart a\nstart d\n";
const char kStopOrder[] = "stop d\nstop a\nstop b\nstop f\nstop g\nstop e\nstop c\n";

// What follows main on every orderly end: files closed, exit procedures from the last
// registered, then the stop routines.
std::string Ending(int errorCode) {
  return "close all\nexit procedure 2\nerror code " + std::to_string(errorCode) +
         "\nexit procedure 1\n" + kStopOrder;
}

// A run whose main stops with `exitCode` after printing `fromMain`, reporting `err`.
void ExpectEndAfterMain(const ProcessResult& r, int exitCode, const std::string& err,
                        const std::string& fromMain, int errorCode) {
  EXPECT_EQ(r.exitCode, exitCode);
  EXPECT_EQ(r.err, err);
  EXPECT_EQ(r.out, std::string(kStartOrder) + "main\n" + fromMain + Ending(errorCode));
}

TEST(StartupProcessTest, NormalRunStartsByPriorityAndStopsInReverse) {
  ProcessResult r = Probe({"normal"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, std::string(kStartOrder) + "main\nmain returns\n" + Ending(0));
  EXPECT_EQ(r.err, "");
}

TEST(StartupProcessTest, RunTimeErrorReportsAndExitsWith2) {
  ExpectEndAfterMain(Probe({"error", "501", "String Stack Error"}), 2,
                     "Runtime error: Internal error 01 : String Stack Error\n", "", 501);
}

TEST(StartupProcessTest, MemoryThatNewCannotGetIsReportedAndEndsWith2) {
  // Under AddressSanitizer its allocator, not the C++ library, answers a request that large.
  if (kAddressSanitized) GTEST_SKIP() << "AddressSanitizer handles failed allocations itself";
  ExpectEndAfterMain(Probe({"out-of-memory"}), 2, "Runtime error: Insufficient Memory\n", "", 308);
}

TEST(StartupProcessTest, RunTimeErrorZeroShowsTheTextAloneAndKeepsErrorCode) {
  ProcessResult r = Probe({"error", "0", "a text of its own"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "Runtime error: a text of its own\n");
  EXPECT_NE(r.out.find("error code 0\n"), std::string::npos);
}

TEST(StartupProcessTest, OsErrorsReadAsTheirMessages) {
  ProcessResult r = Probe({"oserror", "13"});  // EACCES
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "Runtime error: Access Denied\n");
  EXPECT_NE(r.out.find("error code 305\n"), std::string::npos);
}

TEST(StartupProcessTest, LanguageTrapsRaiseTheirErrors) {
  ProcessResult r = Probe({"trap", "409"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "Runtime error: Index out of range\n");
  EXPECT_EQ(Probe({"trap", "401"}).err, "Runtime error: Stack overflow\n");
}

TEST(StartupProcessTest, ReportBoxAsksAndNoTakesTheOrderlyPath) {
  // The report goes to standard error as well when a box shows it.
  ExpectEndAfterMain(Probe({"error", "501", "String Stack Error"}, {"PROBE_ANSWER=no"}), 2,
                     "Runtime error: Internal error 01 : String Stack Error\n",
                     "box title=Runtime error buttons=6 default=4 text=Internal error 01 : "
                     "String Stack Error\nDo you want to GPF?\n",
                     501);
}

TEST(StartupProcessTest, YesStopsAtOnceWithoutTheOrderlyPath) {
  ProcessResult r = Probe({"error", "501"}, {"PROBE_ANSWER=yes"});
  EXPECT_EQ(r.signal, SIGABRT);
  EXPECT_EQ(r.out.find("close all"), std::string::npos);
  EXPECT_EQ(r.out.find("exit procedure"), std::string::npos);
}

TEST(StartupProcessTest, HookTakesTheReportInsteadOfTheBox) {
  ExpectEndAfterMain(Probe({"hook", "405"}), 2, "",
                     "hook 405 report=Variable out of range : for the hook\n", 405);
}

TEST(StartupProcessTest, HaltShowsItsMessageAndExitsWithItsCode) {
  ExpectEndAfterMain(Probe({"halt", "7", "stopping here"}), 7, "Halt: stopping here\n", "", 0);
  ProcessResult boxed = Probe({"halt", "0", "framework gave up"}, {"PROBE_ANSWER=no"});
  EXPECT_EQ(boxed.exitCode, 0);
  EXPECT_NE(boxed.out.find("box title=Halt buttons=1 default=1 text=framework gave up\n"),
            std::string::npos);
  EXPECT_EQ(boxed.err, "Halt: framework gave up\n");
}

TEST(StartupProcessTest, HaltTakesItsMessageFromTheValueStack) {
  ExpectEndAfterMain(Probe({"halt-stack", "5", "from the stack"}), 5, "Halt: from the stack\n", "",
                     0);
  ExpectEndAfterMain(Probe({"halt-stack", "6", "quiet", "silent"}), 6, "", "", 0);
}

TEST(StartupProcessTest, HaltHookLeavesTheMessageOnTheStack) {
  ExpectEndAfterMain(Probe({"halt-hook", "4", "left alone"}), 4, "",
                     "halt hook 4 message=left alone\n", 0);
}

TEST(StartupProcessTest, SilentHaltShowsNothing) {
  ProcessResult r = Probe({"halt", "3", "unseen", "silent"}, {"PROBE_ANSWER=no"});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.find("box"), std::string::npos);
  // The exit status is the code's low 8 bits.
  EXPECT_EQ(Probe({"halt", "300", "", "silent"}).exitCode, 300 & 0xFF);
}

TEST(StartupProcessTest, ErrorInsideAnExitProcedureRunsNothingTwice) {
  ProcessResult r = Probe({"exit-error"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err,
            "Runtime error: Internal error 02\n"
            "Runtime error: Internal error 03 : raised while exiting\n");
  EXPECT_EQ(r.out, std::string(kStartOrder) + "main\nclose all\n" +
                       "exit procedure failing, error code 502\n" +
                       "exit procedure 2\nerror code 503\nexit procedure 1\n" + kStopOrder);
}

TEST(StartupProcessTest, ErrorAfterShutdownIsShownAndEndsWith2) {
  ProcessResult r = Probe({"after-shutdown"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "Runtime error: Internal error 03 : raised while exiting\n");
  EXPECT_EQ(r.out, std::string(kStartOrder) + "main\nmain returns\nclose all\n" +
                       "exit procedure failing, error code 0\n" +
                       "exit procedure 2\nerror code 503\nexit procedure 1\n" + kStopOrder);
}

TEST(StartupProcessTest, InterfaceMismatchExitsWith0BeforeMain) {
  for (const char* scenario : {"version", "minor"}) {
    ProcessResult r = Probe({scenario});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.find("main"), std::string::npos);
    EXPECT_NE(r.err.find("Interface version mismatch: "), std::string::npos);
    EXPECT_NE(r.out.find(kStopOrder), std::string::npos);
  }
}

}  // namespace
}  // namespace qor::test
