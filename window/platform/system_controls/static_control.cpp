#include "window/platform/system_controls/static_control.h"

#include <string>

#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/system_controls/control_support.h"
#include "window/platform/system_controls/static_painter.h"

namespace qor::ui {

namespace {

LResult OnPaint(Hwnd text) {
  return PaintControl(text, [text](Hdc dc) {
    std::string shown = GetWindowText(text);
    StaticLook look{GetClientRect(text), shown, GetWindowStyle(text), IsWindowEnabledItself(text)};
    PaintStatic(dc, look, AskParentColors(text, dc, WM_CTLCOLORSTATIC));
  });
}

}  // namespace

LResult StaticProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_CREATE:
      SetMouseTransparent(hwnd, true);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_ENABLE:
      RedrawNow(hwnd);
      return 0;
    case WM_PAINT:
      return OnPaint(hwnd);
    default:
      // Painting fills the background with the parent's brush.
      if (auto answer = CommonControlMessage(hwnd, message, wParam, lParam)) return *answer;
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

WindowClass StaticClassDescription() {
  return ControlClassDescription(kStaticClass, StaticProc, CS_HREDRAW | CS_VREDRAW);
}

}  // namespace qor::ui
