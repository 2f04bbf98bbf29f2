// A fatal run-time error inside the running tester: the report names the error by its
// message text on standard error and the program ends in order with exit code 2.
#include <gtest/gtest.h>

#include "app/tester/tester_program.h"
#include "runtime/errors/run_time_error.h"
#include "tests/tools/sanitizers.h"
#include "window/platform/hosts/headless_host.h"

namespace qor::app {
namespace {

TEST(TesterFatalDeathTest, ARunTimeErrorIsReportedByItsTextAndEndsWith2) {
  EXPECT_EXIT(
      {
        test::IgnoreLeaksFromHere();
        ui::HeadlessHost host;  // nobody answers the report's box: it reads as No
        ProgramAdditions additions;
        additions.atIdle = [] {
          static bool raised = false;
          if (!raised) {
            raised = true;
            rt::RunTimeError(536, "WSLDIAL");
          }
        };
        RunTesterProgram(additions);
      },
      ::testing::ExitedWithCode(2), "^Runtime error: Window is not open : WSLDIAL\n$");
}

}  // namespace
}  // namespace qor::app
