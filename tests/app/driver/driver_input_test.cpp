// Input through the driver: typing into entries and spin boxes (any byte of the code
// page), the spin arrows, and the keyboard (the tab order, Space and Enter on a button).
#include <gtest/gtest.h>

#include "tests/app/driver/driver_process.h"

namespace qor::app::drv::testing {
namespace {

// The `state` line of one variable.
std::string StateOf(const std::string& out, const std::string& name) {
  for (const std::string& line : Lines(out)) {
    if (line.rfind(name + "\t", 0) == 0) return line;
  }
  return "";
}

TEST(DriverInput, TypedTextReplacesTheWholeFieldAndIsAcceptedOnLeaving) {
  std::string out = RunScriptOk("type 10 305419896\ntype 11 -1\ntype 94 Hello \\\\ \\xE9\ntype 95 \xC3\xA9\nfocus\nstate\nread 11\n");
  EXPECT_EQ(StateOf(out, "V1:U"), "V1:U\t4294967295");
  EXPECT_EQ(StateOf(out, "V1:L"), "V1:L\t-1");
  EXPECT_EQ(StateOf(out, "G1"), "G1\tHello \\\\ \\xE9" + std::string(81, ' '));
  EXPECT_EQ(StateOf(out, "SH1"), "SH1\t\\xE9");
  EXPECT_EQ(Lines(out).at(0), "focus\t97") << out;  // Tab from SH1 moves on to G2
  EXPECT_EQ(Lines(out).back(), "11\t-1");
}

TEST(DriverInput, AnEmptyTextDeletesTheFieldsText) {
  std::string out = RunScriptOk("type 94\nstate\n");
  EXPECT_EQ(StateOf(out, "G1"), "G1\t" + std::string(90, ' '));
}

TEST(DriverInput, SpinArrowsStepWithinTheLimits) {
  std::string out = RunScriptOk("spin 92 up 100\nspin 103 down\nspin 66 down 3\nstate\n");
  EXPECT_EQ(StateOf(out, "G1S"), "G1S\t90");
  EXPECT_EQ(StateOf(out, "GL"), "GL\t1");  // limited by G1S = 90
  EXPECT_EQ(StateOf(out, "ButtonRepeat"), "ButtonRepeat\t7");
}

TEST(DriverInput, TabVisitsTheTabStopsInOrderAndSpaceOrEnterPressesAButton) {
  EXPECT_EQ(RunScriptOk("press 6\nkey Tab\nfocus\nkey Shift+Tab\nfocus\nkey Shift+Tab\nfocus\nkey Escape\nfocus\n"),
            "focus\t7\nfocus\t6\nfocus\t121\nfocus\t121\n");
  // At open the focus is on button 6 for the keyboard too (the first field is a prompt).
  EXPECT_EQ(RunScriptOk("focus\nkey Tab\nfocus\n"), "focus\t6\nfocus\t7\n");
  std::string out = RunScriptOk("press 6\nkey Tab\nkey Space\nstate\n");  // the random button of V1
  EXPECT_NE(StateOf(out, "V1:U"), "V1:U\t0");
  out = RunScriptOk("press 32\nkey Tab\nkey Enter\nstate\n");  // from "1" to "2": V2 = 2
  EXPECT_EQ(StateOf(out, "V2:U"), "V2:U\t2");
}

}  // namespace
}  // namespace qor::app::drv::testing
