#pragma once
// The repeat of an immediate button as a state machine without a window: the control
// feeds it presses, timer ticks, sliding off and on, and releases, and carries out the
// steps it returns (post EVENT:Accepted, start, restart or stop repeat timer 1).
//
// Pressing posts at once and starts the timer with the delay; each tick switches the
// timer to the interval when that differs, and posts while the button is held and the
// pointer is on it. Sliding off drops only the pressed look; sliding back on shows it
// again and the repeats resume on the running timer, without a post of their own. Any
// release (button or Space let go, capture or focus lost, disabled, destroyed) stops
// the timer. A delay of 0 means no repeats; an interval of 0 means the delay.
#include <cstdint>

namespace qor::win {

enum class RepeatTimer : uint8_t { kKeep, kStart, kStop };

struct RepeatStep {
  bool post = false;                     // post EVENT:Accepted for the button
  RepeatTimer timer = RepeatTimer::kKeep;
  int32_t periodMs = 0;                  // with kStart: the timer's period
  bool pressedLook = false;              // the look to show after the step
};

class ButtonRepeat {
 public:
  ButtonRepeat(int32_t delayMs, int32_t intervalMs) { SetTiming(delayMs, intervalMs); }

  // New timing from the properties; a running repeat goes on at its current period
  // until its next tick.
  void SetTiming(int32_t delayMs, int32_t intervalMs);
  int32_t DelayMs() const { return delayMs_; }
  int32_t IntervalMs() const { return intervalMs_; }

  RepeatStep Press();
  RepeatStep Tick();
  RepeatStep SlideOff();
  RepeatStep SlideOn();
  RepeatStep Release();

  bool Held() const { return held_; }
  bool TimerRunning() const { return periodMs_ != 0; }

 private:
  RepeatStep Look() const { return RepeatStep{false, RepeatTimer::kKeep, 0, held_ && over_}; }

  int32_t delayMs_ = 0;
  int32_t intervalMs_ = 0;  // already resolved: the delay when none was given
  int32_t periodMs_ = 0;    // the running timer's period, 0 when none runs
  bool held_ = false;
  bool over_ = false;
};

}  // namespace qor::win
