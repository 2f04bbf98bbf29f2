#include "window/platform/draw/device_context.h"

#include "window/platform/core/host.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/draw/detail/context_pool.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::ui {

namespace {

// A window that covers what lies under it: visible and not letting it show through.
bool Covers(Hwnd window) { return IsWindowVisible(window) && !(GetWindowExStyle(window) & WS_EX_TRANSPARENT); }

// Takes away the children of a WS_CLIPCHILDREN window and, for a WS_CLIPSIBLINGS window,
// the siblings above it (children lists run topmost first); windows the painting beneath
// shows through (WS_EX_TRANSPARENT) take nothing away.
void ExcludeCoveringWindows(Hwnd hwnd, Region& region) {
  uint32_t style = GetWindowStyle(hwnd);
  if (style & WS_CLIPCHILDREN) {
    for (Hwnd child : GetChildren(hwnd)) {
      if (Covers(child)) region.Subtract(WindowRectOnCanvas(child));
    }
  }
  Hwnd parent = GetParent(hwnd);
  if (!(style & WS_CLIPSIBLINGS) || !parent) return;
  for (Hwnd sibling : GetChildren(parent)) {
    if (sibling == hwnd) break;
    if (Covers(sibling)) region.Subtract(WindowRectOnCanvas(sibling));
  }
}

Hdc MakeDc(Hwnd hwnd, bool wholeWindow) {
  std::shared_ptr<Canvas> canvas = WindowCanvas(hwnd);
  if (!canvas) return nullptr;
  DeviceContext* dc = detail::TakeContextRecord();
  dc->window = hwnd;
  dc->canvas = std::move(canvas);
  Rect area = wholeWindow ? WindowRectOnCanvas(hwnd) : ClientRectOnCanvas(hwnd);
  dc->origin = {area.left, area.top};
  dc->clip = VisibleRegion(hwnd, wholeWindow);
  return dc;
}

template <typename Value>
Value Exchange(Value& slot, Value value) {
  Value old = slot;
  slot = value;
  return old;
}

}  // namespace

Region VisibleRegion(Hwnd hwnd, bool wholeWindow) {
  if (!IsWindowVisible(hwnd)) return Region{};
  Region region(wholeWindow ? WindowRectOnCanvas(hwnd) : ClientRectOnCanvas(hwnd));
  for (Hwnd up = GetParent(hwnd); up; up = GetParent(up)) region.Intersect(ClientRectOnCanvas(up));
  if (!GetParent(hwnd)) region.Intersect(WindowRectOnCanvas(hwnd));
  ExcludeCoveringWindows(hwnd, region);
  return region;
}

Hdc GetDC(Hwnd hwnd) { return MakeDc(hwnd, false); }
Hdc GetWindowDC(Hwnd hwnd) { return MakeDc(hwnd, true); }

int ReleaseDC(Hwnd hwnd, Hdc dc) {
  if (!dc || !detail::GiveBackContextRecord(hwnd, dc)) return 0;
  CurrentHost().WindowChanged(GetTopLevel(hwnd), WindowChange::Painted);
  return 1;
}

void IntersectClipRect(Hdc dc, const Rect& rect) {
  if (dc) dc->clip.Intersect(rect.Offset(dc->origin.x, dc->origin.y));
}

ColorRef SetTextColor(Hdc dc, ColorRef color) { return dc ? Exchange(dc->textColor, color) : CLR_INVALID; }
ColorRef SetBkColor(Hdc dc, ColorRef color) { return dc ? Exchange(dc->backColor, color) : CLR_INVALID; }
int SetBkMode(Hdc dc, int mode) { return dc ? Exchange(dc->backMode, mode) : 0; }
ColorRef SetDCPenColor(Hdc dc, ColorRef color) { return dc ? Exchange(dc->penColor, color) : CLR_INVALID; }
ColorRef SetDCBrushColor(Hdc dc, ColorRef color) { return dc ? Exchange(dc->brushColor, color) : CLR_INVALID; }

}  // namespace qor::ui
