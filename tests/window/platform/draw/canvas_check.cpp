#include "tests/window/platform/draw/canvas_check.h"

namespace qor::ui::testing {

DeviceContext CanvasContext(int width, int height, Point origin, Rect clip) {
  DeviceContext dc;
  dc.canvas = std::make_shared<Canvas>(width, height);
  dc.origin = origin;
  dc.clip = Region(clip.IsEmpty() ? dc.canvas->Bounds() : clip);
  return dc;
}

std::vector<std::string> Picture(const Canvas& canvas, const Rect& area, const std::map<ColorRef, char>& letters) {
  std::vector<std::string> rows;
  for (int y = area.top; y < area.bottom; ++y) {
    std::string row;
    for (int x = area.left; x < area.right; ++x) {
      auto found = letters.find(ColorFromPixel(canvas.At(x, y)));
      row += found == letters.end() ? '?' : found->second;
    }
    rows.push_back(row);
  }
  return rows;
}

Rect InkBounds(const Canvas& canvas, const Rect& area, ColorRef background) {
  Rect bounds;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (ColorFromPixel(canvas.At(x, y)) == background) continue;
      bounds = Union(bounds, {x, y, x + 1, y + 1});
    }
  }
  return bounds;
}

int InkCount(const Canvas& canvas, const Rect& area, ColorRef background) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += ColorFromPixel(canvas.At(x, y)) != background;
  }
  return count;
}

}  // namespace qor::ui::testing
