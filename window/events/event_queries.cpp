#include "window/events/event_queries.h"

#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/post_event.h"

namespace qor::win {
namespace {

constexpr uint32_t kKeyBits = 0x7FF;

const detail::EventRecord* Current() {
  detail::ThreadState* self = detail::CallingThread();
  return self && self->hasCurrent ? &self->current : nullptr;
}

}  // namespace

uint32_t CurrentEvent() {
  const detail::EventRecord* current = Current();
  return current ? current->code - kEventBase : 0;
}

int32_t EventControl() {
  const detail::EventRecord* current = Current();
  return current ? current->control : 0;
}

int32_t AcceptedControl() { return CurrentEvent() == event::Accepted ? EventControl() : 0; }

int32_t FirstFieldNumber() {
  Window* target = TargetWindow();
  return target && !target->numbers.empty() ? target->numbers.front() : 0;
}

int32_t LastFieldNumber() {
  Window* target = TargetWindow();
  return target && !target->numbers.empty() ? target->numbers.back() : 0;
}

uint32_t EventKeyCode() {
  if (const detail::EventRecord* current = Current()) return current->keyCode & kKeyBits;
  detail::ThreadState* self = detail::CallingThread();
  return self ? self->lastKey & kKeyBits : 0;
}

void SetEventKeyCode(uint32_t keyCode) {
  detail::ThreadState* self = detail::CallingThread();
  if (!self) return;
  self->lastKey = (self->lastKey & ~kKeyBits) | (keyCode & kKeyBits);
  if (self->hasCurrent) self->current.keyCode = (self->current.keyCode & ~kKeyBits) | (keyCode & kKeyBits);
}

uint32_t RejectPosition() {
  const detail::EventRecord* current = Current();
  return current && current->code == event::Rejected + kEventBase ? current->rejectPosition : 0;
}

}  // namespace qor::win
