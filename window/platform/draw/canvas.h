#pragma once
// A canvas: a block of 32-bit pixels (0xAARRGGBB, opaque) that windows are drawn into,
// one per top-level window. Row by row from the top, `Width()` pixels a row.
#include <cstdint>
#include <vector>

#include "window/platform/core/types.h"
#include "window/platform/draw/color.h"

namespace qor::ui {

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Pixel fill = PixelFromColor(RGB(255, 255, 255)));

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rect Bounds() const { return {0, 0, width_, height_}; }

  // Changes the size keeping the pixels that stay inside; new ones are `fill`.
  void Resize(int width, int height, Pixel fill = PixelFromColor(RGB(255, 255, 255)));

  // Pixels outside the canvas read as 0 and are not written.
  Pixel At(int x, int y) const;
  void Set(int x, int y, Pixel pixel);
  // Fills the part of `rect` that lies on the canvas.
  void Fill(const Rect& rect, Pixel pixel);
  // Turns the colour of every pixel of the part of `rect` on the canvas into its opposite.
  void Invert(const Rect& rect);

  const Pixel* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  Pixel* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace qor::ui
