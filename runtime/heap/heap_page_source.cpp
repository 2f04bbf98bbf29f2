#include "runtime/heap/heap_page_source.h"

#include "os/memory_region.h"

namespace qor::rt {
namespace {

class OsRegions final : public PageSource {
 public:
  void* TakeRegion(std::size_t bytes) override { return os::ReserveRegion(bytes); }
  void ReleaseRegion(void* base, std::size_t bytes) override { os::ReleaseRegion(base, bytes); }
};

}  // namespace

PageSource& OsPageSource() {
  static auto* source = new OsRegions;  // never destroyed: blocks may be freed at exit
  return *source;
}

}  // namespace qor::rt
