#include "window/platform/draw/canvas.h"

#include <algorithm>

namespace qor::ui {

Canvas::Canvas(int width, int height, Pixel fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

void Canvas::Resize(int width, int height, Pixel fill) {
  if (width == width_ && height == height_) return;
  Canvas resized(width, height, fill);
  int keepWidth = std::min(width_, resized.width_);
  for (int y = 0; y < std::min(height_, resized.height_); ++y) {
    std::copy(Row(y), Row(y) + keepWidth, resized.Row(y));
  }
  *this = std::move(resized);
}

Pixel Canvas::At(int x, int y) const {
  if (!Bounds().Contains({x, y})) return 0;
  return Row(y)[x];
}

void Canvas::Set(int x, int y, Pixel pixel) {
  if (Bounds().Contains({x, y})) Row(y)[x] = pixel;
}

void Canvas::Fill(const Rect& rect, Pixel pixel) {
  Rect area = Intersection(rect, Bounds());
  if (area.IsEmpty()) return;
  for (int y = area.top; y < area.bottom; ++y) std::fill(Row(y) + area.left, Row(y) + area.right, pixel);
}

void Canvas::Invert(const Rect& rect) {
  Rect area = Intersection(rect, Bounds());
  if (area.IsEmpty()) return;
  for (int y = area.top; y < area.bottom; ++y) {
    for (Pixel* p = Row(y) + area.left; p != Row(y) + area.right; ++p) *p ^= 0x00FFFFFF;
  }
}

}  // namespace qor::ui
