// Running out of memory: the page source refuses, the allocator says so and keeps
// every block it already gave out.
#include <cstring>
#include <vector>

#include "allocator_test_support.h"
#include "runtime/heap/heap.h"
#include "runtime/values/growable_array.h"

namespace qor::rt::testing {
namespace {

using namespace heap;

using AllocatorExhaustion = HeapTest;

TEST_F(AllocatorExhaustion, NoArenaMeansNull) {
  pages_.RefuseAll(true);
  EXPECT_EQ(heap_.Allocate(8), nullptr);
  EXPECT_EQ(heap_.AllocateCleared(4, 4), nullptr);
  EXPECT_EQ(heap_.Allocate(100'000), nullptr);
  EXPECT_EQ(Census().arenas, 0u);
}

TEST_F(AllocatorExhaustion, ArenaWithoutADescriptorIsGivenBack) {
  pages_.AllowRegions(1);  // the arena, but no descriptor pool
  EXPECT_EQ(heap_.Allocate(8), nullptr);
  EXPECT_EQ(pages_.Taken(), 1);
  EXPECT_EQ(pages_.Released(), 1);
  EXPECT_EQ(Census().arenas, 0u);
}

TEST_F(AllocatorExhaustion, FullHeapFailsThenServesAgainOnceBlocksAreFreed) {
  pages_.AllowRegions(3);  // a descriptor pool and two arenas
  std::vector<void*> blocks;
  while (void* p = heap_.Allocate(1000)) {
    std::memset(p, 0x42, 1000);
    blocks.push_back(p);
  }
  EXPECT_EQ(Census().arenas, 2u);
  EXPECT_EQ(blocks.size(), 2u * (kArenaBlockBytes / 1008));
  EXPECT_EQ(heap_.Allocate(8), nullptr);  // the small leftovers cannot hold even this...
  EXPECT_EQ(pages_.Refused(), 2);
  ExpectConsistent();
  heap_.Free(blocks[5]);
  void* again = heap_.Allocate(900);  // ...but a freed block can be used again
  EXPECT_EQ(again, blocks[5]);
  blocks[5] = again;
  for (void* p : blocks) {
    EXPECT_EQ(static_cast<unsigned char*>(p)[999 - 100], 0x42);
    heap_.Free(p);
  }
  EXPECT_EQ(Census().freeBlocks, 2u);
}

TEST_F(AllocatorExhaustion, LargeRequestFailsWithoutDisturbingSmallBlocks) {
  void* small = heap_.Allocate(64);
  pages_.RefuseAll(true);
  EXPECT_EQ(heap_.Allocate(53'241), nullptr);
  EXPECT_EQ(TagOf(small), kTagUsed);
  heap_.Free(small);
}

TEST(RuntimeArray, GrowsAndShrinksThroughTheHeapKeepingItsContents) {
  ScriptedPageSource pages;
  CheckedHeap heap(pages);
  InstallHeap(&heap);
  int* numbers = ResizeRuntimeArray<int>(nullptr, 4);
  for (int i = 0; i < 4; ++i) numbers[i] = i * 11;
  numbers = ResizeRuntimeArray(numbers, 40'000);
  EXPECT_EQ(numbers[3], 33);
  numbers = ResizeRuntimeArray(numbers, 2);
  EXPECT_EQ(numbers[1], 11);
  EXPECT_EQ(ResizeRuntimeArray(numbers, 0), nullptr);
  EXPECT_EQ(CheckHeap(heap).usedBlocks, 0u);
  InstallHeap(nullptr);
}

TEST(RuntimeArray, FailureToGrowIsRunTimeError501) {
  EXPECT_EXIT(
      {
        ScriptedPageSource pages;
        CheckedHeap heap(pages);
        InstallHeap(&heap);
        void* array = ResizeRuntimeArray(nullptr, 100);
        pages.RefuseAll(true);
        ResizeRuntimeArray(array, 100'000);
      },
      ::testing::ExitedWithCode(2), "Out of memory in QORARRAY!");
}

TEST(RuntimeArray, ElementCountsThatOverflowFailLikeExhaustion) {
  EXPECT_EXIT(ResizeRuntimeArray<double>(nullptr, ~std::size_t{0} / 4),
              ::testing::ExitedWithCode(2), "Out of memory in QORARRAY!");
}

}  // namespace
}  // namespace qor::rt::testing
