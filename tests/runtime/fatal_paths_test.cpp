// The run-time error report and HALT inside one process; each case ends its process,
// so each runs as a death test.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "os/module.h"
#include "resources/messages/error_messages.h"
#include "runtime/base/error_state.h"
#include "runtime/base/fatal_hooks.h"
#include "runtime/base/flags.h"
#include "runtime/errors/halt.h"
#include "runtime/errors/run_time_error.h"

namespace qor::rt {
namespace {

class FatalPathsDeathTest : public ::testing::Test {
 protected:
  void SetUp() override { res::RegisterErrorMessages(os::ExecutableModule()); }
};

void HookSaysItsCode(int32_t code) { std::fprintf(stderr, "hook got %d\n", code); }

TEST_F(FatalPathsDeathTest, ReportIsCutAt255Characters) {
  const std::string extra(400, 'z');
  const std::string expected = "Internal error 01 : " + std::string(255 - 20, 'z');
  EXPECT_EXIT(RunTimeError(501, extra.c_str()), testing::ExitedWithCode(2),
              "^Runtime error: " + expected + "\n$");
}

TEST_F(FatalPathsDeathTest, CodeZeroWithoutTextReportsNothingButStillEnds) {
  EXPECT_EXIT(RunTimeError(0, nullptr), testing::ExitedWithCode(2), "^Runtime error: \n$");
}

TEST_F(FatalPathsDeathTest, UnknownCodesReportAsUnknownErrorPosted) {
  EXPECT_EXIT(RunTimeError(999, "extra"), testing::ExitedWithCode(2),
              "^Runtime error: Unknown Error Posted : 999 : extra\n$");
}

TEST_F(FatalPathsDeathTest, OverriddenTextsReachTheReport) {
  EXPECT_EXIT(
      {
        SetMessageOverride(2, "Nothing by that name");
        RunTimeError(2, "x.dat");
      }, testing::ExitedWithCode(2),
              "^Runtime error: Nothing by that name : x.dat\n$");
}

TEST_F(FatalPathsDeathTest, HookReceivesTheCodeInsteadOfTheBox) {
  EXPECT_EXIT(
      {
        SetRunTimeErrorHook(HookSaysItsCode);
        RunTimeError(404, nullptr);
      }, testing::ExitedWithCode(2), "^hook got 404\n$");
}

TEST_F(FatalPathsDeathTest, AfterShutdownTheHookIsPassedOverAndTheReportShown) {
  EXPECT_EXIT(
      {
        SetRunTimeErrorHook(HookSaysItsCode);
        SetRuntimeActive(false);
        RunTimeError(404, nullptr);
      }, testing::ExitedWithCode(2),
              "^Runtime error: Arithmetic Overflow\n$");
}

void HaltHookSaysItsCode(int32_t code) { std::fprintf(stderr, "halt hook got %d\n", code); }

TEST_F(FatalPathsDeathTest, HaltHookReceivesTheCodeAndNothingIsShown) {
  EXPECT_EXIT(
      {
        SetHaltHook(HaltHookSaysItsCode);
        HaltWithMessage(9, false, "not shown");
      }, testing::ExitedWithCode(9),
              "^halt hook got 9\n$");
}

TEST_F(FatalPathsDeathTest, HaltWithAnEmptyMessageStillSaysHalt) {
  EXPECT_EXIT(HaltWithMessage(0, false, ""), testing::ExitedWithCode(0), "^Halt: \n$");
}

}  // namespace
}  // namespace qor::rt
