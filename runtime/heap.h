#pragma once
// The runtime's checked allocator: every runtime block (value-stack blocks, compiled
// pictures, window records, NEW and DISPOSE) comes from here. It does not replace
// C++'s global new.
#include <cstddef>

namespace qor::rt {

void* HeapAllocate(std::size_t n);                            // n = 0 gives nullptr
void* HeapAllocateCleared(std::size_t count, std::size_t size);
void HeapFree(void* p);                                       // nullptr is ignored
void* HeapReallocate(void* p, std::size_t n);

}  // namespace qor::rt
