// Stand-in until the checked allocator lands: same contract, glibc underneath.
#include "runtime/heap.h"

#include <cstdlib>
#include <cstring>

namespace qor::rt {

void* HeapAllocate(std::size_t n) { return n == 0 ? nullptr : std::malloc(n); }

void* HeapAllocateCleared(std::size_t count, std::size_t size) {
  if (count == 0 || size == 0) return nullptr;
  return std::calloc(count, size);
}

void HeapFree(void* p) { std::free(p); }

void* HeapReallocate(void* p, std::size_t n) {
  if (n == 0) {
    std::free(p);
    return nullptr;
  }
  return std::realloc(p, n);
}

}  // namespace qor::rt
