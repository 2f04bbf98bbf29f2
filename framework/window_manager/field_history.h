#pragma once
// A field whose previous value a key puts back: the variable's bytes, the copy taken
// when the form last completed, and the control that shows it.
#include <cstdint>
#include <span>
#include <vector>

namespace qor::fw {

struct HistoryField {
  std::span<uint8_t> value;
  std::vector<uint8_t> saved;
  int32_t control = 0;
};

}  // namespace qor::fw
