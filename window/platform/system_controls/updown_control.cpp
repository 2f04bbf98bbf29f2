#include "window/platform/system_controls/updown_control.h"

#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/style_painter.h"
#include "window/platform/system_controls/control_support.h"

namespace qor::ui {

namespace {

constexpr uintptr_t kRepeatTimer = 1;

// State word: which arrow is held, whether the first delay is over, and the look.
constexpr uint32_t kHeldUp = 0x01;
constexpr uint32_t kHeldDown = 0x02;
constexpr uint32_t kHeld = kHeldUp | kHeldDown;
constexpr uint32_t kRepeating = 0x04;  // the first delay is over: steps come at the interval
constexpr uint32_t kShownPressed = 0x08;

bool Has(Hwnd arrows, uint32_t bits) { return (ControlState(arrows) & bits) != 0; }

void Change(Hwnd arrows, uint32_t set, uint32_t clear) {
  uint32_t before = ControlState(arrows);
  uint32_t after = (before | set) & ~clear;
  if (after == before) return;
  SetControlState(arrows, after);
  if ((before ^ after) & (kHeld | kShownPressed)) RedrawNow(arrows);
}

Rect HeldArrowRect(Hwnd arrows) {
  Rect client = GetClientRect(arrows);
  return Has(arrows, kHeldUp) ? SpinUpRect(client) : SpinDownRect(client);
}

bool PointerOnHeldArrow(Hwnd arrows) {
  return HeldArrowRect(arrows).Contains(ScreenToClient(arrows, GetCursorPos()));
}

void Step(Hwnd arrows) {
  Hwnd owner = GetParent(arrows);
  if (!owner) owner = GetOwner(arrows);
  if (!owner) return;
  UpDownStep step;
  step.header.from = arrows;
  step.header.id = static_cast<uintptr_t>(GetDlgCtrlID(arrows));
  step.header.code = UDN_DELTAPOS;
  step.delta = Has(arrows, kHeldUp) ? 1 : -1;
  SendMessage(owner, WM_NOTIFY, step.header.id, reinterpret_cast<LParam>(&step));
}

void Stop(Hwnd arrows) {
  if (!Has(arrows, kHeld)) return;
  KillTimer(arrows, kRepeatTimer);
  Change(arrows, 0, kHeld | kRepeating | kShownPressed);
  if (GetCapture() == arrows) ReleaseCapture();
}

LResult OnPress(Hwnd arrows, LParam position) {
  if (Has(arrows, kHeld)) return 0;
  bool up = SpinUpRect(GetClientRect(arrows)).Contains(UnpackPoint(position));
  SetCapture(arrows);
  Change(arrows, (up ? kHeldUp : kHeldDown) | kShownPressed, 0);
  SetTimer(arrows, kRepeatTimer, kUpDownFirstDelay);
  Step(arrows);
  return 0;
}

LResult OnTimer(Hwnd arrows) {
  if (!Has(arrows, kHeld)) {
    KillTimer(arrows, kRepeatTimer);
    return 0;
  }
  if (!Has(arrows, kRepeating)) {
    Change(arrows, kRepeating, 0);
    SetTimer(arrows, kRepeatTimer, kUpDownRepeatInterval);
  }
  if (PointerOnHeldArrow(arrows)) Step(arrows);
  return 0;
}

LResult OnMove(Hwnd arrows, LParam position) {
  if (!Has(arrows, kHeld)) return 0;
  bool on = HeldArrowRect(arrows).Contains(UnpackPoint(position));
  on ? Change(arrows, kShownPressed, 0) : Change(arrows, 0, kShownPressed);
  return 0;
}

LResult OnPaint(Hwnd arrows) {
  return PaintControl(arrows, [arrows](Hdc dc) {
    bool pressed = Has(arrows, kShownPressed);
    SpinLook look{GetClientRect(arrows), pressed && Has(arrows, kHeldUp), pressed && Has(arrows, kHeldDown),
                  IsWindowEnabled(arrows)};
    PaintSpinArrows(dc, look);
  });
}

}  // namespace

LResult UpDownProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return OnPress(hwnd, lParam);
    case WM_MOUSEMOVE:
      return OnMove(hwnd, lParam);
    case WM_LBUTTONUP:
      Stop(hwnd);
      return 0;
    case WM_CAPTURECHANGED:
      if (Hwnd::FromParam(static_cast<uintptr_t>(lParam)) != hwnd) Stop(hwnd);
      return 0;
    case WM_TIMER:
      return wParam == kRepeatTimer ? OnTimer(hwnd) : 0;
    case WM_ENABLE:
      if (!wParam) Stop(hwnd);
      RedrawNow(hwnd);
      return 0;
    case WM_DESTROY:
      Stop(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_PAINT:
      return OnPaint(hwnd);
    default:
      if (auto answer = CommonControlMessage(hwnd, message, wParam, lParam)) return *answer;
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

WindowClass UpDownClassDescription() {
  return ControlClassDescription(kUpDownClass, UpDownProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

}  // namespace qor::ui
