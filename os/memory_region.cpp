#include "os/memory_region.h"

#include <sys/mman.h>
#include <unistd.h>

namespace qor::os {

std::size_t PageSize() {
  static const std::size_t pageSize = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  return pageSize;
}

void* ReserveRegion(std::size_t bytes) {
  if (bytes == 0) return nullptr;
  void* base = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return base == MAP_FAILED ? nullptr : base;
}

void ReleaseRegion(void* base, std::size_t bytes) {
  if (base == nullptr) return;
  munmap(base, bytes);
}

}  // namespace qor::os
