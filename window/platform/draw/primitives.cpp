#include "window/platform/draw/primitives.h"

#include <cstdlib>

namespace qor::ui {

namespace {

Rect OnCanvas(Hdc dc, const Rect& rect) { return rect.Offset(dc->origin.x, dc->origin.y); }

bool Drawable(Hdc dc, int x, int y) {
  Point p{x + dc->origin.x, y + dc->origin.y};
  return dc->canvas->Bounds().Contains(p) && dc->clip.Contains(p);
}

void InvertClipped(Hdc dc, const Rect& rect) {
  Rect area = OnCanvas(dc, rect);
  for (const Rect& part : dc->clip.Rects()) dc->canvas->Invert(Intersection(area, part));
}

// The four one-pixel sides of a rectangle's frame, not overlapping.
void ForEachSide(const Rect& r, auto&& draw) {
  if (r.IsEmpty()) return;
  draw(Rect{r.left, r.top, r.right, r.top + 1});
  if (r.Height() > 1) draw(Rect{r.left, r.bottom - 1, r.right, r.bottom});
  draw(Rect{r.left, r.top + 1, r.left + 1, r.bottom - 1});
  if (r.Width() > 1) draw(Rect{r.right - 1, r.top + 1, r.right, r.bottom - 1});
}

}  // namespace

void FillSolid(Hdc dc, const Rect& rect, ColorRef color) {
  Rect area = OnCanvas(dc, rect);
  Pixel pixel = PixelFromColor(color);
  for (const Rect& part : dc->clip.Rects()) dc->canvas->Fill(Intersection(area, part), pixel);
}

bool FillRect(Hdc dc, const Rect& rect, BrushHandle brush) {
  std::optional<ColorRef> color = BrushColor(brush);
  if (!dc || !color) return false;
  FillSolid(dc, rect, *color);
  return true;
}

bool FrameRect(Hdc dc, const Rect& rect, BrushHandle brush) {
  std::optional<ColorRef> color = BrushColor(brush);
  if (!dc || !color) return false;
  ForEachSide(rect, [&](const Rect& side) { FillSolid(dc, side, *color); });
  return true;
}

bool InvertRect(Hdc dc, const Rect& rect) {
  if (!dc) return false;
  InvertClipped(dc, rect);
  return true;
}

bool DrawFocusRect(Hdc dc, const Rect& rect) {
  if (!dc) return false;
  ForEachSide(rect, [&](const Rect& side) {
    for (int y = side.top; y < side.bottom; ++y) {
      for (int x = side.left; x < side.right; ++x) {
        if (((x + y) & 1) == 0) InvertClipped(dc, Rect{x, y, x + 1, y + 1});
      }
    }
  });
  return true;
}

bool MoveToEx(Hdc dc, int x, int y, Point* previous) {
  if (!dc) return false;
  if (previous) *previous = dc->position;
  dc->position = {x, y};
  return true;
}

bool LineTo(Hdc dc, int x, int y) {
  if (!dc) return false;
  // Bresenham's walk from the pen to the end point, the end point left out.
  Point at = dc->position;
  int dx = std::abs(x - at.x), stepX = at.x < x ? 1 : -1;
  int dy = -std::abs(y - at.y), stepY = at.y < y ? 1 : -1;
  int error = dx + dy;
  Pixel pixel = PixelFromColor(dc->penColor);
  while (at.x != x || at.y != y) {
    if (Drawable(dc, at.x, at.y)) dc->canvas->Set(at.x + dc->origin.x, at.y + dc->origin.y, pixel);
    int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      at.x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      at.y += stepY;
    }
  }
  dc->position = {x, y};
  return true;
}

ColorRef SetPixel(Hdc dc, int x, int y, ColorRef color) {
  if (!dc || !Drawable(dc, x, y)) return CLR_INVALID;
  dc->canvas->Set(x + dc->origin.x, y + dc->origin.y, PixelFromColor(color));
  return color & 0x00FFFFFF;
}

ColorRef GetPixel(Hdc dc, int x, int y) {
  if (!dc || !Drawable(dc, x, y)) return CLR_INVALID;
  return ColorFromPixel(dc->canvas->At(x + dc->origin.x, y + dc->origin.y));
}

}  // namespace qor::ui
