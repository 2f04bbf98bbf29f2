#pragma once
// Internal: the queue of events waiting on one window. Records come from the runtime's
// checked allocator and name their control by number, never by object, so nothing in
// the queue can outlive what it refers to. Other threads may post into the queue, so
// every operation takes the queue's own lock.
#include <cstdint>
#include <mutex>

namespace qor::win::detail {

struct EventRecord {
  uint32_t code = 0;            // language code + kEventBase
  int32_t control = 0;          // field number, 0 for none
  uint32_t keyCode = 0;         // low 11 bits: the key value
  uint32_t rejectPosition = 0;  // Rejected: position of the first bad character
  EventRecord* next = nullptr;
};

class EventQueue {
 public:
  EventQueue() = default;
  ~EventQueue() { Clear(); }
  EventQueue(const EventQueue&) = delete;
  EventQueue& operator=(const EventQueue&) = delete;

  // Appends a copy of `record` (its link is ignored).
  void Append(const EventRecord& record);
  // Takes the oldest record into `out`; false when the queue is empty.
  bool Take(EventRecord& out);
  bool Empty() const;
  // True when a record of `code` for `control` waits.
  bool Contains(uint32_t code, int32_t control) const;
  // Frees every record without delivering it.
  void Clear();

 private:
  mutable std::mutex mutex_;
  EventRecord* head_ = nullptr;
  EventRecord* tail_ = nullptr;
};

}  // namespace qor::win::detail
