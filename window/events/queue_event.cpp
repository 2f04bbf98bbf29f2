#include "window/events/queue_event.h"

#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"

namespace qor::win {

void QueueEvent(Window& window, uint32_t code, int32_t control, uint32_t rejectPosition) {
  detail::EventRecord record;
  record.code = code + kEventBase;
  record.control = control;
  record.keyCode = window.thread ? window.thread->lastKey : 0;
  record.rejectPosition = rejectPosition;
  window.queue.Append(record);
  // Another thread waiting for its next system message must look at its queue now.
  if (window.thread && window.thread != detail::CallingThread() && window.handle) {
    ui::PostMessage(window.handle, ui::WM_NULL, 0, 0);
  }
}

}  // namespace qor::win
