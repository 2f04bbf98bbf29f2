// Freeing: merging with free neighbours through the tags, and the diagnostics for
// blocks that must not be freed.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "allocator_test_support.h"
#include "runtime/heap/heap.h"

namespace qor::rt::testing {
namespace {

using namespace heap;

using AllocatorFree = HeapTest;

// Three adjacent blocks fenced by blocks in use, freed in every order.
TEST_F(AllocatorFree, ThreeNeighboursMergeIntoOneBlockInAnyOrder) {
  std::array<int, 3> order = {0, 1, 2};
  do {
    void* before = heap_.Allocate(8);
    void* blocks[3] = {heap_.Allocate(8), heap_.Allocate(24), heap_.Allocate(40)};
    void* after = heap_.Allocate(8);
    const uint32_t combined = SizeOf(blocks[0]) + SizeOf(blocks[1]) + SizeOf(blocks[2]);
    ASSERT_EQ(combined, 16u + 32u + 48u);
    const std::size_t freeBefore = Census().freeBlocks;
    for (int index : order) {
      heap_.Free(blocks[index]);
      ExpectConsistent();
    }
    SCOPED_TRACE(::testing::Message() << order[0] << order[1] << order[2]);
    EXPECT_EQ(TagOf(blocks[0]), kTagFree);
    EXPECT_EQ(SizeOf(blocks[0]), combined);
    EXPECT_EQ(TrailingTag(Bytes(blocks[0]), combined), kTagFree);
    const FreeDescriptor* descriptor = DescriptorAt(Bytes(blocks[0]), combined);
    EXPECT_EQ(descriptor->block, Bytes(blocks[0]));
    EXPECT_EQ(descriptor->size, combined);
    EXPECT_EQ(Census().freeBlocks, freeBefore + 1);
    heap_.Free(before);
    heap_.Free(after);
    ASSERT_EQ(Census().freeBlocks, 1u);  // everything merged back into the arena
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(AllocatorFree, FreedBlockJoinsTheFreeRestOfTheArena) {
  void* a = heap_.Allocate(100);
  void* b = heap_.Allocate(100);
  heap_.Free(b);  // only the next block is free
  EXPECT_EQ(Census().freeBlocks, 1u);
  EXPECT_EQ(SizeOf(b), kArenaBlockBytes - SizeOf(a));
  heap_.Free(a);  // the first block of the arena has no block before it
  EXPECT_EQ(Census().freeBlocks, 1u);
  EXPECT_EQ(SizeOf(a), kArenaBlockBytes);
}

TEST_F(AllocatorFree, OnlyPreviousFreeGrowsThePreviousBlock) {
  void* a = heap_.Allocate(8);
  void* b = heap_.Allocate(8);
  void* wall = heap_.Allocate(8);
  heap_.Free(a);
  heap_.Free(b);
  EXPECT_EQ(SizeOf(a), 32u);
  EXPECT_EQ(TrailingTag(Bytes(a), 32), kTagFree);
  EXPECT_EQ(DescriptorAt(Bytes(a), 32)->size, 32u);
  heap_.Free(wall);
}

TEST_F(AllocatorFree, MergeMovesTheRoverPastTheMergedBlock) {
  void* a = heap_.Allocate(8);
  void* wall = heap_.Allocate(8);
  void* b = heap_.Allocate(8);  // b's successor is the arena's free rest
  heap_.Free(b);
  const FreeDescriptor* merged = DescriptorAt(Bytes(b), SizeOf(b));
  EXPECT_EQ(heap_.GetFreeList().Rover(), merged->next);
  heap_.Free(a);
  heap_.Free(wall);
}

TEST_F(AllocatorFree, FreeingTwiceIsDiagnosed) {
  EXPECT_EXIT(
      {
        void* p = heap_.Allocate(8);
        void* wall = heap_.Allocate(8);
        heap_.Free(p);
        heap_.Free(p);
        heap_.Free(wall);
      },
      ::testing::ExitedWithCode(2), "memory block free'd twice");
}

TEST_F(AllocatorFree, FreeingTwiceAfterMergingIntoThePreviousBlockIsDiagnosed) {
  // Once b lies inside a's free block, its own header is stale; freeing it again must
  // still be recognised rather than merging it a second time.
  EXPECT_EXIT(
      {
        void* a = heap_.Allocate(8);
        void* b = heap_.Allocate(8);
        void* wall = heap_.Allocate(8);
        heap_.Free(a);
        heap_.Free(b);
        heap_.Free(b);
        heap_.Free(wall);
      },
      ::testing::ExitedWithCode(2), "memory block free'd twice");
}

TEST_F(AllocatorFree, FreeingAStaticVariableIsDiagnosed) {
  alignas(8) static unsigned char notFromTheHeap[32] = {};
  EXPECT_EXIT(heap_.Free(notFromTheHeap + 16), ::testing::ExitedWithCode(2),
              "Corrupt block/Unknown block type freed\\.  This is probably caused by freeing a "
              "static variable or a bad pointer\\.");
}

// Once a large block's region is back with the OS there are no tags left to read:
// the second free must be diagnosed, not fault on the unmapped page.
TEST_F(AllocatorFree, FreeingALargeBlockTwiceIsDiagnosedWithoutTouchingItsRegion) {
  EXPECT_EXIT(
      {
        void* large = heap_.Allocate(0x20000);
        heap_.Free(large);
        heap_.Free(large);
      },
      ::testing::ExitedWithCode(2), "Corrupt block/Unknown block type freed");
}

// Memory outside the heap is never taken at its word, whatever bytes precede it.
TEST_F(AllocatorFree, ForeignMemoryWithAFreeTagIsNotMistakenForAHeapBlock) {
  alignas(8) static unsigned char lookalike[32] = {};
  lookalike[16 - 5] = kTagFree;
  EXPECT_EXIT(heap_.Free(lookalike + 16), ::testing::ExitedWithCode(2),
              "Corrupt block/Unknown block type freed");
}

TEST_F(AllocatorFree, FreeingAMisalignedPointerIsDiagnosed) {
  EXPECT_EXIT(
      {
        auto* p = Bytes(heap_.Allocate(32));
        heap_.Free(p + 4);
      },
      ::testing::ExitedWithCode(2), "Corrupt block/Unknown block type freed");
}

TEST_F(AllocatorFree, OverwrittenTrailingTagIsDiagnosedBeforeAnythingMerges) {
  EXPECT_EXIT(
      {
        auto* p = Bytes(heap_.Allocate(8));
        p[8] = 0;  // one byte past the usable end: the trailing tag
        heap_.Free(p);
      },
      ::testing::ExitedWithCode(2), "Corrupt block/Unknown block type freed");
}

TEST_F(AllocatorFree, ForgedLargeTagIsDiagnosed) {
  EXPECT_EXIT(
      {
        auto* p = Bytes(heap_.Allocate(64));
        Bytes(p + 24)[-5] = kTagLarge;  // looks like a large block, is not one
        heap_.Free(p + 24);
      },
      ::testing::ExitedWithCode(2), "Corrupt block/Unknown block type freed");
}

TEST_F(AllocatorFree, DiagnosticWritesMessageCallChainAndDashesToTheTraceLog) {
  EXPECT_EXIT(
      {
        StderrTraceSink sink;
        InstallTraceSink(&sink);
        void* p = heap_.Allocate(8);
        heap_.Free(p);
        heap_.Free(p);
      },
      ::testing::ExitedWithCode(2),
      "Error: memory block free'd twice\n([0-9A-F]{16}\n){1,10}-{34}\n");
}

TEST_F(AllocatorFree, FreeListNeverNeedsMoreThanItsPoolsWhileDescriptorsLast) {
  // 3,500 descriptors per pool: the arena's free rest uses one, so 3,499 isolated free
  // blocks fit in the first pool and the next one takes a second pool.
  std::vector<void*> blocks;
  for (int i = 0; i < 2 * 3500 + 2; ++i) blocks.push_back(heap_.Allocate(8));
  for (int i = 0; i < 2 * 3499; i += 2) heap_.Free(blocks[i]);
  EXPECT_EQ(heap_.GetFreeList().PoolCount(), 1u);
  heap_.Free(blocks[2 * 3499]);
  EXPECT_EQ(heap_.GetFreeList().PoolCount(), 2u);
  EXPECT_EQ(Census().freeBlocks, 3501u);
  for (int i = 1; i < 2 * 3500 + 2; i += 2) heap_.Free(blocks[i]);
  heap_.Free(blocks[2 * 3500]);
  EXPECT_EQ(Census().freeBlocks, 1u);
}

TEST_F(AllocatorFree, NoDescriptorForAFreedBlockIsOutOfFreeSpace) {
  EXPECT_EXIT(
      {
        std::vector<void*> blocks;
        for (int i = 0; i < 2 * 3500 + 2; ++i) blocks.push_back(heap_.Allocate(8));
        pages_.RefuseAll(true);
        for (int i = 0; i < 2 * 3500 + 2; i += 2) heap_.Free(blocks[i]);
      },
      ::testing::ExitedWithCode(2), "Out of free space");
}

TEST(AllocatorProcessHeap, GlobalEntryPointsUseTheInstalledHeap) {
  ScriptedPageSource pages;
  CheckedHeap heap(pages);
  InstallHeap(&heap);
  void* p = HeapAllocate(10);
  EXPECT_EQ(HeapUsableSize(p), 16u);
  EXPECT_EQ(CheckHeap(heap).usedBlocks, 1u);
  p = HeapReallocate(p, 1000);
  HeapFree(p);
  EXPECT_EQ(HeapUsableSize(nullptr), 0u);
  EXPECT_EQ(CheckHeap(heap).usedBlocks, 0u);
  InstallHeap(nullptr);
  EXPECT_NE(&CurrentHeap(), &heap);
  void* fromProcessHeap = HeapAllocateCleared(3, 5);
  EXPECT_EQ(static_cast<unsigned char*>(fromProcessHeap)[14], 0);
  HeapFree(fromProcessHeap);
}

}  // namespace
}  // namespace qor::rt::testing
