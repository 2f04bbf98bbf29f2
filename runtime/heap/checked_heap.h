#pragma once
// The checked allocator. It carves 128 KiB arenas into blocks framed by boundary tags,
// finds room by next fit with a rover, merges a freed block with its free neighbours
// in constant time through the tags, and gives blocks above 0xD000 bytes regions of
// their own. A block whose tags are wrong is never freed: a diagnostic ends the program
// instead. One thread at a time; no lock.
#include <cstddef>
#include <cstdint>

#include "runtime/heap/heap_free_list.h"
#include "runtime/heap/heap_page_source.h"
#include "runtime/heap/heap_regions.h"

namespace qor::rt {

class CheckedHeap {
 public:
  explicit CheckedHeap(PageSource& pages) : freeList_(pages), regions_(pages) {}
  CheckedHeap(const CheckedHeap&) = delete;
  CheckedHeap& operator=(const CheckedHeap&) = delete;
  // Gives every region back to the page source; blocks still in use die with it.
  ~CheckedHeap() = default;

  // n = 0 gives nullptr; otherwise at least n bytes, 8-byte aligned, not cleared, or
  // nullptr when memory is exhausted.
  void* Allocate(std::size_t n);
  // count * size bytes cleared to 0; nullptr when either is 0 or the product overflows.
  void* AllocateCleared(std::size_t count, std::size_t size);
  // nullptr is ignored. A block freed twice or not from this heap raises a diagnostic.
  void Free(void* p);
  // nullptr p allocates; n = 0 frees and gives nullptr; n above 0xFFFFFFF0 gives nullptr
  // and leaves p alone. Resizes in place when it can, else moves the contents.
  void* Reallocate(void* p, std::size_t n);
  // The bytes the caller may use in a block in use: its size less 8. 0 for nullptr.
  std::size_t UsableSize(const void* p) const;

  // For inspection.
  const heap::FreeList& GetFreeList() const { return freeList_; }
  const heap::Regions& GetRegions() const { return regions_; }

 private:
  using Byte = heap::Byte;

  heap::FreeDescriptor* AddArena();
  heap::FreeDescriptor* ListFreeBlock(Byte* p, uint32_t size);
  void MoveFreeStart(heap::FreeDescriptor* descriptor, Byte* start, uint32_t size);
  void JoinFreeSuccessor(Byte* start, uint32_t size, Byte* next);
  Byte* Carve(heap::FreeDescriptor* descriptor, uint32_t size);
  void FreeSmall(Byte* p);
  void FreeLarge(Byte* p);
  Byte* CheckedBlock(void* p) const;  // p itself when its tags say "in use"
  bool ResizeInPlace(Byte* p, uint32_t newSize);
  void SplitOffTail(Byte* p, uint32_t oldSize, uint32_t newSize);
  bool GrowIntoNext(Byte* p, uint32_t oldSize, uint32_t newSize);

  heap::FreeList freeList_;
  heap::Regions regions_;
};

}  // namespace qor::rt
