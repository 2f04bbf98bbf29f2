#pragma once
// The allocator's free list: a circular doubly linked list of descriptors, one per free
// block, through a head sentinel, with a rover that remembers where the last search
// ended. Descriptors come from pools of 3,500 taken from the page source, so the list
// never allocates from the heap it manages; unused descriptors wait on a spare list.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/heap/heap_block.h"
#include "runtime/heap/heap_page_source.h"

namespace qor::rt::heap {

struct FreeDescriptor {
  FreeDescriptor* next;
  FreeDescriptor* previous;
  uint32_t size;
  Byte* block;
};

inline constexpr std::size_t kDescriptorsPerPool = 3500;
inline constexpr std::size_t kPoolBytes = kDescriptorsPerPool * sizeof(FreeDescriptor);

class FreeList {
 public:
  explicit FreeList(PageSource& pages);
  ~FreeList();
  FreeList(const FreeList&) = delete;
  FreeList& operator=(const FreeList&) = delete;

  // Next fit: the first descriptor from the rover on whose block holds `size` bytes,
  // or nullptr when the whole list has been walked in vain.
  FreeDescriptor* FindFit(uint32_t size) {
    FreeDescriptor* descriptor = rover_;
    do {
      if (descriptor->size >= size) return descriptor;  // the head's size is 0
      descriptor = descriptor->next;
    } while (descriptor != rover_);
    return nullptr;
  }

  // Links in a descriptor for a free block just after the rover; nullptr when no
  // descriptor can be had.
  FreeDescriptor* Add(Byte* block, uint32_t size);

  // Unlinks a descriptor and returns it to the spare list; a rover on it moves on.
  void Remove(FreeDescriptor* descriptor) {
    if (rover_ == descriptor) rover_ = descriptor->next;
    descriptor->previous->next = descriptor->next;
    descriptor->next->previous = descriptor->previous;
    descriptor->next = spare_;
    spare_ = descriptor;
  }

  void SetRover(FreeDescriptor* descriptor) { rover_ = descriptor; }
  void MoveRoverPast(FreeDescriptor* descriptor) { rover_ = descriptor->next; }

  // For inspection.
  const FreeDescriptor* Head() const { return &head_; }
  const FreeDescriptor* Rover() const { return rover_; }
  std::size_t PoolCount() const { return pools_.size(); }

 private:
  bool TakePool();

  PageSource& pages_;
  FreeDescriptor head_{&head_, &head_, 0, nullptr};
  FreeDescriptor* rover_ = &head_;
  FreeDescriptor* spare_ = nullptr;  // singly linked through next
  std::vector<void*> pools_;
};

}  // namespace qor::rt::heap
