#pragma once
// When a tool tip shows and hides, apart from any window: the mouse resting on a tool for
// the initial delay shows the tool's tip; moving within the tool keeps it; after the
// auto-pop time, or a click, it hides and stays hidden until the mouse leaves the tool;
// leaving hides it. Moving straight from one tool to another while a tip shows brings the
// other's tip after the shorter reshow delay. The caller runs one timer as each step says.
#include <cstdint>
#include <optional>

#include "window/platform/core/input.h"
#include "window/platform/core/types.h"

namespace qor::ui {

struct TipDelays {
  uint32_t initial = kDoubleClickTime;  // the mouse rests this long before a tip shows
  uint32_t autoPop = 10 * kDoubleClickTime;  // a tip shows this long at most
  uint32_t reshow = kDoubleClickTime / 5;    // from one tool's tip to the next
};

enum class TipPhase {
  Idle,     // the mouse is over no tool
  Waiting,  // over a tool, waiting for it to rest the initial (or reshow) delay
  Shown,    // the tool's tip shows
  Closed,   // over a tool whose tip was clicked away or timed out
};

// What the caller does after a step, in this order: hide the tip, stop or (re)start the
// timer, show the tip of Tool().
struct TipStep {
  bool hide = false;
  bool stopTimer = false;
  std::optional<uint32_t> startTimer;  // milliseconds
  bool show = false;
};

class ToolTipTracker {
 public:
  TipDelays& Delays() { return delays_; }
  TipPhase Phase() const { return phase_; }
  Hwnd Tool() const { return tool_; }

  // The mouse moved over a tool.
  TipStep MovedOver(Hwnd tool);
  // The mouse is over no tool any more.
  TipStep Left();
  // A mouse button went down.
  TipStep Clicked();
  // The timer fell due.
  TipStep TimerDue();
  // The tip could not be shown (no text, owner inactive): wait for the mouse to leave.
  TipStep ShowRefused();
  // A tool is gone; forgets it if it is the current one.
  TipStep Removed(Hwnd tool);

 private:
  TipStep Wait(Hwnd tool, uint32_t delay);
  TipStep Close(bool stopTimer);

  TipDelays delays_;
  TipPhase phase_ = TipPhase::Idle;
  Hwnd tool_;
};

}  // namespace qor::ui
