#include "window/platform/draw/line_positions.h"

#include <algorithm>

#include "window/platform/draw/font.h"

namespace qor::ui {

int LinePositions::X(size_t index) const {
  if (index == 0 || extents_.empty()) return 0;
  return extents_[std::min(index, extents_.size()) - 1];
}

size_t LinePositions::CharacterAt(int x) const {
  if (x < 0) return 0;
  // The first character whose right edge lies beyond x.
  auto after = std::upper_bound(extents_.begin(), extents_.end(), x);
  return static_cast<size_t>(after - extents_.begin());
}

size_t LinePositions::BoundaryAt(int x) const {
  size_t under = CharacterAt(x);
  if (under >= extents_.size()) return extents_.size();
  int left = X(under);
  int right = extents_[under];
  return 2 * (x - left) < right - left ? under : under + 1;
}

LinePositions MeasureLinePositions(Hdc dc, std::string_view text) {
  std::vector<int> extents;
  GetTextExtentExPoint(dc, text, &extents);
  return LinePositions(std::move(extents));
}

}  // namespace qor::ui
