// Time through the driver on the headless host's virtual clock: `hold` repeats a button
// as the repeat timing says, the spin boxes of the timing change what a hold does, and
// `wait` runs the warning flash step by step.
#include <gtest/gtest.h>

#include "tests/app/driver/driver_process.h"

namespace qor::app::drv::testing {
namespace {

// V2 = 1 (number button "1") and V1 = V2, then "V1 = BROL ( V1 , V2 )" held: V1 = 2 to
// the number of actions.
std::string HeldRotation(const std::string& timing, uint32_t milliseconds) {
  std::string out = RunScriptOk("press 32\npress 72\n" + timing + "hold 81 " + std::to_string(milliseconds) + "\nstate\n");
  return Lines(out).at(0);
}

// With delay D and interval R the action runs 1 + (MS >= D ? 1 + (MS - D) / R : 0) times.
TEST(DriverTiming, HoldRepeatsAfterTheDelayAndEveryIntervalUpToItsEnd) {
  EXPECT_EQ(HeldRotation("", 0), "V1:U\t2");      // once: 2^1
  EXPECT_EQ(HeldRotation("", 199), "V1:U\t2");    // delay 200 ms not reached
  EXPECT_EQ(HeldRotation("", 200), "V1:U\t4");    // the first repeat falls on the end
  EXPECT_EQ(HeldRotation("", 399), "V1:U\t8");    // 200, 300
  EXPECT_EQ(HeldRotation("", 400), "V1:U\t16");   // 200, 300, 400
}

TEST(DriverTiming, ArrowStepsOfButtonDelayApplyAtOnceTypedRepeatOnlyWhenAccepted) {
  // Delay 30 hundredths (ten steps up from 20): at 299 ms nothing has repeated yet.
  EXPECT_EQ(HeldRotation("spin 64 up 10\n", 299), "V1:U\t2");
  EXPECT_EQ(HeldRotation("spin 64 up 10\n", 300), "V1:U\t4");
  // Repeat 5 typed and accepted: every 50 ms after the delay of 200.
  EXPECT_EQ(HeldRotation("type 66 5\n", 300), "V1:U\t16");  // 0, 200, 250, 300
}

TEST(DriverTiming, EveryButtonStartsWithDelay20AndInterval10) {
  std::string script;
  std::string expected;
  for (int button : {6, 31, 50, 81, 121}) {
    script += "prop " + std::to_string(button) + " 7A0F\nprop " + std::to_string(button) + " 0x7a08\n";
    expected += std::to_string(button) + "\t7A0F\t20\n" + std::to_string(button) + "\t7A08\t10\n";
  }
  EXPECT_EQ(RunScriptOk(script), expected);
}

TEST(DriverTiming, AFailedCheckFlashesTheRangeRuleRedThreeTimes) {
  std::string out = RunScriptOk(
      "press 50\n"  // V2 = 32: the bit buttons fail their check
      "color 62\npress 67\ncolor 62\nprop 62 7C12\n"
      "wait 749\ncolor 62\nwait 1\ncolor 62\n"
      "wait 250\ncolor 62\n"
      "wait 1750\ncolor 62\nprop 0 0x7c86\nstate\n");
  std::vector<std::string> lines = Lines(out);
  ASSERT_GE(lines.size(), 9u) << out;
  EXPECT_EQ(lines[1].substr(0, 11), "62\t#FF0000\t");      // red at once
  EXPECT_EQ(lines[2], "62\t7C12\t255");
  EXPECT_EQ(lines[3].substr(0, 11), "62\t#FF0000\t");      // still red at 749 ms
  EXPECT_EQ(lines[4].substr(0, 11), "62\t#000000\t");      // black at 750 ms
  EXPECT_EQ(lines[5].substr(0, 11), "62\t#FF0000\t");      // red again at 1000 ms
  EXPECT_EQ(lines[6].substr(0, 11), "62\t#000000\t");      // black for good at 2750 ms
  EXPECT_EQ(lines[7], "0\t7C86\t500");                     // the timer back at 5 seconds
  EXPECT_EQ(lines.back(), "FlashCount\t0");
}

}  // namespace
}  // namespace qor::app::drv::testing
