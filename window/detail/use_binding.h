#pragma once
// Internal: a control record's use variable, bound by record when the window opens,
// whether or not a kind creates the control, with the bytes it showed last.
#include <cstdint>
#include <vector>

namespace qor::win::detail {

struct UseBinding {
  void* address = nullptr;
  uint8_t typeCode = 0;
  uint32_t size = 0;
  bool shown = false;               // false until the first display
  std::vector<uint8_t> lastShown;   // the variable's bytes at that display
};

}  // namespace qor::win::detail
