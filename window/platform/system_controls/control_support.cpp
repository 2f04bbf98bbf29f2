#include "window/platform/system_controls/control_support.h"

#include <memory>
#include <mutex>
#include <unordered_map>

#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/font_face.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui {

uint32_t ControlState(Hwnd control) {
  return static_cast<uint32_t>(GetWindowExtra(control, kControlStateOffset));
}

void SetControlState(Hwnd control, uint32_t state) {
  SetWindowExtra(control, kControlStateOffset, static_cast<intptr_t>(state));
}

namespace {

// The fonts the controls were given, shared with the caller so that a control keeps
// drawing with its font after the caller has let go of it.
struct HeldFonts {
  std::mutex mutex;
  std::unordered_map<uint32_t, FontHandle> byWindow;
};

HeldFonts& Held() {
  static HeldFonts held;
  return held;
}

void HoldFont(Hwnd control, FontHandle font) {
  HeldFonts& held = Held();
  std::lock_guard lock(held.mutex);
  if (font) {
    held.byWindow[control.value] = std::move(font);
  } else {
    held.byWindow.erase(control.value);
  }
}

FontHandle HeldFont(Hwnd control) {
  HeldFonts& held = Held();
  std::lock_guard lock(held.mutex);
  auto found = held.byWindow.find(control.value);
  return found == held.byWindow.end() ? nullptr : found->second;
}

}  // namespace

LResult SetControlFont(Hwnd control, WParam font, LParam redraw) {
  auto* given = reinterpret_cast<Font*>(font);
  SetWindowExtra(control, kControlFontOffset, static_cast<intptr_t>(font));
  HoldFont(control, given ? given->weak_from_this().lock() : nullptr);
  if (redraw) RedrawNow(control);
  return 0;
}

LResult GetControlFont(Hwnd control) { return GetWindowExtra(control, kControlFontOffset); }

void SelectControlFont(Hdc dc, Hwnd control) {
  auto* font = reinterpret_cast<Font*>(GetControlFont(control));
  if (!font) return;
  FontHandle held = HeldFont(control);
  // A font no handle owned (not made by CreateFontIndirect) is the caller's to keep alive.
  SelectFont(dc, held.get() == font ? held : FontHandle(FontHandle(), font));
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

void RedrawOnParent(Hwnd control, const Rect& area) {
  Hwnd parent = GetParent(control);
  Point origin = ScreenToClient(parent, ClientToScreen(control, {0, 0}));
  Rect onParent = area.Offset(origin.x, origin.y);
  InvalidateRect(parent, &onParent, true);
  UpdateWindow(parent);
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
    case WM_NCDESTROY:
      HoldFont(control, nullptr);  // and the default handling goes on
      return std::nullopt;
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
