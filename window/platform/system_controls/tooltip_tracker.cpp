#include "window/platform/system_controls/tooltip_tracker.h"

namespace qor::ui {

TipStep ToolTipTracker::Wait(Hwnd tool, uint32_t delay) {
  TipStep step;
  step.hide = phase_ == TipPhase::Shown;
  step.startTimer = delay;
  phase_ = TipPhase::Waiting;
  tool_ = tool;
  return step;
}

TipStep ToolTipTracker::Close(bool stopTimer) {
  TipStep step;
  step.hide = phase_ == TipPhase::Shown;
  step.stopTimer = stopTimer;
  phase_ = TipPhase::Closed;
  return step;
}

TipStep ToolTipTracker::MovedOver(Hwnd tool) {
  if (!tool) return Left();
  switch (phase_) {
    case TipPhase::Idle:
      return Wait(tool, delays_.initial);
    case TipPhase::Waiting:
      // The mouse has to rest: every move starts the wait again.
      return Wait(tool, delays_.initial);
    case TipPhase::Shown:
      return tool == tool_ ? TipStep{} : Wait(tool, delays_.reshow);
    case TipPhase::Closed:
      return tool == tool_ ? TipStep{} : Wait(tool, delays_.initial);
  }
  return {};
}

TipStep ToolTipTracker::Left() {
  TipStep step;
  step.hide = phase_ == TipPhase::Shown;
  step.stopTimer = phase_ != TipPhase::Idle;
  phase_ = TipPhase::Idle;
  tool_ = Hwnd{};
  return step;
}

TipStep ToolTipTracker::Clicked() {
  if (phase_ == TipPhase::Idle || phase_ == TipPhase::Closed) return {};
  return Close(true);
}

TipStep ToolTipTracker::TimerDue() {
  if (phase_ == TipPhase::Waiting) {
    phase_ = TipPhase::Shown;
    TipStep step;
    step.startTimer = delays_.autoPop;
    step.show = true;
    return step;
  }
  if (phase_ == TipPhase::Shown) return Close(true);
  TipStep step;
  step.stopTimer = true;
  return step;
}

TipStep ToolTipTracker::ShowRefused() {
  phase_ = TipPhase::Closed;
  TipStep step;
  step.stopTimer = true;
  return step;
}

TipStep ToolTipTracker::Removed(Hwnd tool) {
  if (!tool_ || tool != tool_) return {};
  return Left();
}

}  // namespace qor::ui
