#include "window/platform/core/window_attributes.h"

#include <cstring>

#include "window/platform/core/detail/window_records.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/host.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui {

using namespace detail;

namespace {

template <typename T, typename Read>
T ReadWindow(Hwnd hwnd, T fallback, Read read) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window ? read(*window) : fallback;
}

// Sets or clears style bits; returns the previous style, or nullopt for no window.
std::optional<uint32_t> ChangeStyleBits(Hwnd hwnd, uint32_t bits, bool set) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return std::nullopt;
  uint32_t before = window->style;
  window->style = set ? (before | bits) : (before & ~bits);
  return before;
}

bool FocusWithin(Hwnd hwnd) {
  Hwnd focus = GetFocus();
  return focus && (focus == hwnd || IsChild(hwnd, focus));
}

void Hide(Hwnd hwnd) {
  SendMessage(hwnd, WM_SHOWWINDOW, 0, 0);
  if (GetActiveWindow() == hwnd) DeactivateWindow(hwnd);
  if (FocusWithin(hwnd)) SetFocus(Hwnd{});
  ChangeStyleBits(hwnd, WS_VISIBLE, false);
  ForgetTreeUpdateAreas(hwnd);
  if (Hwnd parent = GetParent(hwnd)) InvalidateUncovered(parent, GetWindowPlacement(hwnd));
  CurrentHost().WindowChanged(hwnd, WindowChange::Hidden);
}

void Show(Hwnd hwnd, int command) {
  SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
  ChangeStyleBits(hwnd, WS_VISIBLE, true);
  InvalidateTree(hwnd);
  CurrentHost().WindowChanged(hwnd, WindowChange::Shown);
  bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE;
  if (activate && !(GetWindowStyle(hwnd) & WS_CHILD)) SetActiveWindow(hwnd);
}

// True if the window and every ancestor have `bit` as `wanted` (a live window only).
bool StyleUpTheTree(Hwnd hwnd, uint32_t bit, uint32_t wanted) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return false;
  for (; window; window = window->parent ? FindWindow(window->parent) : nullptr) {
    if ((window->style & bit) != wanted) return false;
  }
  return true;
}

bool InsideExtra(const WindowRecord& window, int offset, size_t size) {
  return offset >= 0 && static_cast<size_t>(offset) + size <= window.extra.size();
}

}  // namespace

uint32_t GetWindowStyle(Hwnd hwnd) {
  return ReadWindow(hwnd, 0u, [](const WindowRecord& w) { return w.style; });
}

uint32_t GetWindowExStyle(Hwnd hwnd) {
  return ReadWindow(hwnd, 0u, [](const WindowRecord& w) { return w.exStyle; });
}

uint32_t SetWindowExStyle(Hwnd hwnd, uint32_t exStyle) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return 0;
  uint32_t before = window->exStyle;
  window->exStyle = exStyle;
  return before;
}

uint32_t SetWindowStyle(Hwnd hwnd, uint32_t style) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return 0;
  uint32_t before = window->style;
  constexpr uint32_t kManaged = WS_VISIBLE | WS_DISABLED;
  window->style = (before & kManaged) | (style & ~kManaged);
  return before;
}

bool ShowWindow(Hwnd hwnd, int command) {
  if (!IsWindow(hwnd)) return false;
  bool wasVisible = (GetWindowStyle(hwnd) & WS_VISIBLE) != 0;
  bool show = command != SW_HIDE;
  if (show && !wasVisible) Show(hwnd, command);
  if (show && wasVisible && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
      !(GetWindowStyle(hwnd) & WS_CHILD)) {
    SetActiveWindow(hwnd);
  }
  if (!show && wasVisible) Hide(hwnd);
  return wasVisible;
}

bool IsWindowVisible(Hwnd hwnd) { return StyleUpTheTree(hwnd, WS_VISIBLE, WS_VISIBLE); }

bool EnableWindow(Hwnd hwnd, bool enable) {
  std::optional<uint32_t> before = ChangeStyleBits(hwnd, WS_DISABLED, !enable);
  if (!before) return false;
  bool wasDisabled = (*before & WS_DISABLED) != 0;
  if (wasDisabled == !enable) return wasDisabled;
  if (!enable && FocusWithin(hwnd)) SetFocus(Hwnd{});
  // The window redraws itself if its look changes (the system controls do).
  SendMessage(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
  return wasDisabled;
}

bool IsWindowEnabled(Hwnd hwnd) { return StyleUpTheTree(hwnd, WS_DISABLED, 0); }

bool IsWindowEnabledItself(Hwnd hwnd) {
  return ReadWindow(hwnd, false, [](const WindowRecord& w) { return (w.style & WS_DISABLED) == 0; });
}

bool SetWindowText(Hwnd hwnd, const std::string& text) {
  if (!IsWindow(hwnd)) return false;
  return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LParam>(text.c_str())) != 0;
}

std::string GetWindowText(Hwnd hwnd) {
  if (!IsWindow(hwnd)) return {};
  LResult length = SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  LResult copied = SendMessage(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LParam>(text.data()));
  text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
  return text;
}

bool StoreWindowText(Hwnd hwnd, std::string_view text) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return false;
  window->text = text;
  return true;
}

std::string StoredWindowText(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window ? window->text : std::string();
}

WindowProc SetWindowProc(Hwnd hwnd, WindowProc proc) {
  if (!proc) return nullptr;
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return nullptr;
  WindowProc before = window->proc;
  window->proc = proc;
  return before;
}

WindowProc GetWindowProc(Hwnd hwnd) {
  return ReadWindow(hwnd, WindowProc{nullptr}, [](const WindowRecord& w) { return w.proc; });
}

namespace {

template <typename T>
T ReadExtra(Hwnd hwnd, int offset) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  T value{};
  if (window && InsideExtra(*window, offset, sizeof value)) {
    std::memcpy(&value, window->extra.data() + offset, sizeof value);
  }
  return value;
}

template <typename T>
bool WriteExtra(Hwnd hwnd, int offset, T value) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window || !InsideExtra(*window, offset, sizeof value)) return false;
  std::memcpy(window->extra.data() + offset, &value, sizeof value);
  return true;
}

}  // namespace

intptr_t GetWindowExtra(Hwnd hwnd, int offset) { return ReadExtra<intptr_t>(hwnd, offset); }
bool SetWindowExtra(Hwnd hwnd, int offset, intptr_t value) { return WriteExtra(hwnd, offset, value); }
uint32_t GetWindowExtra32(Hwnd hwnd, int offset) { return ReadExtra<uint32_t>(hwnd, offset); }
bool SetWindowExtra32(Hwnd hwnd, int offset, uint32_t value) { return WriteExtra(hwnd, offset, value); }

}  // namespace qor::ui
