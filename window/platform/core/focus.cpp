#include "window/platform/core/focus.h"

#include <mutex>

#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/upper_layers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui {

namespace {

// The input state is one for the process: one user, one keyboard, one mouse.
struct InputOwners {
  std::mutex mutex;
  Hwnd focus;
  bool focusTold = false;  // the focus window has had its WM_SETFOCUS
  Hwnd active;
  Hwnd capture;
};

InputOwners& Owners() {
  static InputOwners owners;
  return owners;
}

Hwnd Read(Hwnd InputOwners::*which) {
  auto& owners = Owners();
  std::lock_guard<std::mutex> guard(owners.mutex);
  Hwnd value = owners.*which;
  return IsWindow(value) ? value : Hwnd{};
}

Hwnd Exchange(Hwnd InputOwners::*which, Hwnd value) {
  auto& owners = Owners();
  std::lock_guard<std::mutex> guard(owners.mutex);
  Hwnd before = owners.*which;
  owners.*which = value;
  return IsWindow(before) ? before : Hwnd{};
}

// Hands the focus to `hwnd`; true if the window that had it had been told so.
bool MoveFocus(Hwnd hwnd) {
  auto& owners = Owners();
  std::lock_guard<std::mutex> guard(owners.mutex);
  bool told = owners.focusTold;
  owners.focus = hwnd;
  owners.focusTold = false;
  return told;
}

// True (and marked told) if `hwnd` still has the focus and has not been told yet.
bool TellFocus(Hwnd hwnd) {
  auto& owners = Owners();
  std::lock_guard<std::mutex> guard(owners.mutex);
  if (owners.focus != hwnd || owners.focusTold) return false;
  owners.focusTold = true;
  return true;
}

bool IsMouseDown(uint32_t message) {
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
         message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK;
}

}  // namespace

Hwnd SetFocus(Hwnd hwnd) {
  Hwnd before = Read(&InputOwners::focus);
  if (hwnd) {
    if (!IsWindow(hwnd) || !IsWindowEnabled(hwnd)) return Hwnd{};
    if (hwnd == before) return before;
    Hwnd top = GetTopLevel(hwnd);
    if (GetActiveWindow() != top) ActivateWindow(top, WA_ACTIVE);
    before = Read(&InputOwners::focus);
    if (hwnd == before) return before;
  } else if (!before) {
    return before;
  }
  // The focus moves before the window losing it hears of it, so GetFocus there names the
  // new window, and a window that takes the focus back while losing it keeps it: the new
  // window, which never had it, is then told nothing.
  bool beforeWasTold = MoveFocus(hwnd);
  if (before && beforeWasTold) SendMessage(before, WM_KILLFOCUS, hwnd.AsParam(), 0);
  if (hwnd && TellFocus(hwnd)) SendMessage(hwnd, WM_SETFOCUS, before.AsParam(), 0);
  if (auto moved = GetUpperLayers().focusMoved; moved && Read(&InputOwners::focus) == hwnd) moved(before, hwnd);
  return before;
}

Hwnd GetFocus() { return Read(&InputOwners::focus); }

void ActivateWindow(Hwnd hwnd, uint32_t how) {
  Hwnd before = Read(&InputOwners::active);
  if (hwnd == before) return;
  if (before) DeactivateWindow(before, hwnd);
  Exchange(&InputOwners::active, hwnd);
  BringWindowToTop(hwnd);
  RedrawCaption(hwnd);
  SendMessage(hwnd, WM_ACTIVATE, how, static_cast<LParam>(before.AsParam()));
}

void DeactivateWindow(Hwnd hwnd, Hwnd next) {
  if (Read(&InputOwners::active) != hwnd) return;
  Exchange(&InputOwners::active, Hwnd{});
  RedrawCaption(hwnd);
  SendMessage(hwnd, WM_ACTIVATE, WA_INACTIVE, static_cast<LParam>(next.AsParam()));
  Hwnd focus = GetFocus();
  if (focus && (focus == hwnd || IsChild(hwnd, focus))) SetFocus(Hwnd{});
}

Hwnd SetActiveWindow(Hwnd hwnd) {
  Hwnd before = Read(&InputOwners::active);
  if (!IsWindow(hwnd) || (GetWindowStyle(hwnd) & WS_CHILD)) return before;
  ActivateWindow(hwnd, WA_ACTIVE);
  return before;
}

Hwnd GetActiveWindow() { return Read(&InputOwners::active); }

void ActivateOnClick(const Msg& msg) {
  if (!IsMouseDown(msg.message) || !msg.hwnd) return;
  Hwnd top = GetTopLevel(msg.hwnd);
  if (top && top != GetActiveWindow() && IsWindowEnabled(top)) ActivateWindow(top, WA_CLICKACTIVE);
}

Hwnd SetCapture(Hwnd hwnd) {
  if (!IsWindow(hwnd)) return Read(&InputOwners::capture);
  Hwnd before = Exchange(&InputOwners::capture, hwnd);
  if (before && before != hwnd) SendMessage(before, WM_CAPTURECHANGED, 0, static_cast<LParam>(hwnd.AsParam()));
  return before;
}

bool ReleaseCapture() {
  Hwnd before = Exchange(&InputOwners::capture, Hwnd{});
  if (before) SendMessage(before, WM_CAPTURECHANGED, 0, 0);
  return true;
}

Hwnd GetCapture() { return Read(&InputOwners::capture); }

}  // namespace qor::ui
