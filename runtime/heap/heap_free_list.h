#pragma once
// The allocator's free list: a circular doubly linked list of descriptors, one per free
// block, through a head sentinel, with a rover that remembers where the last search
// ended. Descriptors come from pools of 3,500 taken from the page source, so the list
// never allocates from the heap it manages; unused descriptors wait on a spare list.
//
// A search is next fit: the first descriptor from the rover on, in list order, whose
// block is large enough. To find it without visiting every descriptor on the way, the
// ring is cut into runs of consecutive descriptors, and each run keeps an upper bound
// of its blocks' sizes; a search skips whole runs whose bound is below the request.
// The bound only grows between searches; a search that walks a whole run in vain
// lowers it to the true largest size. The choice is exactly the plain walk's.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/heap/heap_block.h"
#include "runtime/heap/heap_page_source.h"

namespace qor::rt::heap {

struct FreeDescriptor {
  FreeDescriptor* next;
  FreeDescriptor* previous;
  uint32_t size;
  uint32_t run;  // index of the run holding this descriptor
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
    if (rover_->size >= size) return rover_;  // the head's size is 0
    return FindFitPastRover(size);
  }

  // Links in a descriptor for a free block just after the rover; nullptr when no
  // descriptor can be had.
  FreeDescriptor* Add(Byte* block, uint32_t size);

  // Unlinks a descriptor and returns it to the spare list; a rover on it moves on.
  void Remove(FreeDescriptor* descriptor);

  // Changes the size of a listed free block.
  void Resize(FreeDescriptor* descriptor, uint32_t size) {
    descriptor->size = size;
    Run& run = runs_[descriptor->run];
    if (size > run.sizeBound) run.sizeBound = size;
  }

  void SetRover(FreeDescriptor* descriptor) { rover_ = descriptor; }
  void MoveRoverPast(FreeDescriptor* descriptor) { rover_ = descriptor->next; }

  // For inspection.
  const FreeDescriptor* Head() const { return &head_; }
  const FreeDescriptor* Rover() const { return rover_; }
  std::size_t PoolCount() const { return pools_.size(); }
  // "" when every run is a stretch of consecutive descriptors that knows its ends and
  // count and whose bound is at least each of its sizes; else what is wrong.
  std::string CheckRuns() const;

 private:
  // Consecutive descriptors from `first` to `last`, linked in list order to the runs
  // before and after it.
  struct Run {
    FreeDescriptor* first;
    FreeDescriptor* last;
    uint32_t count;
    uint32_t sizeBound;  // no block of the run is larger
    uint32_t next;
    uint32_t previous;
  };

  FreeDescriptor* FindFitPastRover(uint32_t size);
  FreeDescriptor* FindInRun(uint32_t run, uint32_t size);
  bool TakePool();
  uint32_t NewRun();
  void DropRun(uint32_t run);
  void SplitRun(uint32_t run);
  void JoinSmallRun(uint32_t run);
  void MoveMembers(uint32_t from, uint32_t to);

  PageSource& pages_;
  FreeDescriptor head_{&head_, &head_, 0, 0, nullptr};
  FreeDescriptor* rover_ = &head_;
  FreeDescriptor* spare_ = nullptr;  // singly linked through next
  std::vector<void*> pools_;
  std::vector<Run> runs_;
  uint32_t spareRun_;  // unused runs, singly linked through next
};

}  // namespace qor::rt::heap
