// The range rule of UpdateFields and DisplayFields.
#include "window/properties/field_range.h"

#include <utility>

namespace qor::win {

FieldRange FieldRangeOf(int32_t first, int32_t last) {
  FieldRange range;
  if (first == 0 && last == 0) {
    range.all = true;
    return range;
  }
  if (last == 0) last = first;
  if (first > last) std::swap(first, last);
  range.first = first;
  range.last = last;
  return range;
}

}  // namespace qor::win
