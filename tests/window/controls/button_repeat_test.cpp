// The immediate button's repeat, driven on a virtual clock: one line per post, with its
// time in milliseconds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/controls/button_repeat.h"

namespace qor::win {
namespace {

// Carries out the steps: a timer started at t fires at t + period, t + 2 period, ...
class RepeatClock {
 public:
  explicit RepeatClock(ButtonRepeat& repeat) : repeat_(repeat) {}

  void Press() { Apply(repeat_.Press()); }
  void SlideOff() { Apply(repeat_.SlideOff()); }
  void SlideOn() { Apply(repeat_.SlideOn()); }
  void Release() { Apply(repeat_.Release()); }

  // Runs the clock to `until`, ticking the timer on its way.
  void RunTo(int64_t until) {
    while (period_ != 0 && due_ <= until) {
      now_ = due_;
      due_ += period_;
      Apply(repeat_.Tick());
    }
    now_ = until;
  }

  std::vector<std::string> log;

 private:
  void Apply(const RepeatStep& step) {
    if (step.post) log.push_back("post@" + std::to_string(now_));
    if (step.timer == RepeatTimer::kStart) {
      log.push_back("timer " + std::to_string(step.periodMs) + "@" + std::to_string(now_));
      period_ = step.periodMs;
      due_ = now_ + period_;
    }
    if (step.timer == RepeatTimer::kStop) {
      log.push_back("stop@" + std::to_string(now_));
      period_ = 0;
    }
    if (step.pressedLook != pressed_) log.push_back(std::string(step.pressedLook ? "pressed" : "raised") + "@" + std::to_string(now_));
    pressed_ = step.pressedLook;
  }

  ButtonRepeat& repeat_;
  int64_t now_ = 0;
  int64_t due_ = 0;
  int32_t period_ = 0;
  bool pressed_ = false;
};

using Lines = std::vector<std::string>;

TEST(ButtonRepeat, DelayTwentyRepeatTenPostsAtOnceThenAfterTheDelayThenEachInterval) {
  ButtonRepeat repeat(200, 100);
  RepeatClock clock(repeat);
  clock.Press();
  clock.RunTo(450);
  clock.Release();
  clock.RunTo(2000);
  EXPECT_EQ(clock.log, (Lines{"post@0", "timer 200@0", "pressed@0", "post@200", "timer 100@200", "post@300",
                              "post@400", "stop@450", "raised@450"}));
}

TEST(ButtonRepeat, DelayFiftyRepeatTen) {
  ButtonRepeat repeat(500, 100);
  RepeatClock clock(repeat);
  clock.Press();
  clock.RunTo(750);
  clock.Release();
  EXPECT_EQ(clock.log, (Lines{"post@0", "timer 500@0", "pressed@0", "post@500", "timer 100@500", "post@600",
                              "post@700", "stop@750", "raised@750"}));
}

TEST(ButtonRepeat, EqualDelayAndRepeatKeepOneTimerWithoutRestart) {
  ButtonRepeat repeat(100, 100);
  RepeatClock clock(repeat);
  clock.Press();
  clock.RunTo(350);
  clock.Release();
  EXPECT_EQ(clock.log, (Lines{"post@0", "timer 100@0", "pressed@0", "post@100", "post@200", "post@300",
                              "stop@350", "raised@350"}));
}

TEST(ButtonRepeat, SlidingOffDropsOnlyTheLookAndSlidingBackResumesWithoutAPostOfItsOwn) {
  ButtonRepeat repeat(200, 100);
  RepeatClock clock(repeat);
  clock.Press();
  clock.RunTo(250);
  clock.SlideOff();
  clock.RunTo(420);
  clock.SlideOn();
  clock.RunTo(520);
  clock.Release();
  EXPECT_EQ(clock.log, (Lines{"post@0", "timer 200@0", "pressed@0", "post@200", "timer 100@200", "raised@250",
                              "pressed@420", "post@500", "stop@520", "raised@520"}));
}

TEST(ButtonRepeat, ReleasedOutsideStopsTheRepeatsForGood) {
  ButtonRepeat repeat(200, 100);
  RepeatClock clock(repeat);
  clock.Press();
  clock.SlideOff();
  clock.RunTo(150);
  clock.Release();
  clock.RunTo(1000);
  EXPECT_EQ(clock.log, (Lines{"post@0", "timer 200@0", "pressed@0", "raised@0", "stop@150"}));
  EXPECT_FALSE(repeat.TimerRunning());
  // A tick already queued when the release came does nothing.
  RepeatStep late = repeat.Tick();
  EXPECT_FALSE(late.post);
  EXPECT_EQ(late.timer, RepeatTimer::kKeep);
}

TEST(ButtonRepeat, NoDelayMeansOnePostAndNoTimer) {
  for (int32_t delay : {0, -10}) {
    ButtonRepeat repeat(delay, 100);
    RepeatClock clock(repeat);
    clock.Press();
    clock.RunTo(1000);
    clock.Release();
    EXPECT_EQ(clock.log, (Lines{"post@0", "pressed@0", "raised@1000"})) << delay;
  }
}

TEST(ButtonRepeat, NoIntervalMeansTheDelay) {
  ButtonRepeat repeat(150, 0);
  EXPECT_EQ(repeat.IntervalMs(), 150);
  RepeatClock clock(repeat);
  clock.Press();
  clock.RunTo(460);
  clock.Release();
  EXPECT_EQ(clock.log, (Lines{"post@0", "timer 150@0", "pressed@0", "post@150", "post@300", "post@450",
                              "stop@460", "raised@460"}));
}

TEST(ButtonRepeat, APressAfterAReleaseStartsOver) {
  ButtonRepeat repeat(200, 100);
  RepeatClock clock(repeat);
  clock.Press();
  clock.RunTo(100);
  clock.Release();
  clock.RunTo(1000);
  clock.Press();
  clock.RunTo(1200);
  clock.Release();
  EXPECT_EQ(clock.log, (Lines{"post@0", "timer 200@0", "pressed@0", "stop@100", "raised@100", "post@1000",
                              "timer 200@1000", "pressed@1000", "post@1200", "timer 100@1200", "stop@1200",
                              "raised@1200"}));
}

}  // namespace
}  // namespace qor::win
