// Reallocation: in place when the block or its free successor allows it, else by moving.
#include <cstdint>
#include <cstring>

#include "allocator_test_support.h"

namespace qor::rt::testing {
namespace {

using namespace heap;

class AllocatorRealloc : public HeapTest {
 protected:
  // A block of n bytes followed by a free hole of `holeBytes` and a block in use.
  void* BlockBeforeHole(std::size_t n, std::size_t holeBytes) {
    void* p = heap_.Allocate(n);
    void* hole = heap_.Allocate(holeBytes);
    wall_ = heap_.Allocate(8);
    heap_.Free(hole);
    return p;
  }
  void* wall_ = nullptr;
};

void Fill(void* p, std::size_t n, unsigned char seed) {
  auto* bytes = static_cast<unsigned char*>(p);
  for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<unsigned char>(seed + i);
}

bool Holds(const void* p, std::size_t n, unsigned char seed) {
  const auto* bytes = static_cast<const unsigned char*>(p);
  for (std::size_t i = 0; i < n; ++i)
    if (bytes[i] != static_cast<unsigned char>(seed + i)) return false;
  return true;
}

TEST_F(AllocatorRealloc, NullPointerAllocatesAndZeroSizeFrees) {
  void* p = heap_.Reallocate(nullptr, 20);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(SizeOf(p), 32u);
  EXPECT_EQ(heap_.Reallocate(p, 0), nullptr);
  EXPECT_EQ(TagOf(p), kTagFree);
  EXPECT_EQ(Census().usedBlocks, 0u);
  EXPECT_EQ(heap_.Reallocate(nullptr, 0), nullptr);
}

TEST_F(AllocatorRealloc, TooLargeRequestFailsAndKeepsTheBlock) {
  void* p = heap_.Allocate(40);
  Fill(p, 40, 7);
  EXPECT_EQ(heap_.Reallocate(p, 0xFFFFFFF1), nullptr);
  EXPECT_EQ(TagOf(p), kTagUsed);
  EXPECT_TRUE(Holds(p, 40, 7));
  heap_.Free(p);
}

TEST_F(AllocatorRealloc, ShrinkingByThirtyTwoOrMoreFreesTheTail) {
  void* p = heap_.Allocate(120);  // S = 128
  wall_ = heap_.Allocate(8);
  Fill(p, 64, 1);
  EXPECT_EQ(heap_.Reallocate(p, 64), p);  // S = 72: 56 bytes come free
  EXPECT_EQ(SizeOf(p), 72u);
  EXPECT_TRUE(Holds(p, 64, 1));
  EXPECT_EQ(TagOf(Bytes(p) + 72), kTagFree);
  EXPECT_EQ(SizeOf(Bytes(p) + 72), 56u);
  heap_.Free(wall_);
  heap_.Free(p);
}

TEST_F(AllocatorRealloc, ShrunkTailMergesWithAFreeSuccessor) {
  void* p = heap_.Allocate(120);  // followed by the arena's free rest
  const std::size_t freeBytes = Census().freeBytes;
  EXPECT_EQ(heap_.Reallocate(p, 8), p);
  EXPECT_EQ(SizeOf(p), 16u);
  EXPECT_EQ(Census().freeBlocks, 1u);
  EXPECT_EQ(Census().freeBytes, freeBytes + 112);
  heap_.Free(p);
}

TEST_F(AllocatorRealloc, ShrinkingByLessThanThirtyTwoKeepsTheBlock) {
  void* p = heap_.Allocate(120);  // S = 128
  EXPECT_EQ(heap_.Reallocate(p, 100), p);  // S = 112: only 16 bytes
  EXPECT_EQ(SizeOf(p), 128u);
  EXPECT_EQ(heap_.Reallocate(p, 120), p);  // same size
  EXPECT_EQ(SizeOf(p), 128u);
  heap_.Free(p);
}

TEST_F(AllocatorRealloc, GrowingTakesFromAFreeSuccessorAndLeavesTheRestFree) {
  void* p = BlockBeforeHole(8, 120);  // S = 16, hole S = 128
  Fill(p, 8, 3);
  EXPECT_EQ(heap_.Reallocate(p, 64), p);  // S = 72 of the 16 + 128 available
  EXPECT_EQ(SizeOf(p), 72u);
  EXPECT_TRUE(Holds(p, 8, 3));
  EXPECT_EQ(TagOf(Bytes(p) + 72), kTagFree);
  EXPECT_EQ(SizeOf(Bytes(p) + 72), 72u);
  heap_.Free(p);
  heap_.Free(wall_);
}

TEST_F(AllocatorRealloc, GrowingAbsorbsALeftoverUnderThirtyTwo) {
  void* p = BlockBeforeHole(8, 120);  // S = 16, hole S = 128
  const std::size_t freeBlocks = Census().freeBlocks;
  EXPECT_EQ(heap_.Reallocate(p, 112), p);  // S = 120 of 144: 24 left, absorbed
  EXPECT_EQ(SizeOf(p), 144u);
  EXPECT_EQ(Bytes(p) + 144, Bytes(wall_));
  EXPECT_EQ(Census().freeBlocks, freeBlocks - 1);
  heap_.Free(p);
  heap_.Free(wall_);
}

TEST_F(AllocatorRealloc, GrowingPastATooSmallSuccessorMovesTheContents) {
  void* p = BlockBeforeHole(16, 8);  // S = 24, hole S = 16
  Fill(p, 16, 9);
  void* moved = heap_.Reallocate(p, 200);
  ASSERT_NE(moved, nullptr);
  EXPECT_NE(moved, p);
  EXPECT_TRUE(Holds(moved, 16, 9));
  EXPECT_EQ(TagOf(p), kTagFree);  // the old block went back, merged with the hole
  EXPECT_EQ(SizeOf(p), 24u + 16u);
  heap_.Free(moved);
  heap_.Free(wall_);
}

TEST_F(AllocatorRealloc, LargeBlocksMoveThroughNewRegions) {
  void* p = heap_.Allocate(60'000);
  Fill(p, 60'000, 5);
  void* bigger = heap_.Reallocate(p, 70'000);
  ASSERT_NE(bigger, nullptr);
  EXPECT_NE(bigger, p);
  EXPECT_TRUE(Holds(bigger, 60'000, 5));
  EXPECT_EQ(Census().largeBlocks, 1u);
  void* small = heap_.Reallocate(bigger, 100);  // back into an arena
  EXPECT_EQ(TagOf(small), kTagUsed);
  EXPECT_TRUE(Holds(small, 100, 5));
  EXPECT_EQ(Census().largeBlocks, 0u);
  void* large = heap_.Reallocate(small, 53'241);  // and out again
  EXPECT_EQ(TagOf(large), kTagLarge);
  EXPECT_TRUE(Holds(large, 100, 5));
  heap_.Free(large);
  EXPECT_EQ(pages_.Taken(), pages_.Released() + 2);  // an arena and a descriptor pool
}

TEST_F(AllocatorRealloc, FailedMoveKeepsTheOldBlock) {
  void* p = heap_.Allocate(100);
  Fill(p, 100, 2);
  pages_.RefuseAll(true);
  EXPECT_EQ(heap_.Reallocate(p, 60'000), nullptr);
  EXPECT_EQ(TagOf(p), kTagUsed);
  EXPECT_TRUE(Holds(p, 100, 2));
  pages_.RefuseAll(false);
  heap_.Free(p);
}

TEST_F(AllocatorRealloc, ReallocatingAFreedBlockIsDiagnosed) {
  EXPECT_EXIT(
      {
        void* p = heap_.Allocate(8);
        wall_ = heap_.Allocate(8);
        heap_.Free(p);
        heap_.Reallocate(p, 100);
        heap_.Free(wall_);
      },
      ::testing::ExitedWithCode(2), "memory block free'd twice");
}

}  // namespace
}  // namespace qor::rt::testing
