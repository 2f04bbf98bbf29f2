#pragma once
// Memory regions straight from the OS: address space reserved and committed at once,
// readable and writable, zero-filled, and handed back whole. The runtime's allocator
// takes its arenas and its large blocks from here.
#include <cstddef>

namespace qor::os {

// The OS's page size in bytes (a power of two).
std::size_t PageSize();

// Reserves and commits `bytes` (rounded up to whole pages), read/write and zero-filled.
// Returns the page-aligned start, or nullptr when the OS refuses or `bytes` is 0.
void* ReserveRegion(std::size_t bytes);

// Returns a region to the OS: `base` and `bytes` exactly as given to and returned by
// ReserveRegion. nullptr is ignored.
void ReleaseRegion(void* base, std::size_t bytes);

}  // namespace qor::os
