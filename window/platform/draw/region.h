#pragma once
// A drawing region: the set of pixels drawing may touch, kept as non-overlapping
// rectangles. Clipping to a window, its update area and its children or siblings takes
// only intersection with and removal of rectangles.
#include <vector>

#include "window/platform/core/types.h"

namespace qor::ui {

class Region {
 public:
  Region() = default;
  explicit Region(const Rect& rect);

  void Intersect(const Rect& rect);
  void Subtract(const Rect& rect);
  void Offset(int dx, int dy);

  bool IsEmpty() const { return rects_.empty(); }
  bool Contains(Point p) const;
  // The smallest rectangle holding the whole region; empty for an empty region.
  Rect Bounds() const;
  const std::vector<Rect>& Rects() const { return rects_; }

 private:
  std::vector<Rect> rects_;
};

}  // namespace qor::ui
