#pragma once
// The runtime's checked allocator: every runtime block (value-stack blocks, compiled
// pictures, window records, NEW and DISPOSE) comes from here. It does not replace
// C++'s global new. See runtime/heap/checked_heap.h for the rules.
#include <cstddef>

namespace qor::rt {

void* HeapAllocate(std::size_t n);                            // n = 0 gives nullptr
void* HeapAllocateCleared(std::size_t count, std::size_t size);
void HeapFree(void* p);                                       // nullptr is ignored
void* HeapReallocate(void* p, std::size_t n);
std::size_t HeapUsableSize(const void* p);                    // 0 for nullptr

class CheckedHeap;

// The heap in force: the process's own, over the OS's virtual memory, unless a test
// installed another. Installing nullptr puts the process's heap back. Blocks must be
// freed to the heap that gave them.
CheckedHeap& CurrentHeap();
void InstallHeap(CheckedHeap* heap);

}  // namespace qor::rt
