#include "window/platform/defaults/default_proc.h"

#include <algorithm>
#include <cstring>

#include "window/platform/core/focus.h"
#include "window/platform/core/host.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui {


namespace {

LResult StoreText(Hwnd hwnd, LParam lParam) {
  const char* text = reinterpret_cast<const char*>(lParam);
  if (!StoreWindowText(hwnd, text ? text : "")) return 0;
  CurrentHost().WindowChanged(hwnd, WindowChange::TextChanged);
  RedrawCaption(hwnd);
  return 1;
}

// Copies the text into a caller's buffer of `size` bytes, ending it with a 0 byte.
LResult CopyText(Hwnd hwnd, WParam size, LParam lParam) {
  char* buffer = reinterpret_cast<char*>(lParam);
  if (!buffer || size == 0) return 0;
  std::string text = StoredWindowText(hwnd);
  size_t count = std::min(text.size(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<LResult>(count);
}

LResult TextLength(Hwnd hwnd) {
  return static_cast<LResult>(StoredWindowText(hwnd).size());
}

// The colours a control paints in when its parent has no others for it: a text field
// stands on the window colour, everything else on the button face.
LResult DefaultControlColors(uint32_t message, WParam wParam) {
  int background = message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE;
  Hdc dc = reinterpret_cast<Hdc>(wParam);
  if (dc) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(background));
  }
  return static_cast<LResult>(GetSysColorBrush(background));
}

}  // namespace

LResult DefWindowProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessage(hwnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (lParam & (1 << 29))) PostMessage(GetTopLevel(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SETTEXT:
      return StoreText(hwnd, lParam);
    case WM_GETTEXT:
      return CopyText(hwnd, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return TextLength(hwnd);
    case WM_ACTIVATE:
      if (LowWord(wParam) != WA_INACTIVE) {
        Hwnd focus = GetFocus();
        if (!focus || (focus != hwnd && !IsChild(hwnd, focus))) SetFocus(hwnd);
      }
      return 0;
    case WM_PAINT: {
      PaintStruct paint;
      BeginPaint(hwnd, &paint);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return EraseWithClassBackground(hwnd, reinterpret_cast<Hdc>(wParam));
    case WM_QUERYENDSESSION:
      return 1;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return DefaultControlColors(message, wParam);
    default:
      return 0;
  }
}

}  // namespace qor::ui
