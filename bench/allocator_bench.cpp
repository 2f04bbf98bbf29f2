// The checked allocator side by side with glibc's malloc/free (and mimalloc's, when
// libmimalloc.so.2 can be loaded) on a runtime-like load: many blocks of 16 to 256 bytes,
// allocated in a row and freed in LIFO or random order, and a steady churn of
// interleaved frees and allocations. The last lines give our time over the anchors'.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

#include "bench/ratio_table.h"
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

// mimalloc's own entry points, loaded at run time: linking the library would replace
// malloc and free for the whole program, glibc's column included.
struct MimallocEntries {
  void* (*allocate)(std::size_t) = nullptr;
  void (*free)(void*) = nullptr;

  MimallocEntries() {
    void* library = dlopen("libmimalloc.so.2", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return;
    allocate = reinterpret_cast<void* (*)(std::size_t)>(dlsym(library, "mi_malloc"));
    free = reinterpret_cast<void (*)(void*)>(dlsym(library, "mi_free"));
  }
  bool Loaded() const { return allocate != nullptr && free != nullptr; }
};

const MimallocEntries& Mimalloc() {
  static const MimallocEntries entries;
  return entries;
}

struct MimallocAllocator {
  void* Allocate(std::size_t n) { return Mimalloc().allocate(n); }
  void Free(void* p) { Mimalloc().free(p); }
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

void RegisterMimalloc() {
  if (!Mimalloc().Loaded()) return;
  benchmark::RegisterBenchmark("FreeInLifoOrder<Mimalloc>", FreeInLifoOrder<MimallocAllocator>);
  benchmark::RegisterBenchmark("FreeInRandomOrder<Mimalloc>", FreeInRandomOrder<MimallocAllocator>);
  benchmark::RegisterBenchmark("Churn<Mimalloc>", Churn<MimallocAllocator>);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterMimalloc();
  return qor::bench::RunWithRatios(
      argc, argv,
      {{"LIFO frees / mimalloc", "FreeInLifoOrder<CheckedAllocator>", "FreeInLifoOrder<Mimalloc>", "(for reference)"},
       {"random frees / mimalloc", "FreeInRandomOrder<CheckedAllocator>", "FreeInRandomOrder<Mimalloc>", "(for reference)"},
       {"churn / mimalloc", "Churn<CheckedAllocator>", "Churn<Mimalloc>", "(for reference)"},
       {"LIFO frees / glibc", "FreeInLifoOrder<CheckedAllocator>", "FreeInLifoOrder<GlibcAllocator>", "< 1.00"},
       {"random frees / glibc", "FreeInRandomOrder<CheckedAllocator>", "FreeInRandomOrder<GlibcAllocator>", "< 1.00"},
       {"churn / glibc", "Churn<CheckedAllocator>", "Churn<GlibcAllocator>", "<= 1.00"}});
}
