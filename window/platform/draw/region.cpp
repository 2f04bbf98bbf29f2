#include "window/platform/draw/region.h"

#include <algorithm>

namespace qor::ui {

namespace {

// The parts of `from` outside `hole`: bands above and below it, then left and right of
// it within its height. At most four rectangles, none overlapping.
void AddDifference(const Rect& from, const Rect& hole, std::vector<Rect>& out) {
  Rect cut = Intersection(from, hole);
  if (cut.IsEmpty()) {
    out.push_back(from);
    return;
  }
  Rect pieces[] = {
      {from.left, from.top, from.right, cut.top},
      {from.left, cut.bottom, from.right, from.bottom},
      {from.left, cut.top, cut.left, cut.bottom},
      {cut.right, cut.top, from.right, cut.bottom},
  };
  for (const Rect& piece : pieces) {
    if (!piece.IsEmpty()) out.push_back(piece);
  }
}

}  // namespace

Region::Region(const Rect& rect) {
  if (!rect.IsEmpty()) rects_.push_back(rect);
}

// In place: cutting never adds rectangles.
void Region::Intersect(const Rect& rect) {
  auto kept = rects_.begin();
  for (const Rect& r : rects_) {
    Rect cut = Intersection(r, rect);
    if (!cut.IsEmpty()) *kept++ = cut;
  }
  rects_.erase(kept, rects_.end());
}

void Region::Subtract(const Rect& rect) {
  if (rect.IsEmpty()) return;
  std::vector<Rect> kept;
  for (const Rect& r : rects_) AddDifference(r, rect, kept);
  rects_ = std::move(kept);
}

void Region::Offset(int dx, int dy) {
  for (Rect& r : rects_) r = r.Offset(dx, dy);
}

bool Region::Contains(Point p) const {
  return std::any_of(rects_.begin(), rects_.end(), [p](const Rect& r) { return r.Contains(p); });
}

Rect Region::Bounds() const {
  Rect bounds;
  for (const Rect& r : rects_) bounds = Union(bounds, r);
  return bounds;
}

}  // namespace qor::ui
