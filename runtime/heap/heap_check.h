#pragma once
// A full consistency check of a checked heap, for tests and for hunting corruption:
// it walks every arena block by block and the whole free list, and counts what it saw.
#include <cstddef>
#include <string>

namespace qor::rt {

class CheckedHeap;

struct HeapCensus {
  std::size_t arenas = 0;
  std::size_t usedBlocks = 0;      // small blocks in use
  std::size_t usedBytes = 0;       // their sizes S
  std::size_t freeBlocks = 0;
  std::size_t freeBytes = 0;
  std::size_t largestFreeBlock = 0;
  std::size_t largeBlocks = 0;
  std::string fault;               // empty when every rule holds; else the first broken one
};

// Checks: every arena is a chain of blocks from its first block to its closing
// boundary; each block has matching tags, a sane size and, when free, a descriptor that
// names it; no two free blocks touch; the free list is a consistent ring through its
// head that holds exactly the free blocks; the rover is on the ring.
HeapCensus CheckHeap(const CheckedHeap& heap);

}  // namespace qor::rt
