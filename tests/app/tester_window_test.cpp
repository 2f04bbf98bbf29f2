// TesterWindow's five handlers over a fake window runtime: the open, the operations with
// their checks and flash, the number buttons, the slice limits and the button timing.
#include "app/tester/tester_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/tester/application_globals.h"
#include "tests/framework/window_manager/fake_window_primitives.h"
#include "window/events/event_codes.h"

namespace qor::app {
namespace {

using Lines = std::vector<std::string>;
namespace ev = win::event;

class TesterWindowTest : public ::testing::Test {
 protected:
  TesterWindowTest() {
    SetProcedureStartValues(frame.state);
    frame.counter = &counter;
    frame.openWindow = [this] { fake.log.push_back("open window"); };
    frame.state.redisplay = [this] { fake.log.push_back("redisplay"); };
    fake.firstField = 1;
    fake.lastField = 121;
    for (int32_t button : {6, 31, 67, 81}) fake.properties[{button, 0x7C01}] = "9";
    fake.properties[{31, 0x7A07}] = "30";
    fake.properties[{31, 0x7C00}] = "15";
  }

  // The lines of the log that match, in order.
  Lines Matching(const std::string& part) const {
    Lines found;
    std::copy_if(fake.log.begin(), fake.log.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line.find(part) != std::string::npos; });
    return found;
  }

  int32_t counter = 0;
  ProcedureFrame frame;
  fw::testing::FakeWindowPrimitives fake;
  TesterWindow window{fake, frame};
};

TEST_F(TesterWindowTest, InitOpensTheWindowAndTheOpenEventSetsTheStartValues) {
  Globals().request = 0;
  Globals().response = 7;
  fake.script = {{ev::OpenWindow}};
  EXPECT_EQ(window.Run(), fw::kResponseCancelled);
  EXPECT_EQ(Globals().response, 0);  // cleared by Init
  const TesterState& s = frame.state;
  EXPECT_EQ(std::string(s.G1, 10), "1234567890");
  EXPECT_EQ(s.G2[89], 'x');
  EXPECT_EQ(s.SH1[0], '#');
  EXPECT_EQ(s.GL, 90);
  EXPECT_EQ(s.ButtonDelay, 20);
  EXPECT_EQ(s.ButtonRepeat, 10);
  EXPECT_EQ(std::string(s.V1.H, 11), "00 00 00 00");
  EXPECT_EQ(counter, 122);  // the timing loop ran to the last field
  // Open first, then the first field selected; the start values shown, every control
  // read back before the limits, the timing applied, everything displayed.
  EXPECT_EQ(fake.log[1], "open window");
  EXPECT_EQ(Matching("select"), (Lines{"select 1"}));
  EXPECT_EQ(Matching("update"), (Lines{"update 0"}));
  EXPECT_EQ(Matching("7A0Fh"), (Lines{"set property 7A0Fh of 6 = 20", "set property 7A0Fh of 31 = 20",
                                      "set property 7A0Fh of 67 = 20", "set property 7A0Fh of 81 = 20"}));
}

TEST_F(TesterWindowTest, AFailedCheckPostsATimerThatStartsTheFlashAndTheViewsFollow) {
  fake.script = {{ev::OpenWindow}, {ev::Accepted, 31}, {ev::Accepted, 67}};
  window.Run();
  EXPECT_EQ(frame.state.V2.U, 15u);  // the number button
  fake.log.clear();
  frame.state.V2.U = 40;
  fake.script = {{ev::Accepted, 67}};
  fake.Accept([this] { return window.HandleEvent() == 3 ? fw::TurnOutcome::Leave : fw::TurnOutcome::Proceed; });
  EXPECT_EQ(fake.log, (Lines{
      "accept loop",
      "event EVENT:Accepted control 67",
      "post EVENT:Timer",
      "read property 7A07h of 67",
      "redisplay",
      "event EVENT:Timer",
      "set property 7C12h of 62 = 255",
      "set property 7C86h of 0 = 75",
      "script ended",
  }));
  EXPECT_EQ(frame.state.FlashCount, 5);
}

TEST_F(TesterWindowTest, NumberButtonsSetV2AndEveryAcceptedOrNewSelectionRefreshes) {
  frame.state.V2.U = 3;
  fake.SetCurrent({ev::Accepted, 31});
  window.HandleEvent();
  EXPECT_EQ(frame.state.V2.U, 15u);
  EXPECT_EQ(std::string(frame.state.V2.H, 11), "00 00 00 0F");
  fake.log.clear();
  fake.SetCurrent({ev::Selected, 31});
  window.HandleEvent();
  EXPECT_TRUE(Matching("redisplay").empty());
  fake.SetCurrent({ev::NewSelection, 21});
  window.HandleEvent();
  EXPECT_EQ(Matching("redisplay").size(), 1u);
}

TEST_F(TesterWindowTest, SpinArrowsOnTheSliceFieldsLimitThem) {
  SetWindowOpenValues(frame.state);
  frame.state.G1S = 90;  // as the arrows of G1S left it
  fake.SetCurrent({ev::NewSelection, kG1SField});
  window.HandleEvent();
  EXPECT_EQ(Matching("update"), (Lines{"update 92"}));
  EXPECT_EQ(frame.state.GL, 1);
  // An accepted typed value is stored as typed: no limit until the next slice operation.
  frame.state.G2S = 95;
  fake.SetCurrent({ev::Accepted, kG2SField});
  window.HandleEvent();
  EXPECT_EQ(frame.state.G2S, 95);
}

TEST_F(TesterWindowTest, TimingIsAppliedOnDelayArrowsAndAcceptedRepeatOnly) {
  struct Case {
    uint32_t event;
    int32_t control;
    bool applies;
  };
  for (const Case& c : {Case{ev::NewSelection, kButtonDelayField, true}, Case{ev::Accepted, kButtonDelayField, false},
                        Case{ev::Accepted, kButtonRepeatField, true}, Case{ev::NewSelection, kButtonRepeatField, false}}) {
    frame.state.ButtonDelay = 100;
    frame.state.ButtonRepeat = 0;
    fake.log.clear();
    fake.SetCurrent({c.event, c.control});
    window.HandleEvent();
    EXPECT_EQ(Matching("7A0Fh of 6 = 100").size(), c.applies ? 1u : 0u) << c.event << " " << c.control;
    EXPECT_EQ(frame.state.ButtonRepeat, c.applies ? 1 : 0);
  }
}

}  // namespace
}  // namespace qor::app
