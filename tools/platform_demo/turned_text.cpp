#include "tools/platform_demo/turned_text.h"

#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/logical_dpi.h"
#include "window/platform/draw/system_colors.h"

namespace qor::tool {

using namespace ui;

namespace {

constexpr const char* kTurnedTextClass = "QorTurnedText";

FontHandle TurnedFont() {
  static FontHandle font = CreateFontIndirect(LogFont{.height = PointsToHeight(10), .face = "Arial", .escapement = 900});
  return font;
}

// The text goes up from its start point, its cell to the right of it: centred, it starts
// half its length below the middle and half its height left of it.
void PaintTurnedText(Hwnd hwnd) {
  PaintStruct paint;
  Hdc dc = BeginPaint(hwnd, &paint);
  std::string text = GetWindowText(hwnd);
  Rect client = GetClientRect(hwnd);
  SelectFont(dc, TurnedFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  Size extent;
  GetTextExtentPoint32(dc, text, &extent);
  TextOut(dc, (client.Width() - extent.cy) / 2, (client.Height() + extent.cx) / 2, text);
  EndPaint(hwnd, &paint);
}

LResult TurnedTextProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_PAINT) {
    PaintTurnedText(hwnd);
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterTurnedTextClass() {
  WindowClass turned{kTurnedTextClass, TurnedTextProc};
  turned.background = GetSysColorBrush(COLOR_BTNFACE);
  return GetClassInfo(kTurnedTextClass) || RegisterClass(turned);
}

Hwnd CreateTurnedText(Hwnd parent, const std::string& text, const Rect& at) {
  return CreateWindow(kTurnedTextClass, text, WS_CHILD | WS_VISIBLE, at, parent);
}

}  // namespace qor::tool
