#include "window/events/post_event.h"

#include <algorithm>

#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/queue_event.h"

namespace qor::win {
namespace {

bool HasNumber(const Window& window, int32_t control) {
  return std::binary_search(window.numbers.begin(), window.numbers.end(), control);
}

Window* PostTarget(int32_t thread) {
  if (thread == 0) {
    detail::ThreadState* self = detail::CallingThread();
    return self ? self->active : nullptr;
  }
  return detail::ActiveWindowOf(thread);
}

}  // namespace

int32_t CurrentThread() {
  detail::ThreadState* self = detail::CallingThread();
  return self ? self->number : 0;
}

void PostEvent(uint32_t code, int32_t control, int32_t thread) {
  if (code == 0 || code > kLastPostableEvent) return;
  Window* window = PostTarget(thread);
  if (!window || !window->IsOpen()) return;
  if (control != 0 && !HasNumber(*window, control)) return;
  QueueEvent(*window, code, control);
}

void SetTarget(Window* window, int32_t thread) {
  detail::ThreadState* self = detail::CallingThread();
  if (!self) return;
  if (window) {
    self->target = window;
    self->targetThread = thread;
    return;
  }
  self->targetThread = 0;
  self->target = (thread >= 1 && thread <= detail::kThreadLimit) ? detail::ActiveWindowOf(thread) : nullptr;
}

Window* TargetWindow() {
  detail::ThreadState* self = detail::CallingThread();
  if (!self) return nullptr;
  return self->target ? self->target : self->active;
}

Window* ActiveWindow() {
  detail::ThreadState* self = detail::CallingThread();
  return self ? self->active : nullptr;
}

}  // namespace qor::win
