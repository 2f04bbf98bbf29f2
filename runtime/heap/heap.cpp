#include "runtime/heap/heap.h"

#include "runtime/heap/checked_heap.h"

namespace qor::rt {
namespace {

CheckedHeap* installedHeap = nullptr;

// Never destroyed: blocks may still be freed while the process exits.
CheckedHeap& ProcessHeap() {
  static auto* heap = new CheckedHeap(OsPageSource());
  return *heap;
}

}  // namespace

CheckedHeap& CurrentHeap() { return installedHeap != nullptr ? *installedHeap : ProcessHeap(); }

void InstallHeap(CheckedHeap* heap) { installedHeap = heap; }

void* HeapAllocate(std::size_t n) { return CurrentHeap().Allocate(n); }

void* HeapAllocateCleared(std::size_t count, std::size_t size) {
  return CurrentHeap().AllocateCleared(count, size);
}

void HeapFree(void* p) { CurrentHeap().Free(p); }

void* HeapReallocate(void* p, std::size_t n) { return CurrentHeap().Reallocate(p, n); }

std::size_t HeapUsableSize(const void* p) { return CurrentHeap().UsableSize(p); }

}  // namespace qor::rt
