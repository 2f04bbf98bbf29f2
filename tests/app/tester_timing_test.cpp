// The warning flash and the button timing, as the property assignments they make.
#include "app/tester/tester_timing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/framework/window_manager/fake_window_primitives.h"

namespace qor::app {
namespace {

using Lines = std::vector<std::string>;

class TesterTimingTest : public ::testing::Test {
 protected:
  TesterState state;
  fw::testing::FakeWindowPrimitives window;

  Lines TakeLog() { return std::exchange(window.log, {}); }
};

TEST_F(TesterTimingTest, AFlashOfSixStepsRunsRedBlackRedBlackRedBlackThenIdles) {
  state.FlashCount = 6;
  Lines steps;
  for (int step = 0; step < 7; ++step) {
    FlashStep(state, window);
    steps.push_back("count " + std::to_string(state.FlashCount));
    for (const std::string& line : TakeLog()) steps.push_back(line);
  }
  EXPECT_EQ(steps, (Lines{
      "count 5", "set property 7C12h of 62 = 255", "set property 7C86h of 0 = 75",
      "count 4", "set property 7C12h of 62 = 0",   "set property 7C86h of 0 = 25",
      "count 3", "set property 7C12h of 62 = 255", "set property 7C86h of 0 = 75",
      "count 2", "set property 7C12h of 62 = 0",   "set property 7C86h of 0 = 25",
      "count 1", "set property 7C12h of 62 = 255", "set property 7C86h of 0 = 75",
      "count 0", "set property 7C12h of 62 = 0",   "set property 7C86h of 0 = 25",
                 "set property 7C86h of 0 = 500",
      "count 0",  // an idle timer tick changes nothing
  }));
}

TEST_F(TesterTimingTest, AFailureDuringAFlashStartsItOverRed) {
  state.FlashCount = 6;
  FlashStep(state, window);
  FlashStep(state, window);
  TakeLog();
  state.FlashCount = 6;  // what a failed check does
  FlashStep(state, window);
  EXPECT_EQ(TakeLog(), (Lines{"set property 7C12h of 62 = 255", "set property 7C86h of 0 = 75"}));
}

TEST_F(TesterTimingTest, ButtonTimingGoesToEveryButtonFromFirstToLastField) {
  window.firstField = 8;
  window.lastField = 11;
  window.properties[{9, 0x7C01}] = "9";
  window.properties[{11, 0x7C01}] = "9";
  window.properties[{10, 0x7C01}] = "8";
  state.ButtonDelay = 20;
  state.ButtonRepeat = 10;
  int32_t counter = 0;
  ApplyButtonTiming(state, counter, window);
  EXPECT_EQ(TakeLog(), (Lines{
      "read property 7C01h of 8",
      "read property 7C01h of 9",
      "set property 7C6Ah of 9 = 1", "set property 7A0Fh of 9 = 20", "set property 7A08h of 9 = 10",
      "read property 7C01h of 10",
      "read property 7C01h of 11",
      "set property 7C6Ah of 11 = 1", "set property 7A0Fh of 11 = 20", "set property 7A08h of 11 = 10",
  }));
  EXPECT_EQ(counter, 12);
}

TEST_F(TesterTimingTest, ButtonTimingOutsideItsRangeIsClampedAndWrittenBack) {
  struct Case {
    int32_t delay, repeat, wantDelay, wantRepeat;
  };
  for (const Case& c : {Case{0, 0, 1, 1}, Case{-5, -2147483647 - 1, 1, 1}, Case{1001, 501, 1000, 500},
                        Case{2147483647, 2147483647, 1000, 500}, Case{1000, 500, 1000, 500}, Case{1, 1, 1, 1}}) {
    state.ButtonDelay = c.delay;
    state.ButtonRepeat = c.repeat;
    window.firstField = window.lastField = 6;
    window.properties[{6, 0x7C01}] = "9";
    int32_t counter = 0;
    ApplyButtonTiming(state, counter, window);
    EXPECT_EQ(state.ButtonDelay, c.wantDelay);
    EXPECT_EQ(state.ButtonRepeat, c.wantRepeat);
    EXPECT_EQ(window.properties[(std::pair<int32_t, uint32_t>{6, 0x7A0F})], std::to_string(c.wantDelay));
    EXPECT_EQ(window.properties[(std::pair<int32_t, uint32_t>{6, 0x7A08})], std::to_string(c.wantRepeat));
  }
}

}  // namespace
}  // namespace qor::app
