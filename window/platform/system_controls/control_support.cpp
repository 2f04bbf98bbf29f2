#include "window/platform/system_controls/control_support.h"

#include <memory>

#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui {

uint32_t ControlState(Hwnd control) {
  return static_cast<uint32_t>(GetWindowExtra(control, kControlStateOffset));
}

void SetControlState(Hwnd control, uint32_t state) {
  SetWindowExtra(control, kControlStateOffset, static_cast<intptr_t>(state));
}

LResult SetControlFont(Hwnd control, WParam font, LParam redraw) {
  SetWindowExtra(control, kControlFontOffset, static_cast<intptr_t>(font));
  if (redraw) RedrawNow(control);
  return 0;
}

LResult GetControlFont(Hwnd control) { return GetWindowExtra(control, kControlFontOffset); }

void SelectControlFont(Hdc dc, Hwnd control) {
  auto* font = reinterpret_cast<Font*>(GetControlFont(control));
  // The control does not own the font: a handle that shares nothing points at it.
  if (font) SelectFont(dc, FontHandle(FontHandle(), font));
}

void NotifyParent(Hwnd control, uint32_t code) {
  Hwnd parent = GetParent(control);
  if (!parent) parent = GetOwner(control);
  if (!parent) return;
  auto id = static_cast<uintptr_t>(GetDlgCtrlID(control));
  SendMessage(parent, WM_COMMAND, (static_cast<WParam>(code & 0xFFFF) << 16) | (id & 0xFFFF),
              static_cast<LParam>(control.AsParam()));
}

BrushHandle AskParentColors(Hwnd control, Hdc dc, uint32_t message) {
  int background = message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE;
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(background));
  Hwnd parent = GetParent(control);
  LResult brush = parent ? SendMessage(parent, message, reinterpret_cast<WParam>(dc), control.AsParam()) : 0;
  return brush ? static_cast<BrushHandle>(brush) : GetSysColorBrush(background);
}

void RedrawNow(Hwnd control) {
  InvalidateRect(control, nullptr, true);
  UpdateWindow(control);
}

LResult PaintControl(Hwnd control, const std::function<void(Hdc)>& paint) {
  PaintStruct painting;
  if (Hdc dc = BeginPaint(control, &painting)) {
    SelectControlFont(dc, control);
    paint(dc);
  }
  EndPaint(control, &painting);
  return 0;
}

std::optional<LResult> CommonControlMessage(Hwnd control, uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_SETTEXT: {
      LResult stored = DefWindowProc(control, message, wParam, lParam);
      RedrawNow(control);
      return stored;
    }
    case WM_SETFONT:
      return SetControlFont(control, wParam, lParam);
    case WM_GETFONT:
      return GetControlFont(control);
    case WM_ERASEBKGND:
      return 1;
    default:
      return std::nullopt;
  }
}

WindowClass ControlClassDescription(const char* name, WindowProc proc, uint32_t classStyle) {
  WindowClass description;
  description.name = name;
  description.proc = proc;
  description.style = classStyle;
  description.extraBytes = kControlExtraBytes;
  return description;
}

}  // namespace qor::ui
