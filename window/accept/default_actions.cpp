#include "window/accept/default_actions.h"

#include <vector>

#include "window/controls/control.h"
#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win {
namespace {

void CloseThreadWindows(Window& window) {
  if (!window.thread) return CloseWindow(&window);
  std::vector<Window*> open = window.thread->open;
  for (auto newest = open.rbegin(); newest != open.rend(); ++newest) CloseWindow(*newest);
}

void FinishSelection(Window& window, int32_t number) {
  if (number == 0 || number != window.selecting) return;
  window.selecting = 0;
  for (const std::unique_ptr<Control>& control : window.controls) {
    if (control->Number() != number) continue;
    window.focus = control.get();
    control->Redisplay();
    return;
  }
}

}  // namespace

void RunDefaultAction(Window& window, const detail::EventRecord& event) {
  switch (event.code - kEventBase) {
    case event::CloseWindow: CloseWindow(&window); break;
    case event::CloseDown: CloseThreadWindows(window); break;
    case event::Selected: FinishSelection(window, event.control); break;
    default: break;
  }
}

}  // namespace qor::win
