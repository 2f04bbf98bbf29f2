#include "runtime/heap/heap_check.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "runtime/heap/checked_heap.h"

namespace qor::rt {
namespace {

using namespace heap;

std::string Where(const Byte* arena, const Byte* p) {
  char text[64];
  std::snprintf(text, sizeof text, " (arena %p, offset 0x%zX)", static_cast<const void*>(arena),
                static_cast<std::size_t>(p - arena));
  return text;
}

// One arena's chain of blocks; returns the first fault, or "".
std::string WalkArena(const Byte* base, HeapCensus& census) {
  const Byte* p = base + kArenaFirstBlock;
  const Byte* end = p + kArenaBlockBytes;
  if (base[0] != kTagRegion || base[1] != kTagBoundary) return "arena header damaged" + Where(base, p);
  bool previousFree = false;
  while (p != end) {
    const Byte tag = LeadingTag(p);
    const uint32_t size = SizeWord(p);
    if (tag != kTagUsed && tag != kTagFree) return "bad leading tag" + Where(base, p);
    if (size < kSmallestBlock || size % 8 != 0 || size > static_cast<std::size_t>(end - p))
      return "bad block size" + Where(base, p);
    if (TrailingTag(p, size) != tag) return "trailing tag differs" + Where(base, p);
    const bool isFree = tag == kTagFree;
    if (isFree) {
      if (previousFree) return "two free blocks touch" + Where(base, p);
      const FreeDescriptor* descriptor = DescriptorAt(p, size);
      if (descriptor->block != p || descriptor->size != size)
        return "descriptor does not match its block" + Where(base, p);
      ++census.freeBlocks;
      census.freeBytes += size;
      census.largestFreeBlock = std::max<std::size_t>(census.largestFreeBlock, size);
    } else {
      ++census.usedBlocks;
      census.usedBytes += size;
    }
    previousFree = isFree;
    p += size;
  }
  if (LeadingTag(end) != kTagBoundary || SizeWord(end) != 0) return "closing boundary damaged" + Where(base, end);
  return "";
}

std::string WalkFreeList(const FreeList& list, std::size_t expectedCount) {
  const FreeDescriptor* head = list.Head();
  bool roverSeen = list.Rover() == head;
  std::size_t count = 0;
  for (const FreeDescriptor* d = head->next; d != head; d = d->next) {
    if (d->next->previous != d) return "free list links broken";
    if (LeadingTag(d->block) != kTagFree) return "listed block is not free";
    roverSeen = roverSeen || d == list.Rover();
    if (++count > expectedCount) return "free list holds more descriptors than free blocks";
  }
  if (head->next->previous != head) return "free list head links broken";
  if (count != expectedCount) return "free list misses free blocks";
  if (!roverSeen) return "rover is not on the free list";
  return "";
}

}  // namespace

HeapCensus CheckHeap(const CheckedHeap& checked) {
  HeapCensus census;
  const auto& arenas = checked.GetRegions().Arenas();
  census.arenas = arenas.size();
  census.largeBlocks = checked.GetRegions().LargeBlockCount();
  for (const Byte* base : arenas) {
    census.fault = WalkArena(base, census);
    if (!census.fault.empty()) return census;
  }
  census.fault = WalkFreeList(checked.GetFreeList(), census.freeBlocks);
  return census;
}

}  // namespace qor::rt
