#include "runtime/runtime_array.h"

#include "runtime/heap.h"
#include "runtime/run_time_error.h"

namespace qor::rt {

void* ResizeRuntimeArray(void* array, std::size_t bytes) {
  if (bytes == 0) {
    HeapFree(array);
    return nullptr;
  }
  void* resized = HeapReallocate(array, bytes);
  if (resized == nullptr) RunTimeError(501, "Out of memory in QORARRAY!");
  return resized;
}

}  // namespace qor::rt
