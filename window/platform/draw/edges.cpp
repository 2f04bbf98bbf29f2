#include "window/platform/draw/edges.h"

#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui {

namespace {

struct RingColors {
  int topLeft = -1;      // system colour numbers; -1: this ring is not drawn
  int bottomRight = -1;
};

RingColors OuterRing(uint32_t edge, uint32_t flags) {
  if (!(edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))) return {};
  if (flags & BF_MONO) return {COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
  if (flags & BF_FLAT) return {COLOR_3DSHADOW, COLOR_3DSHADOW};
  if (edge & BDR_RAISEDOUTER) return {COLOR_3DLIGHT, COLOR_3DDKSHADOW};
  return {COLOR_3DSHADOW, COLOR_3DHILIGHT};
}

RingColors InnerRing(uint32_t edge, uint32_t flags) {
  if (!(edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))) return {};
  if (flags & BF_MONO) return {COLOR_WINDOW, COLOR_WINDOW};
  if (flags & BF_FLAT) return {COLOR_3DFACE, COLOR_3DFACE};
  if (edge & BDR_RAISEDINNER) return {COLOR_3DHILIGHT, COLOR_3DSHADOW};
  return {COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

// One ring one pixel wide. The light sides stop short of the far corners, which the
// dark sides, drawn last, take: top right and bottom left belong to the dark colour.
void DrawRing(Hdc dc, Rect& r, RingColors colors, uint32_t flags) {
  if (colors.topLeft < 0 || r.IsEmpty()) return;
  ColorRef light = GetSysColor(colors.topLeft);
  ColorRef dark = GetSysColor(colors.bottomRight);
  if (flags & BF_TOP) FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, light);
  if (flags & BF_LEFT) FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, light);
  if (flags & BF_RIGHT) FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, dark);
  if (flags & BF_BOTTOM) FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, dark);
  if (flags & BF_LEFT) ++r.left;
  if (flags & BF_TOP) ++r.top;
  if (flags & BF_RIGHT) --r.right;
  if (flags & BF_BOTTOM) --r.bottom;
}

}  // namespace

bool DrawEdge(Hdc dc, Rect* rect, uint32_t edge, uint32_t flags) {
  if (!dc || !rect) return false;
  Rect inside = *rect;
  DrawRing(dc, inside, OuterRing(edge, flags), flags);
  DrawRing(dc, inside, InnerRing(edge, flags), flags);
  if (flags & BF_MIDDLE) FillSolid(dc, inside, GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE));
  if (flags & BF_ADJUST) *rect = inside;
  return true;
}

}  // namespace qor::ui
