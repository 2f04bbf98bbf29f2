#pragma once
// Where the allocator gets its memory: whole regions, read/write, handed back whole.
// The OS's virtual memory serves the process; tests give the allocator a source of
// their own, for instance one that refuses on demand.
#include <cstddef>

namespace qor::rt {

class PageSource {
 public:
  virtual ~PageSource() = default;
  // A region of at least `bytes`, aligned to 8 or more, or nullptr when none can be had.
  virtual void* TakeRegion(std::size_t bytes) = 0;
  // Hands back a region exactly as TakeRegion returned it.
  virtual void ReleaseRegion(void* base, std::size_t bytes) = 0;
};

// Regions reserved and committed by the OS.
PageSource& OsPageSource();

}  // namespace qor::rt
