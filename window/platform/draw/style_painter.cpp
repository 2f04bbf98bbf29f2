#include "window/platform/draw/style_painter.h"

#include <algorithm>

#include "window/platform/draw/brush.h"
#include "window/platform/draw/edges.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui {

namespace {

Rect Inset(const Rect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// The edge of a flat button: none at rest, one thin ring when hot or pressed.
uint32_t FlatEdge(const BevelState& state) {
  if (state.pressed) return BDR_SUNKENOUTER;
  return state.hot ? BDR_RAISEDINNER : 0;
}

// A triangle `rows` rows deep, one pixel at its point and two more each row, drawn row by
// row from the point; `across` turns it on its side.
void FillTriangle(Hdc dc, Point point, int rows, int step, bool across, ColorRef color) {
  for (int row = 0; row < rows; ++row) {
    int at = point.y + row * step;
    if (across) {
      at = point.x + row * step;
      FillSolid(dc, {at, point.y - row, at + 1, point.y + row + 1}, color);
    } else {
      FillSolid(dc, {point.x - row, at, point.x + row + 1, at + 1}, color);
    }
  }
}

}  // namespace

Rect PaintButtonBevel(Hdc dc, const Rect& rect, BevelStyle style, const BevelState& state) {
  Rect inside = rect;
  FillSolid(dc, inside, GetSysColor(COLOR_BTNFACE));
  if (state.isDefault) {
    FrameRect(dc, inside, GetSysColorBrush(COLOR_WINDOWFRAME));
    inside = Inset(inside, 1);
  }
  if (style == BevelStyle::Flat) {
    if (uint32_t edge = FlatEdge(state)) DrawEdge(dc, &inside, edge, BF_RECT);
  } else if (state.pressed && state.isDefault) {
    FrameRect(dc, inside, GetSysColorBrush(COLOR_BTNSHADOW));
  } else {
    DrawEdge(dc, &inside, state.pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  return state.pressed ? rect.Offset(1, 1) : rect;
}

void PaintArrowGlyph(Hdc dc, const Rect& rect, ArrowDirection direction, ColorRef color) {
  const bool across = direction == ArrowDirection::Left || direction == ArrowDirection::Right;
  const int along = across ? rect.Width() : rect.Height();   // the way the arrow points
  const int wide = across ? rect.Height() : rect.Width();
  // The base (2 * rows - 1 pixels) leaves a pixel either side; the depth half the room.
  const int rows = std::max(1, std::min((wide - 1) / 2, along / 2));
  const int centreX = rect.left + (rect.Width() - 1) / 2;
  const int centreY = rect.top + (rect.Height() - 1) / 2;
  // The point lies half the depth before the centre, towards where the arrow points.
  const int back = rows / 2;
  switch (direction) {
    case ArrowDirection::Up:
      FillTriangle(dc, {centreX, centreY - back}, rows, 1, false, color);
      break;
    case ArrowDirection::Down:
      FillTriangle(dc, {centreX, centreY + (rows - 1 - back)}, rows, -1, false, color);
      break;
    case ArrowDirection::Left:
      FillTriangle(dc, {centreX - back, centreY}, rows, 1, true, color);
      break;
    case ArrowDirection::Right:
      FillTriangle(dc, {centreX + (rows - 1 - back), centreY}, rows, -1, true, color);
      break;
  }
}

void PaintArrowButton(Hdc dc, const Rect& rect, ArrowDirection direction, const BevelState& state) {
  Rect content = Inset(PaintButtonBevel(dc, rect, BevelStyle::Raised, state), 2);
  if (state.enabled) {
    PaintArrowGlyph(dc, content, direction, GetSysColor(COLOR_BTNTEXT));
    return;
  }
  PaintArrowGlyph(dc, content.Offset(1, 1), direction, GetSysColor(COLOR_BTNHIGHLIGHT));
  PaintArrowGlyph(dc, content, direction, GetSysColor(COLOR_BTNSHADOW));
}

Rect SpinUpRect(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.top + rect.Height() / 2}; }

Rect SpinDownRect(const Rect& rect) { return {rect.left, rect.top + rect.Height() / 2, rect.right, rect.bottom}; }

void PaintSpinArrows(Hdc dc, const SpinLook& look) {
  PaintArrowButton(dc, SpinUpRect(look.rect), ArrowDirection::Up, {look.upPressed, false, false, look.enabled});
  PaintArrowButton(dc, SpinDownRect(look.rect), ArrowDirection::Down,
                   {look.downPressed, false, false, look.enabled});
}

Rect PaintSunkenWell(Hdc dc, const Rect& rect) {
  Rect inside = rect;
  DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  return inside;
}

}  // namespace qor::ui
