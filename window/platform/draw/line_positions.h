#pragma once
// Character positions within one line of text, for placing a caret between characters
// and for finding where a click lands. A line is measured once (the widths of its first
// 1, 2, ... n characters, as GetTextExtentExPoint gives them); the positions are then
// looked up without a font, so the rules are checked with made-up widths.
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "window/platform/draw/device_context.h"

namespace qor::ui {

class LinePositions {
 public:
  LinePositions() = default;
  // `extents[i]`: the width of the line's first i + 1 characters (never decreasing).
  explicit LinePositions(std::vector<int> extents) : extents_(std::move(extents)) {}

  size_t Count() const { return extents_.size(); }
  int Width() const { return extents_.empty() ? 0 : extents_.back(); }
  // Where the boundary before character `index` lies from the line's start: 0 for the
  // first, the line's width for `Count()` and beyond.
  int X(size_t index) const;
  // The boundary nearest to `x`: a point on the left half of a character lies before it,
  // on the right half after it; left of the line 0, right of it `Count()`.
  size_t BoundaryAt(int x) const;
  // The character under `x` (`Count()` past the end, 0 before the start).
  size_t CharacterAt(int x) const;

 private:
  std::vector<int> extents_;
};

// Measures a line with the context's font.
LinePositions MeasureLinePositions(Hdc dc, std::string_view text);

}  // namespace qor::ui
