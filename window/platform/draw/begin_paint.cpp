#include "window/platform/draw/begin_paint.h"

#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/primitives.h"

namespace qor::ui {

Hdc BeginPaint(Hwnd hwnd, PaintStruct* paint) {
  Rect area;
  bool erase = false;
  if (!paint || !TakeUpdateArea(hwnd, area, erase)) return nullptr;
  DrawFrameIfDirty(hwnd);
  Hdc dc = GetDC(hwnd);
  if (!dc) return nullptr;
  IntersectClipRect(dc, area);
  if (erase) erase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WParam>(dc), 0) == 0;
  *paint = PaintStruct{dc, erase, area};
  return dc;
}

bool EndPaint(Hwnd hwnd, const PaintStruct* paint) {
  return paint && ReleaseDC(hwnd, paint->hdc) == 1;
}

LResult EraseWithClassBackground(Hwnd hwnd, Hdc dc) {
  std::optional<WindowClass> windowClass = GetClassInfo(GetClassName(hwnd));
  if (!dc || !windowClass || !windowClass->background) return 0;
  return FillRect(dc, GetClientRect(hwnd), windowClass->background) ? 1 : 0;
}

}  // namespace qor::ui
