#pragma once
// The runtime's dynamically growing internal arrays live in the checked heap. Growing
// one that cannot grow is fatal: run-time error 501, "Out of memory in QORARRAY!".
#include <cstddef>

namespace qor::rt {

// Resizes an array block to `bytes` (nullptr starts a new one) and returns it. A
// failure never returns. `bytes` = 0 frees the block and gives nullptr.
void* ResizeRuntimeArray(void* array, std::size_t bytes);

// The same for `count` elements of type T.
template <typename T>
T* ResizeRuntimeArray(T* array, std::size_t count) {
  const std::size_t limit = ~std::size_t{0} / sizeof(T);
  return static_cast<T*>(ResizeRuntimeArray(static_cast<void*>(array),
                                            count > limit ? ~std::size_t{0} : count * sizeof(T)));
}

}  // namespace qor::rt
