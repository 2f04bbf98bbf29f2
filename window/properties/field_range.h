#pragma once
// The range of control numbers UpdateFields and DisplayFields act on: 0 and 0 mean every
// control of the window; a last number of 0 means the first alone; a reversed pair is
// taken the other way round.
#include <cstdint>

namespace qor::win {

struct FieldRange {
  bool all = false;
  int32_t first = 0;
  int32_t last = 0;

  bool Contains(int32_t number) const { return all || (number >= first && number <= last); }
};

FieldRange FieldRangeOf(int32_t first, int32_t last);

}  // namespace qor::win
