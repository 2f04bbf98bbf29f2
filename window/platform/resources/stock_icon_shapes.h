#pragma once
// Small pictures drawn from shapes: the stock icons and cursor-like glyphs are designed
// on a 32 by 32 grid as layers of filled shapes and rendered at any size, each pixel
// sampled 4 by 4 times so that edges come out smooth.
#include <functional>
#include <vector>

#include "window/platform/draw/color.h"
#include "window/platform/resources/icon.h"

namespace qor::ui::art {

struct Spot {
  double x = 0;
  double y = 0;
};

// A filled shape in one colour; later layers lie over earlier ones.
struct Layer {
  std::function<bool(Spot)> covers;
  Pixel color = 0xFF000000u;  // opaque 0xAARRGGBB
};

Layer Disc(Spot centre, double radius, Pixel color);
Layer Ellipse(Spot centre, double radiusX, double radiusY, Pixel color);
Layer Box(double left, double top, double right, double bottom, Pixel color);
Layer Polygon(std::vector<Spot> corners, Pixel color);
// A line with round ends, `width` across.
Layer Stroke(Spot from, Spot to, double width, Pixel color);
// Part of a circle's outline, `width` across, from `fromDegrees` turning clockwise on
// the screen to `toDegrees` (0 is to the right, 90 straight up).
Layer Arc(Spot centre, double radius, double width, double fromDegrees, double toDegrees, Pixel color);

// Renders the layers, designed on a 32 by 32 grid, at `size` by `size` pixels.
IconImage Render(const std::vector<Layer>& layers, int size);

}  // namespace qor::ui::art
