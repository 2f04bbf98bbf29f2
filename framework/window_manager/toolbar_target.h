#pragma once
// A toolbar target: what a toolbar's buttons act on (a list, a form), seen only through
// the operations the toolbar dispatcher calls on it. The dispatcher owns no target.
#include <cstdint>

namespace qor::fw {

class WindowManager;

class ToolbarTarget {
 public:
  virtual ~ToolbarTarget() = default;
  // The target's first operation: its own reaction to the current event.
  virtual void TakeEvent() = 0;
  // A toolbar button was accepted. `request` is the window's pending navigation request
  // (null when the window holds none).
  virtual void TakeAccepted(int32_t* request, WindowManager& window) = 0;
  // The target becomes the current one.
  virtual void Activate() = 0;
  // Non-zero when the target can take over the toolbar now.
  virtual uint8_t CanTakeOver() = 0;
};

}  // namespace qor::fw
