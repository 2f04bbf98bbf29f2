#include "runtime/values/growable_array.h"

#include "runtime/errors/run_time_error.h"
#include "runtime/heap/heap.h"

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
