#include "window/detail/event_queue.h"

#include <new>

#include "runtime/heap/heap.h"

namespace qor::win::detail {

void EventQueue::Append(const EventRecord& record) {
  void* block = rt::HeapAllocate(sizeof(EventRecord));
  if (!block) return;  // the allocator has reported the exhaustion
  auto* copy = new (block) EventRecord(record);
  copy->next = nullptr;
  std::lock_guard lock(mutex_);
  (tail_ ? tail_->next : head_) = copy;
  tail_ = copy;
}

bool EventQueue::Take(EventRecord& out) {
  EventRecord* first;
  {
    std::lock_guard lock(mutex_);
    first = head_;
    if (!first) return false;
    head_ = first->next;
    if (!head_) tail_ = nullptr;
  }
  out = *first;
  out.next = nullptr;
  rt::HeapFree(first);
  return true;
}

bool EventQueue::Empty() const {
  std::lock_guard lock(mutex_);
  return head_ == nullptr;
}

bool EventQueue::Contains(uint32_t code, int32_t control) const {
  std::lock_guard lock(mutex_);
  for (const EventRecord* record = head_; record; record = record->next) {
    if (record->code == code && record->control == control) return true;
  }
  return false;
}

void EventQueue::Clear() {
  EventRecord* record;
  {
    std::lock_guard lock(mutex_);
    record = head_;
    head_ = tail_ = nullptr;
  }
  while (record) {
    EventRecord* next = record->next;
    rt::HeapFree(record);
    record = next;
  }
}

}  // namespace qor::win::detail
