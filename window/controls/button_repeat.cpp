// The immediate button's repeat steps.
#include "window/controls/button_repeat.h"

namespace qor::win {

void ButtonRepeat::SetTiming(int32_t delayMs, int32_t intervalMs) {
  delayMs_ = delayMs > 0 ? delayMs : 0;
  intervalMs_ = intervalMs > 0 ? intervalMs : delayMs_;
}

RepeatStep ButtonRepeat::Press() {
  held_ = true;
  over_ = true;
  RepeatStep step = Look();
  if (periodMs_ != 0) return step;  // a timer runs: the repeats go on
  step.post = true;
  if (delayMs_ > 0) {
    periodMs_ = delayMs_;
    step.timer = RepeatTimer::kStart;
    step.periodMs = periodMs_;
  }
  return step;
}

RepeatStep ButtonRepeat::Tick() {
  RepeatStep step = Look();
  if (periodMs_ == 0) return step;  // a tick that was already queued at the release
  if (intervalMs_ != periodMs_ && intervalMs_ > 0) {
    periodMs_ = intervalMs_;
    step.timer = RepeatTimer::kStart;
    step.periodMs = periodMs_;
  }
  step.post = held_ && over_;
  return step;
}

RepeatStep ButtonRepeat::SlideOff() {
  over_ = false;
  return Look();
}

RepeatStep ButtonRepeat::SlideOn() {
  over_ = held_;
  return Look();
}

RepeatStep ButtonRepeat::Release() {
  bool running = periodMs_ != 0;
  held_ = false;
  over_ = false;
  periodMs_ = 0;
  RepeatStep step = Look();
  if (running) step.timer = RepeatTimer::kStop;
  return step;
}

}  // namespace qor::win
