#include "window/platform/system_controls/button_control.h"

#include <algorithm>
#include <string>

#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/font.h"
#include "window/platform/system_controls/button_painter.h"
#include "window/platform/system_controls/control_support.h"

namespace qor::ui {

namespace {

// State word bits beside BST_PUSHED and BST_FOCUS: what holds the button down.
constexpr uint32_t kHeldByMouse = 0x0100;  // the left mouse button went down on it (capture held)
constexpr uint32_t kHeldBySpace = 0x0200;  // Space went down while it had the focus
constexpr uint32_t kHeld = kHeldByMouse | kHeldBySpace;

uint32_t ButtonType(Hwnd button) { return GetWindowStyle(button) & BS_TYPEMASK; }
bool IsGroupBox(Hwnd button) { return ButtonType(button) == BS_GROUPBOX; }
bool Notifies(Hwnd button) { return (GetWindowStyle(button) & BS_NOTIFY) != 0; }
bool Has(Hwnd button, uint32_t bits) { return (ControlState(button) & bits) != 0; }

void Change(Hwnd button, uint32_t set, uint32_t clear) {
  SetControlState(button, (ControlState(button) | set) & ~clear);
}

// The pressed look goes through BM_SETSTATE, so a class built on the button sees every
// change of it.
void ShowPushed(Hwnd button, bool pushed) {
  if (Has(button, BST_PUSHED) != pushed) SendMessage(button, BM_SETSTATE, pushed ? 1 : 0, 0);
}

bool Inside(Hwnd button, LParam position) { return GetClientRect(button).Contains(UnpackPoint(position)); }

void PressWithMouse(Hwnd button) {
  SetFocus(button);
  SetCapture(button);
  Change(button, kHeldByMouse, 0);
  ShowPushed(button, true);
}

void PressWithSpace(Hwnd button) {
  Change(button, kHeldBySpace, 0);
  SetCapture(button);
  ShowPushed(button, true);
}

// Lets go of the button. The look is released and the capture given back before the
// parent hears of a click, so whatever the parent does then (a dialog, say) finds the
// mouse free.
void Release(Hwnd button, bool click) {
  Change(button, 0, kHeld);
  ShowPushed(button, false);
  if (GetCapture() == button) ReleaseCapture();
  if (click) NotifyParent(button, BN_CLICKED);
}

LResult OnMouseDown(Hwnd button, uint32_t message) {
  if (message == WM_LBUTTONDBLCLK && Notifies(button)) {
    NotifyParent(button, BN_DOUBLECLICKED);
    return 0;
  }
  if (!Has(button, kHeld)) PressWithMouse(button);
  return 0;
}

LResult OnMouseMove(Hwnd button, LParam position) {
  if (Has(button, kHeldByMouse)) ShowPushed(button, Inside(button, position));
  return 0;
}

LResult OnMouseUp(Hwnd button, LParam position) {
  if (Has(button, kHeldByMouse)) Release(button, Inside(button, position));
  return 0;
}

LResult OnKey(Hwnd button, uint32_t message, WParam key) {
  if (key != VK_SPACE) return 0;
  if (message == WM_KEYDOWN && !Has(button, kHeld)) PressWithSpace(button);
  if (message == WM_KEYUP && Has(button, kHeldBySpace)) Release(button, true);
  return 0;
}

LResult OnFocus(Hwnd button, bool gained) {
  if (gained) {
    Change(button, BST_FOCUS, 0);
  } else {
    Change(button, 0, BST_FOCUS);
    if (Has(button, kHeld)) Release(button, false);
  }
  RedrawNow(button);
  if (Notifies(button)) NotifyParent(button, gained ? BN_SETFOCUS : BN_KILLFOCUS);
  return 0;
}

LResult OnSetState(Hwnd button, WParam pushed) {
  uint32_t state = ControlState(button);
  uint32_t next = pushed ? state | BST_PUSHED : state & ~BST_PUSHED;
  if (next != state) {
    SetControlState(button, next);
    RedrawNow(button);
  }
  return 0;
}

// A group box lets the mouse through to what lies beneath, and its parent's painting
// show through its inside.
void SetGroupBoxTransparency(Hwnd button) {
  SetMouseTransparent(button, IsGroupBox(button));
  uint32_t exStyle = GetWindowExStyle(button) & ~WS_EX_TRANSPARENT;
  SetWindowExStyle(button, IsGroupBox(button) ? exStyle | WS_EX_TRANSPARENT : exStyle);
}

LResult OnSetStyle(Hwnd button, WParam type, LParam redraw) {
  uint32_t style = GetWindowStyle(button);
  SetWindowStyle(button, (style & ~BS_TYPEMASK) | (static_cast<uint32_t>(type) & BS_TYPEMASK));
  SetGroupBoxTransparency(button);
  if (redraw) RedrawNow(button);
  return 0;
}

// The top of a group box, as high as its caption's line.
Rect CaptionStrip(Hwnd button) {
  Rect strip = GetClientRect(button);
  TextMetrics metrics;
  Hdc dc = GetDC(button);
  SelectControlFont(dc, button);
  if (dc && GetTextMetrics(dc, &metrics)) strip.bottom = std::min(strip.bottom, metrics.height);
  ReleaseDC(button, dc);
  return strip;
}

// A group box's caption lies on its parent's background: a new one (shorter, say) is
// drawn after the parent painted the strip it lies in again.
LResult OnSetText(Hwnd button, WParam wParam, LParam lParam) {
  if (!IsGroupBox(button) || !GetParent(button)) return *CommonControlMessage(button, WM_SETTEXT, wParam, lParam);
  LResult stored = DefWindowProc(button, WM_SETTEXT, wParam, lParam);
  RedrawOnParent(button, CaptionStrip(button));
  return stored;
}

// As a mouse click in the top left corner: pressed, released inside, BN_CLICKED.
LResult OnClick(Hwnd button) {
  if (!IsWindowEnabled(button) || IsGroupBox(button)) return 0;
  SendMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(0, 0));
  SendMessage(button, WM_LBUTTONUP, 0, PackPoint(0, 0));
  return 0;
}

LResult OnPaint(Hwnd button) {
  return PaintControl(button, [button](Hdc dc) {
    std::string caption = GetWindowText(button);
    uint32_t state = ControlState(button);
    ButtonLook look{GetClientRect(button), caption};
    look.isDefault = ButtonType(button) == BS_DEFPUSHBUTTON;
    look.pushed = (state & BST_PUSHED) != 0;
    look.focused = (state & BST_FOCUS) != 0;
    look.enabled = IsWindowEnabledItself(button);
    if (IsGroupBox(button)) {
      PaintGroupBox(dc, look, AskParentColors(button, dc, WM_CTLCOLORSTATIC));
    } else {
      PaintPushButton(dc, look);
    }
  });
}

}  // namespace

