// Fuzzes the reader of packed message tables (the bytes a module hands the error manager):
// it never reads past the end, and whatever it reads packs back into a prefix of the
// input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "framework/message_table/message_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor;
  std::span<const uint8_t> bytes(data, size);
  auto entries = fw::UnpackMessageTable(bytes);
  auto packed = fw::PackMessageTable(entries);
  if (!packed) __builtin_trap();
  // The count is rewritten for what was read; every entry after it matches the input.
  if (packed->size() > size && !entries.empty()) __builtin_trap();
  if (size >= 2 && !std::equal(packed->begin() + 2, packed->end(), bytes.begin() + 2)) __builtin_trap();
  return 0;
}
