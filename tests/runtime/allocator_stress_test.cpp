// Random sequences of allocate, free and reallocate, with the whole heap checked after
// every step and every live block's contents checked whenever it is touched.
#include <cstdint>
#include <random>
#include <vector>

#include "allocator_test_support.h"

namespace qor::rt::testing {
namespace {

struct LiveBlock {
  unsigned char* p;
  std::size_t n;
  unsigned char seed;
};

class HeapStress {
 public:
  HeapStress(CheckedHeap& heap, uint32_t seed) : heap_(heap), random_(seed) {}

  void Step() {
    const int choice = Pick(0, 99);
    if (live_.empty() || choice < 45) {
      Allocate();
    } else if (choice < 80) {
      FreeOne();
    } else {
      ReallocateOne();
    }
  }

  void FreeAll() {
    while (!live_.empty()) FreeOne();
  }

  std::size_t LiveCount() const { return live_.size(); }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::size_t RequestSize() {
    const int kind = Pick(0, 99);
    if (kind < 80) return static_cast<std::size_t>(Pick(1, 256));
    if (kind < 97) return static_cast<std::size_t>(Pick(257, 8000));
    if (kind < 99) return static_cast<std::size_t>(Pick(40'000, 53'240));
    return static_cast<std::size_t>(Pick(53'241, 90'000));
  }

  void Fill(const LiveBlock& block) {
    for (std::size_t i = 0; i < block.n; ++i) block.p[i] = static_cast<unsigned char>(block.seed + i * 7);
  }

  void Verify(const LiveBlock& block, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
      if (block.p[i] != static_cast<unsigned char>(block.seed + i * 7)) {
        ADD_FAILURE() << "block contents changed at byte " << i << " of " << block.n;
        return;
      }
    }
  }

  void Allocate() {
    const std::size_t n = RequestSize();
    auto* p = static_cast<unsigned char*>(heap_.Allocate(n));
    ASSERT_NE(p, nullptr);
    ASSERT_GE(heap_.UsableSize(p), n);
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(p) % 8, 0u);
    LiveBlock block{p, n, static_cast<unsigned char>(Pick(0, 255))};
    Fill(block);
    live_.push_back(block);
  }

  std::size_t PickLive() { return static_cast<std::size_t>(Pick(0, static_cast<int>(live_.size()) - 1)); }

  void FreeOne() {
    const std::size_t index = PickLive();
    Verify(live_[index], live_[index].n);
    heap_.Free(live_[index].p);
    live_[index] = live_.back();
    live_.pop_back();
  }

  void ReallocateOne() {
    LiveBlock& block = live_[PickLive()];
    const std::size_t n = RequestSize();
    auto* p = static_cast<unsigned char*>(heap_.Reallocate(block.p, n));
    ASSERT_NE(p, nullptr);
    ASSERT_GE(heap_.UsableSize(p), n);
    const std::size_t kept = std::min(block.n, n);
    block.p = p;
    Verify(block, kept);
    block.n = n;
    Fill(block);
  }

  CheckedHeap& heap_;
  std::mt19937 random_;
  std::vector<LiveBlock> live_;
};

class AllocatorStress : public HeapTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(AllocatorStress, RandomOperationsKeepEveryInvariant) {
  HeapStress stress(heap_, GetParam());
  for (int step = 0; step < 6000; ++step) {
    stress.Step();
    const HeapCensus census = Census();
    ASSERT_EQ(census.fault, "") << "after step " << step;
    ASSERT_EQ(heap_.GetFreeList().CheckRuns(), "") << "after step " << step;
    if (HasFailure()) return;
  }
  stress.FreeAll();
  const HeapCensus census = Census();
  EXPECT_EQ(census.fault, "");
  EXPECT_EQ(census.usedBlocks, 0u);
  EXPECT_EQ(census.largeBlocks, 0u);
  EXPECT_EQ(census.freeBlocks, census.arenas);  // every arena whole again
}

INSTANTIATE_TEST_SUITE_P(Seeds, AllocatorStress, ::testing::Values(1u, 2u, 3u, 20261208u));

}  // namespace
}  // namespace qor::rt::testing
