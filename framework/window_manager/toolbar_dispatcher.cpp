#include "framework/window_manager/toolbar_dispatcher.h"

namespace qor::fw {

void ToolbarDispatcher::Init() {
  list_.emplace();
  current_ = nullptr;
}

void ToolbarDispatcher::Kill() {
  list_.reset();
  current_ = nullptr;
}

void ToolbarDispatcher::AddTarget(int32_t id, ToolbarTarget& target) {
  if (list_) list_->push_back({id, &target});
}

void ToolbarDispatcher::ForwardEvent() {
  if (current_) current_->TakeEvent();
}

void ToolbarDispatcher::ForwardAccepted(int32_t* request, WindowManager& window) {
  if (!list_ || list_->empty() || !current_) return;
  current_->TakeAccepted(request, window);
}

void ToolbarDispatcher::ChooseToolbarTarget(int32_t id) {
  if (!list_) return;
  if (id != 0) {
    for (const Entry& entry : *list_) {
      if (entry.id != id) continue;
      current_ = entry.target;
      current_->Activate();
      return;
    }
    return;
  }
  for (const Entry& entry : *list_) {
    if (entry.target->CanTakeOver()) current_ = entry.target;
  }
}

}  // namespace qor::fw
