// Sizes, tags and regions of blocks as the allocator hands them out.
#include <cstdint>
#include <cstring>

#include "allocator_test_support.h"

namespace qor::rt::testing {
namespace {

using namespace heap;

using AllocatorBlocks = HeapTest;

TEST_F(AllocatorBlocks, SizeRuleRoundsToEightAndAddsEight) {
  EXPECT_EQ(BlockSizeFor(1), 16u);
  EXPECT_EQ(BlockSizeFor(8), 16u);
  EXPECT_EQ(BlockSizeFor(9), 24u);
  EXPECT_EQ(BlockSizeFor(16), 24u);
  EXPECT_EQ(BlockSizeFor(53'240), 0xD000u);
  EXPECT_EQ(BlockSizeFor(53'241), 0xD008u);
  EXPECT_EQ(BlockSizeFor(0xFFFFFFF0), 0xFFFFFFF8u);
  EXPECT_EQ(BlockSizeFor(0xFFFFFFF1), 0u);  // S would need 33 bits
  EXPECT_EQ(BlockSizeFor(0), 0u);
}

TEST_F(AllocatorBlocks, OneAndEightOccupySixteenNineOccupiesTwentyFour) {
  void* one = heap_.Allocate(1);
  void* eight = heap_.Allocate(8);
  void* nine = heap_.Allocate(9);
  void* after = heap_.Allocate(1);
  EXPECT_EQ(SizeOf(one), 16u);
  EXPECT_EQ(SizeOf(eight), 16u);
  EXPECT_EQ(SizeOf(nine), 24u);
  // Blocks follow each other in the arena, S bytes apart.
  EXPECT_EQ(Bytes(eight) - Bytes(one), 16);
  EXPECT_EQ(Bytes(nine) - Bytes(eight), 16);
  EXPECT_EQ(Bytes(after) - Bytes(nine), 24);
  EXPECT_EQ(heap_.UsableSize(nine), 16u);
  for (void* p : {one, eight, nine, after}) heap_.Free(p);
}

TEST_F(AllocatorBlocks, BlocksInUseCarryTheirTagsAndAreAligned) {
  void* p = heap_.Allocate(100);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 8, 0u);
  const uint32_t size = SizeOf(p);
  EXPECT_EQ(size, 112u);
  EXPECT_EQ(LeadingTag(Bytes(p)), kTagUsed);
  EXPECT_EQ(TrailingTag(Bytes(p), size), kTagUsed);
  std::memset(p, 0xFF, heap_.UsableSize(p));  // every usable byte may be written
  ExpectConsistent();
  heap_.Free(p);
  EXPECT_EQ(LeadingTag(Bytes(p)), kTagFree);
}

TEST_F(AllocatorBlocks, FirstArenaIsLaidOutWithBoundaries) {
  void* p = heap_.Allocate(8);
  Byte* base = Bytes(p) - kArenaFirstBlock;
  EXPECT_EQ(base[0], kTagRegion);
  EXPECT_EQ(base[1], kTagBoundary);
  Byte* closing = base + kArenaFirstBlock + kArenaBlockBytes;
  EXPECT_EQ(LeadingTag(closing), kTagBoundary);
  EXPECT_EQ(SizeWord(closing), 0u);
  uint32_t lastWord;
  std::memcpy(&lastWord, base + kArenaBytes - 4, 4);
  EXPECT_EQ(lastWord, 0u);
  // The rest of the arena is one free block.
  const HeapCensus census = Census();
  EXPECT_EQ(census.arenas, 1u);
  EXPECT_EQ(census.freeBlocks, 1u);
  EXPECT_EQ(census.freeBytes, kArenaBlockBytes - 16u);
  heap_.Free(p);
  EXPECT_EQ(Census().freeBytes, kArenaBlockBytes);
}

TEST_F(AllocatorBlocks, LargestSmallRequestStaysInTheArena) {
  void* p = heap_.Allocate(53'240);
  EXPECT_EQ(TagOf(p), kTagUsed);
  EXPECT_EQ(SizeOf(p), 0xD000u);
  EXPECT_EQ(Census().arenas, 1u);
  EXPECT_EQ(Census().largeBlocks, 0u);
  heap_.Free(p);
}

TEST_F(AllocatorBlocks, OneByteMoreGetsARegionOfItsOwn) {
  const int regionsBefore = pages_.Taken();
  void* p = heap_.Allocate(53'241);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(pages_.Taken(), regionsBefore + 1);
  EXPECT_EQ(Census().arenas, 0u);
  EXPECT_EQ(Census().largeBlocks, 1u);
  const uint32_t size = SizeOf(p);
  EXPECT_EQ(size, 0xD008u);
  EXPECT_EQ(TagOf(p), kTagLarge);
  EXPECT_EQ(TrailingTag(Bytes(p), size), kTagLarge);
  EXPECT_EQ(Bytes(p)[-8], kTagRegion);  // 8 bytes into its region
  EXPECT_EQ(heap_.UsableSize(p), 53'248u);
  std::memset(p, 0x11, 53'241);
  heap_.Free(p);
  EXPECT_EQ(pages_.Released(), 1);  // the region went straight back
  EXPECT_EQ(Census().largeBlocks, 0u);
}

TEST_F(AllocatorBlocks, ZeroAndHugeRequestsGiveNull) {
  EXPECT_EQ(heap_.Allocate(0), nullptr);
  EXPECT_EQ(heap_.Allocate(0xFFFFFFF1), nullptr);
  EXPECT_EQ(heap_.Allocate(~std::size_t{0}), nullptr);
  EXPECT_EQ(pages_.Taken(), 0);
  heap_.Free(nullptr);  // ignored
}

TEST_F(AllocatorBlocks, ClearedBlocksAreZeroEvenWhenRecycled) {
  auto* dirty = static_cast<unsigned char*>(heap_.Allocate(64));
  std::memset(dirty, 0xEE, 64);
  heap_.Free(dirty);
  auto* cleared = static_cast<unsigned char*>(heap_.AllocateCleared(8, 8));
  ASSERT_EQ(cleared, dirty);  // the same place, reused
  for (int i = 0; i < 64; ++i) EXPECT_EQ(cleared[i], 0) << i;
  heap_.Free(cleared);
}

TEST_F(AllocatorBlocks, ClearedRejectsZeroAndOverflowingProducts) {
  EXPECT_EQ(heap_.AllocateCleared(0, 8), nullptr);
  EXPECT_EQ(heap_.AllocateCleared(8, 0), nullptr);
  EXPECT_EQ(heap_.AllocateCleared(std::size_t{1} << 33, std::size_t{1} << 33), nullptr);
  EXPECT_EQ(heap_.AllocateCleared(0x10000, 0x10000), nullptr);  // 2^32 bytes
  EXPECT_EQ(pages_.Taken(), 0);
}

TEST_F(AllocatorBlocks, SplitLeftoversUnderThirtyTwoBytesStayWithTheBlock) {
  void* fillers[2] = {heap_.Allocate(0xD000 - 8), heap_.Allocate(0xD000 - 8)};
  const uint32_t rest = static_cast<uint32_t>(Census().largestFreeBlock);
  ASSERT_EQ(Census().freeBlocks, 1u);
  // S = rest - 24 would leave 24 bytes: too few to split, so the block takes them...
  void* whole = heap_.Allocate(rest - 32);
  EXPECT_EQ(SizeOf(whole), rest);
  EXPECT_EQ(Census().freeBlocks, 0u);
  heap_.Free(whole);
  // ...while S = rest - 32 leaves 32, which stay free behind the block.
  void* split = heap_.Allocate(rest - 40);
  ASSERT_EQ(split, whole);
  EXPECT_EQ(SizeOf(split), rest - 32);
  EXPECT_EQ(TagOf(Bytes(split) + rest - 32), kTagFree);
  EXPECT_EQ(SizeOf(Bytes(split) + rest - 32), 32u);
  for (void* p : {fillers[0], fillers[1], split}) heap_.Free(p);
}

TEST_F(AllocatorBlocks, AFullArenaLeadsToASecondOne) {
  void* big1 = heap_.Allocate(0xD000 - 8);
  void* big2 = heap_.Allocate(0xD000 - 8);
  EXPECT_EQ(Census().arenas, 1u);
  void* big3 = heap_.Allocate(0xD000 - 8);  // 0x1FFF0 holds only two of them
  EXPECT_EQ(Census().arenas, 2u);
  // Next fit: the search goes on in the new arena, although the first one's
  // leftover would fit too.
  void* small = heap_.Allocate(8);
  EXPECT_EQ(Bytes(small) - Bytes(big3), 0xD000);
  for (void* p : {big1, big2, big3, small}) heap_.Free(p);
  EXPECT_EQ(Census().freeBlocks, 2u);  // each arena whole again
}

TEST_F(AllocatorBlocks, NextFitResumesAtTheRover) {
  // An arena filled up but for three holes of 64 bytes.
  void* holes[3];
  void* walls[3];
  for (int i = 0; i < 3; ++i) {
    holes[i] = heap_.Allocate(56);
    walls[i] = heap_.Allocate(8);
  }
  void* fillers[3] = {heap_.Allocate(0xD000 - 8), heap_.Allocate(0xD000 - 8), nullptr};
  fillers[2] = heap_.Allocate(Census().largestFreeBlock - 8);
  ASSERT_EQ(Census().freeBlocks, 0u);
  for (void* hole : holes) heap_.Free(hole);
  ASSERT_EQ(Census().freeBlocks, 3u);

  // A first request splits one hole and leaves 32 bytes of it free. The next request
  // walks on from there; so does the third, which therefore does not go back to the
  // leftover of the first hole although it would fit there.
  auto* first = Bytes(heap_.Allocate(24));
  auto* second = Bytes(heap_.Allocate(56));
  auto* third = Bytes(heap_.Allocate(24));
  EXPECT_EQ(TagOf(first + 32), kTagFree);
  EXPECT_NE(second, first + 32);
  EXPECT_NE(third, first + 32);
  EXPECT_NE(third, second);
  EXPECT_EQ(Census().freeBlocks, 2u);
  for (void* p : {first, second, third}) heap_.Free(p);
  for (void* p : walls) heap_.Free(p);
  for (void* p : fillers) heap_.Free(p);
  EXPECT_EQ(Census().freeBlocks, 1u);
}

TEST_F(AllocatorBlocks, HeapGivesEveryRegionBackWhenDestroyed) {
  ScriptedPageSource pages;
  {
    CheckedHeap heap(pages);
    heap.Allocate(100);
    heap.Allocate(100'000);
    for (int i = 0; i < 4000; ++i) heap.Free(heap.Allocate(8)), heap.Allocate(8);
  }
  EXPECT_GT(pages.Taken(), 2);
  EXPECT_EQ(pages.Released(), pages.Taken());
}

}  // namespace
}  // namespace qor::rt::testing
