#include "runtime/heap/checked_heap.h"

#include <algorithm>
#include <cstring>

#include "runtime/errors/diagnostic.h"

namespace qor::rt {

using namespace heap;

void* CheckedHeap::Allocate(std::size_t n) {
  const uint32_t size = BlockSizeFor(n);
  if (size == 0) return nullptr;
  if (size > kLargestSmallBlock) return regions_.AddLargeBlock(size);
  FreeDescriptor* descriptor = freeList_.FindFit(size);
  if (descriptor == nullptr) descriptor = AddArena();
  if (descriptor == nullptr) return nullptr;
  return Carve(descriptor, size);
}

void* CheckedHeap::AllocateCleared(std::size_t count, std::size_t size) {
  if (count == 0 || size == 0 || count > kLargestRequest / size) return nullptr;
  void* p = Allocate(count * size);
  if (p != nullptr) std::memset(p, 0, count * size);
  return p;
}

// A new arena's one free block, listed; nullptr when no arena or no descriptor.
FreeDescriptor* CheckedHeap::AddArena() {
  Byte* block = regions_.AddArena();
  if (block == nullptr) return nullptr;
  FreeDescriptor* descriptor = ListFreeBlock(block, kArenaBlockBytes);
  if (descriptor == nullptr) regions_.DropArena(block);
  return descriptor;
}

// Tags a block free and gives it a descriptor; nullptr (and nothing changed) when no
// descriptor can be had.
FreeDescriptor* CheckedHeap::ListFreeBlock(Byte* p, uint32_t size) {
  FreeDescriptor* descriptor = freeList_.Add(p, size);
  if (descriptor != nullptr) MarkFree(p, size, descriptor);
  return descriptor;
}

// Moves the start of a free block to `start`, with its new size; its end stays.
void CheckedHeap::MoveFreeStart(FreeDescriptor* descriptor, Byte* start, uint32_t size) {
  descriptor->block = start;
  freeList_.Resize(descriptor, size);
  SetLeadingTag(start, kTagFree);
  SetSizeWord(start, size);
}

// The `size` bytes at `start` join the free block that follows them at `next`.
void CheckedHeap::JoinFreeSuccessor(Byte* start, uint32_t size, Byte* next) {
  FreeDescriptor* merged = DescriptorAt(next, SizeWord(next));
  MoveFreeStart(merged, start, merged->size + size);
  freeList_.MoveRoverPast(merged);
}

// Takes `size` bytes from the front of a free block. A leftover under 32 bytes stays
// with the allocation; a larger one stays free under the same descriptor.
Byte* CheckedHeap::Carve(FreeDescriptor* descriptor, uint32_t size) {
  Byte* p = descriptor->block;
  const uint32_t leftover = descriptor->size - size;
  if (leftover < kSplitThreshold) {
    size = descriptor->size;
    freeList_.SetRover(descriptor->next);
    freeList_.Remove(descriptor);
  } else {
    MoveFreeStart(descriptor, p + size, leftover);
    freeList_.SetRover(descriptor);
  }
  MarkUsed(p, size);
  return p;
}

void CheckedHeap::Free(void* p) {
  if (p == nullptr) return;
  Byte* block = CheckedBlock(p);
  if (LeadingTag(block) == kTagLarge) {
    FreeLarge(block);
  } else {
    FreeSmall(block);
  }
}

// Recognises a block in use by its tags; anything else ends the program with a
// diagnostic before a byte of the heap is changed.
Byte* CheckedHeap::CheckedBlock(void* p) const {
  auto* block = static_cast<Byte*>(p);
  if (reinterpret_cast<std::uintptr_t>(block) % 8 != 0) FatalDiagnostic(Diagnostic::kCorruptBlock);
  if (!regions_.InArena(block)) {
    if (regions_.IsLargeBlock(block)) return block;
    // Outside our regions there are no tags to read: a static variable, a stray
    // pointer, or a large block whose region has already gone back to the OS.
    FatalDiagnostic(Diagnostic::kCorruptBlock);
  }
  const Byte tag = LeadingTag(block);
  if (tag == kTagFree) FatalDiagnostic(Diagnostic::kFreedTwice);
  if (tag != kTagUsed) FatalDiagnostic(Diagnostic::kCorruptBlock);
  const uint32_t size = SizeWord(block);
  const bool sizeFits = size >= kSmallestBlock && size <= kArenaBlockBytes && size % 8 == 0;
  if (!sizeFits || TrailingTag(block, size) != kTagUsed) FatalDiagnostic(Diagnostic::kCorruptBlock);
  return block;
}

void CheckedHeap::FreeLarge(Byte* p) { regions_.DropLargeBlock(p); }

// Merges the block with whichever neighbours are free, through their tags. The freed
// block's own leading tag always becomes "free", even when it ends up inside a
// neighbour's block, so that freeing it again is recognised.
void CheckedHeap::FreeSmall(Byte* p) {
  const uint32_t size = SizeWord(p);
  const bool previousFree = TagBefore(p) == kTagFree;
  const bool nextFree = TagAfter(p, size) == kTagFree;
  Byte* next = p + size;
  if (previousFree) {
    FreeDescriptor* merged = DescriptorBefore(p);
    uint32_t total = merged->size + size;
    if (nextFree) {
      FreeDescriptor* following = DescriptorAt(next, SizeWord(next));
      total += following->size;
      freeList_.Remove(following);
    }
    freeList_.Resize(merged, total);
    MarkFree(merged->block, total, merged);
    SetLeadingTag(p, kTagFree);
    freeList_.MoveRoverPast(merged);
  } else if (nextFree) {
    JoinFreeSuccessor(p, size, next);
  } else if (ListFreeBlock(p, size) == nullptr) {
    FatalDiagnostic(Diagnostic::kOutOfFreeSpace);
  }
}

void* CheckedHeap::Reallocate(void* p, std::size_t n) {
  if (p == nullptr) return Allocate(n);
  if (n == 0) {
    Free(p);
    return nullptr;
  }
  if (n > kLargestRequest) return nullptr;
  Byte* block = CheckedBlock(p);
  const uint32_t newSize = BlockSizeFor(n);
  if (LeadingTag(block) == kTagUsed && newSize <= kLargestSmallBlock &&
      ResizeInPlace(block, newSize)) {
    return block;
  }
  void* moved = Allocate(n);
  if (moved == nullptr) return nullptr;
  std::memcpy(moved, block, std::min(UsableSize(block), n));
  Free(block);
  return moved;
}

bool CheckedHeap::ResizeInPlace(Byte* p, uint32_t newSize) {
  const uint32_t oldSize = SizeWord(p);
  if (newSize > oldSize) return GrowIntoNext(p, oldSize, newSize);
  if (oldSize - newSize >= kSplitThreshold) SplitOffTail(p, oldSize, newSize);
  return true;
}

// Shrinks a block, freeing its tail (merged with a free successor). Without a
// descriptor for the tail the block simply keeps its size.
void CheckedHeap::SplitOffTail(Byte* p, uint32_t oldSize, uint32_t newSize) {
  Byte* tail = p + newSize;
  const uint32_t tailSize = oldSize - newSize;
  if (TagAfter(p, oldSize) == kTagFree) {
    JoinFreeSuccessor(tail, tailSize, p + oldSize);
  } else if (ListFreeBlock(tail, tailSize) == nullptr) {
    return;
  }
  MarkUsed(p, newSize);
}

// Grows a block over the free block after it, when that one is large enough. A
// leftover of 32 bytes or more stays free; a smaller one is absorbed.
bool CheckedHeap::GrowIntoNext(Byte* p, uint32_t oldSize, uint32_t newSize) {
  if (TagAfter(p, oldSize) != kTagFree) return false;
  Byte* next = p + oldSize;
  const uint32_t nextSize = SizeWord(next);
  if (oldSize + nextSize < newSize) return false;
  FreeDescriptor* descriptor = DescriptorAt(next, nextSize);
  const uint32_t leftover = oldSize + nextSize - newSize;
  if (leftover >= kSplitThreshold) {
    MoveFreeStart(descriptor, p + newSize, leftover);
    MarkUsed(p, newSize);
  } else {
    freeList_.Remove(descriptor);
    MarkUsed(p, oldSize + nextSize);
  }
  return true;
}

std::size_t CheckedHeap::UsableSize(const void* p) const {
  if (p == nullptr) return 0;
  return SizeWord(static_cast<const Byte*>(p)) - kBlockOverhead;
}

}  // namespace qor::rt
