#include "window/controls/control_events.h"

#include "window/controls/control.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/queue_event.h"

namespace qor::win {

void PostControlEvent(Control& control, uint32_t code) {
  if (control.Number() == 0) return;
  QueueEvent(control.Owner(), code, control.Number());
}

void PostControlEventOnce(Control& control, uint32_t code) {
  if (control.Owner().queue.Contains(code + kEventBase, control.Number())) return;
  PostControlEvent(control, code);
}

}  // namespace qor::win
