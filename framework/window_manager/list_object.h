#pragma once
// A list registered with a window manager, seen only through the operations the manager
// calls on it. The manager owns no list: `Release` is the list's own cleanup.
#include <cstdint>

namespace qor::fw {

class ListObject {
 public:
  virtual ~ListObject() = default;
  virtual void Release() = 0;
  // Non-zero when the list wants the window reset after the current event.
  virtual uint8_t NeedsRefresh() = 0;
  // The list's own reaction to the current event.
  virtual void TakeEvent() = 0;
  virtual void Reset(uint8_t force) = 0;
  virtual void Redraw() = 0;
  virtual void RegisterAlertKeys() = 0;
  // Takes the values on screen into the list's record.
  virtual void UpdateFromScreen() = 0;
};

}  // namespace qor::fw