// Mouse and keys mean nothing to a group box; everything else is common.
LResult ButtonProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_CREATE:
      SetGroupBoxTransparency(hwnd);
      return 0;
    case WM_SETTEXT:
      return OnSetText(hwnd, wParam, lParam);
    case WM_GETDLGCODE:
      if (IsGroupBox(hwnd)) return DLGC_STATIC;
      return DLGC_BUTTON | (ButtonType(hwnd) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return IsGroupBox(hwnd) ? 0 : OnMouseDown(hwnd, message);
    case WM_MOUSEMOVE:
      return OnMouseMove(hwnd, lParam);
    case WM_LBUTTONUP:
      return OnMouseUp(hwnd, lParam);
    case WM_CAPTURECHANGED:
      if (Has(hwnd, kHeld) && Hwnd::FromParam(static_cast<uintptr_t>(lParam)) != hwnd) Release(hwnd, false);
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
      return IsGroupBox(hwnd) ? 0 : OnKey(hwnd, message, wParam);
    case WM_SETFOCUS:
      return OnFocus(hwnd, true);
    case WM_KILLFOCUS:
      return OnFocus(hwnd, false);
    case WM_ENABLE:
      if (!wParam && Has(hwnd, kHeld)) Release(hwnd, false);
      RedrawNow(hwnd);
      return 0;
    case BM_GETSTATE:
      return ControlState(hwnd) & (BST_PUSHED | BST_FOCUS);
    case BM_SETSTATE:
      return OnSetState(hwnd, wParam);
    case BM_SETSTYLE:
      return OnSetStyle(hwnd, wParam, lParam);
    case BM_CLICK:
      return OnClick(hwnd);
    case WM_PAINT:
      return OnPaint(hwnd);
    default:
      // A button paints all of itself; a group box leaves its inside to the parent.
      if (auto answer = CommonControlMessage(hwnd, message, wParam, lParam)) return *answer;
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

WindowClass ButtonClassDescription() {
  return ControlClassDescription(kButtonClass, ButtonProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

}  // namespace qor::ui
