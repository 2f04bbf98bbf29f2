#include "window/platform/resources/stock_icon_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qor::ui::art {

namespace {

constexpr double kGrid = 32.0;
constexpr int kSamples = 4;  // per pixel, each way

double DistanceToSegment(Spot p, Spot a, Spot b) {
  double dx = b.x - a.x;
  double dy = b.y - a.y;
  double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The angle of a point around a centre in degrees, 0 to the right, counting up
// (anticlockwise on the screen), in [0, 360).
double AngleAround(Spot centre, Spot p) {
  double degrees = std::atan2(centre.y - p.y, p.x - centre.x) * 180.0 / std::numbers::pi;
  return degrees < 0 ? degrees + 360.0 : degrees;
}

// True when `angle` lies on the clockwise way from `from` to `to`.
bool OnClockwiseWay(double angle, double from, double to) {
  auto normal = [](double a) { return std::fmod(std::fmod(a, 360.0) + 360.0, 360.0); };
  double span = normal(from - to);
  return normal(from - angle) <= span;
}

// The colour seen at one sample: the topmost layer covering it, or nothing.
const Layer* TopLayerAt(const std::vector<Layer>& layers, Spot spot) {
  for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
    if (layer->covers(spot)) return &*layer;
  }
  return nullptr;
}

}  // namespace

Layer Disc(Spot centre, double radius, Pixel color) { return Ellipse(centre, radius, radius, color); }

Layer Ellipse(Spot centre, double radiusX, double radiusY, Pixel color) {
  return {[=](Spot p) {
            double dx = (p.x - centre.x) / radiusX;
            double dy = (p.y - centre.y) / radiusY;
            return dx * dx + dy * dy <= 1.0;
          },
          color};
}

Layer Box(double left, double top, double right, double bottom, Pixel color) {
  return {[=](Spot p) { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }, color};
}

Layer Polygon(std::vector<Spot> corners, Pixel color) {
  return {[corners = std::move(corners)](Spot p) {
            // Even-odd rule: count the edges a ray to the right crosses.
            bool inside = false;
            for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
              const Spot& a = corners[i];
              const Spot& b = corners[j];
              if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
            }
            return inside;
          },
          color};
}

Layer Stroke(Spot from, Spot to, double width, Pixel color) {
  return {[=](Spot p) { return DistanceToSegment(p, from, to) <= width / 2; }, color};
}

Layer Arc(Spot centre, double radius, double width, double fromDegrees, double toDegrees, Pixel color) {
  return {[=](Spot p) {
            double distance = std::hypot(p.x - centre.x, p.y - centre.y);
            return std::abs(distance - radius) <= width / 2 &&
                   OnClockwiseWay(AngleAround(centre, p), fromDegrees, toDegrees);
          },
          color};
}

IconImage Render(const std::vector<Layer>& layers, int size) {
  IconImage image{size, size, std::vector<Pixel>(static_cast<size_t>(size) * size, 0)};
  double scale = kGrid / size;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      unsigned sums[3] = {0, 0, 0};
      unsigned covered = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          Spot spot{(x + (sx + 0.5) / kSamples) * scale, (y + (sy + 0.5) / kSamples) * scale};
          const Layer* layer = TopLayerAt(layers, spot);
          if (!layer) continue;
          ++covered;
          for (int c = 0; c < 3; ++c) sums[c] += (layer->color >> (16 - 8 * c)) & 0xFF;
        }
      }
      if (covered == 0) continue;
      Pixel alpha = covered * 255 / (kSamples * kSamples);
      Pixel red = sums[0] / covered;
      Pixel green = sums[1] / covered;
      Pixel blue = sums[2] / covered;
      image.pixels[static_cast<size_t>(y) * size + x] = (alpha << 24) | (red << 16) | (green << 8) | blue;
    }
  }
  return image;
}

}  // namespace qor::ui::art
