#pragma once
// The regions the allocator carves: arenas of 128 KiB for small blocks, and one region
// per large block. Every region's first byte is the region tag.
//
// Arena (base b):  b+0 region tag, b+1 boundary tag, then one free block of 0x1FFF0
// bytes at b+8 whose end gap holds the closing boundary tag and a zero size word, and
// a zero word at the region's end. Large block (base b, S bytes): region of S + 16
// bytes, user address b+8, leading and trailing tag 0xE7.
#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "runtime/heap/heap_block.h"
#include "runtime/heap/heap_page_source.h"

namespace qor::rt::heap {

class Regions {
 public:
  explicit Regions(PageSource& pages) : pages_(pages) {}
  ~Regions();
  Regions(const Regions&) = delete;
  Regions& operator=(const Regions&) = delete;

  // A new arena; returns the user address of its one block (kArenaBlockBytes, not yet
  // tagged), or nullptr when the page source refuses.
  Byte* AddArena();
  // Gives back the arena whose first block is at `block` (one that could not be used).
  void DropArena(Byte* block);

  // A tagged large block of `size` bytes in a region of its own, or nullptr.
  Byte* AddLargeBlock(uint32_t size);
  // True when p lies inside one of our arenas, where its tags can be read safely.
  bool InArena(const Byte* p) const;
  // True when p is the user address of one of our large blocks.
  bool IsLargeBlock(const Byte* p) const;
  void DropLargeBlock(Byte* p);

  // For inspection.
  const std::vector<Byte*>& Arenas() const { return arenas_; }
  std::size_t LargeBlockCount() const { return largeRegions_.size(); }

 private:
  Byte* TakeRegion(std::size_t bytes);

  PageSource& pages_;
  std::vector<Byte*> arenas_;               // region bases, in address order
  std::unordered_set<const Byte*> largeRegions_;  // region bases
};

// Freed blocks come from anywhere, so the search avoids branches the processor would
// mispredict: a binary search over the arenas in address order whose steps compile to
// conditional moves, then one range check.
inline bool Regions::InArena(const Byte* p) const {
  std::size_t span = arenas_.size();
  if (span == 0) return false;
  const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(p);
  const Byte* const* candidate = arenas_.data();
  while (span > 1) {
    const std::size_t half = span / 2;
    candidate += reinterpret_cast<std::uintptr_t>(candidate[half]) <= address ? half : 0;
    span -= half;
  }
  return address - reinterpret_cast<std::uintptr_t>(*candidate) - kArenaFirstBlock < kArenaBytes - kArenaFirstBlock;
}

}  // namespace qor::rt::heap
