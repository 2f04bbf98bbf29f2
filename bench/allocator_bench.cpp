// The checked allocator side by side with glibc's malloc/free on a runtime-like load:
// many blocks of 16 to 256 bytes, allocated in a row and freed in LIFO or random order,
// and a steady churn of interleaved frees and allocations.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

#include "runtime/heap/checked_heap.h"
#include "runtime/heap/heap_page_source.h"

namespace {

constexpr std::size_t kBlocks = 4096;

struct Workload {
  std::vector<std::size_t> sizes;
  std::vector<std::size_t> randomOrder;
  std::vector<std::size_t> churnVictims;

  Workload() : sizes(kBlocks), randomOrder(kBlocks), churnVictims(kBlocks) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> size(16, 256);
    std::uniform_int_distribution<std::size_t> victim(0, kBlocks - 1);
    for (auto& s : sizes) s = size(random);
    std::iota(randomOrder.begin(), randomOrder.end(), 0);
    std::shuffle(randomOrder.begin(), randomOrder.end(), random);
    for (auto& v : churnVictims) v = victim(random);
  }
};

const Workload& Load() {
  static const Workload load;
  return load;
}

struct CheckedAllocator {
  qor::rt::CheckedHeap heap{qor::rt::OsPageSource()};
  void* Allocate(std::size_t n) { return heap.Allocate(n); }
  void Free(void* p) { heap.Free(p); }
};

struct GlibcAllocator {
  void* Allocate(std::size_t n) { return std::malloc(n); }
  void Free(void* p) { std::free(p); }
};

template <typename Allocator>
void AllocateAll(Allocator& allocator, std::vector<void*>& blocks) {
  const Workload& load = Load();
  for (std::size_t i = 0; i < kBlocks; ++i) {
    blocks[i] = allocator.Allocate(load.sizes[i]);
    *static_cast<char*>(blocks[i]) = 1;  // touch it, as a caller would
  }
}

template <typename Allocator>
void FreeInLifoOrder(benchmark::State& state) {
  Allocator allocator;
  std::vector<void*> blocks(kBlocks);
  for (auto _ : state) {
    AllocateAll(allocator, blocks);
    for (std::size_t i = kBlocks; i-- > 0;) allocator.Free(blocks[i]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kBlocks * 2));
}

template <typename Allocator>
void FreeInRandomOrder(benchmark::State& state) {
  Allocator allocator;
  const Workload& load = Load();
  std::vector<void*> blocks(kBlocks);
  for (auto _ : state) {
    AllocateAll(allocator, blocks);
    for (std::size_t i : load.randomOrder) allocator.Free(blocks[i]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kBlocks * 2));
}

// A full set of live blocks in which one random block at a time is freed and
// replaced by a new one of another size.
template <typename Allocator>
void Churn(benchmark::State& state) {
  Allocator allocator;
  const Workload& load = Load();
  std::vector<void*> blocks(kBlocks);
  AllocateAll(allocator, blocks);
  std::size_t step = 0;
  for (auto _ : state) {
    for (std::size_t i = 0; i < kBlocks; ++i, ++step) {
      const std::size_t victim = load.churnVictims[i];
      allocator.Free(blocks[victim]);
      blocks[victim] = allocator.Allocate(load.sizes[(step * 7) % kBlocks]);
      *static_cast<char*>(blocks[victim]) = 1;
    }
    benchmark::ClobberMemory();
  }
  for (void* p : blocks) allocator.Free(p);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kBlocks * 2));
}

BENCHMARK_TEMPLATE(FreeInLifoOrder, CheckedAllocator);
BENCHMARK_TEMPLATE(FreeInLifoOrder, GlibcAllocator);
BENCHMARK_TEMPLATE(FreeInRandomOrder, CheckedAllocator);
BENCHMARK_TEMPLATE(FreeInRandomOrder, GlibcAllocator);
BENCHMARK_TEMPLATE(Churn, CheckedAllocator);
BENCHMARK_TEMPLATE(Churn, GlibcAllocator);

}  // namespace

BENCHMARK_MAIN();
