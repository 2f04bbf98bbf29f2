#pragma once
// ToolbarDispatcher: hands a window's toolbar buttons to the current toolbar target.
// It keeps a list of targets by id; one of them at a time is current. A window attaches
// one (WindowManager::AttachToolbar), which runs Init; Shutdown runs Kill.
//
// An id that is not in the list, and forwarding with no current target, do nothing and
// keep the current target as it was.
#include <cstdint>
#include <optional>
#include <vector>

#include "framework/window_manager/toolbar_target.h"

namespace qor::fw {

class ToolbarDispatcher {
 public:
  struct Entry {
    int32_t id = 0;
    ToolbarTarget* target = nullptr;
  };

  virtual ~ToolbarDispatcher() = default;

  // Method-table order.
  // The current target's reaction to the current event.
  virtual void ForwardEvent();
  // Disposes the list; the current target is forgotten.
  virtual void Kill();
  // With targets listed: the current target's accepted action.
  virtual void ForwardAccepted(int32_t* request, WindowManager& window);

  // Creates the empty list.
  void Init();
  // Id non-zero: the entry with that id becomes current and is activated. Id 0: every
  // entry is asked in order whether it can take over; the last that can becomes current.
  void ChooseToolbarTarget(int32_t id);
  // Adds a target (after Init).
  void AddTarget(int32_t id, ToolbarTarget& target);

  bool HasList() const { return list_.has_value(); }
  size_t TargetCount() const { return list_ ? list_->size() : 0; }
  ToolbarTarget* Current() const { return current_; }

 private:
  std::optional<std::vector<Entry>> list_;
  ToolbarTarget* current_ = nullptr;
};

}  // namespace qor::fw
