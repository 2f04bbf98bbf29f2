#include "runtime/heap/heap_free_list.h"

namespace qor::rt::heap {

FreeList::FreeList(PageSource& pages) : pages_(pages) {}

FreeList::~FreeList() {
  for (void* pool : pools_) pages_.ReleaseRegion(pool, kPoolBytes);
}

bool FreeList::TakePool() {
  void* region = pages_.TakeRegion(kPoolBytes);
  if (region == nullptr) return false;
  try {
    pools_.push_back(region);
  } catch (...) {  // the bookkeeping itself could not grow
    pages_.ReleaseRegion(region, kPoolBytes);
    return false;
  }
  auto* descriptors = static_cast<FreeDescriptor*>(region);
  for (std::size_t i = kDescriptorsPerPool; i-- > 0;) {
    descriptors[i].next = spare_;
    spare_ = &descriptors[i];
  }
  return true;
}

FreeDescriptor* FreeList::Add(Byte* block, uint32_t size) {
  if (spare_ == nullptr && !TakePool()) return nullptr;
  FreeDescriptor* descriptor = spare_;
  spare_ = descriptor->next;
  descriptor->size = size;
  descriptor->block = block;
  descriptor->previous = rover_;
  descriptor->next = rover_->next;
  rover_->next->previous = descriptor;
  rover_->next = descriptor;
  return descriptor;
}

}  // namespace qor::rt::heap
