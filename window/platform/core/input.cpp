#include "window/platform/core/input.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <mutex>

#include "os/clock.h"
#include "window/platform/core/detail/thread_queue.h"
#include "window/platform/core/detail/window_records.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/host.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui {

using namespace detail;

namespace {

struct LastClick {
  Hwnd hwnd;
  MouseButton button = MouseButton::Left;
  uint64_t time = 0;
  Point at;
  bool armed = false;  // a press that a second one may turn into a double click
};

struct InputState {
  std::mutex mutex;
  std::array<uint8_t, 256> keys{};  // bit 0x80 down, bit 0x01 toggled
  Point cursor;
  LastClick lastClick;
  CursorHandle cursorShape = CursorHandle::None;
  CursorHandle override = CursorHandle::None;
};

InputState& State() {
  static InputState state;
  return state;
}

constexpr uint32_t kButtonKey[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
constexpr uint32_t kDownMessage[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};

bool Held(const InputState& s, uint32_t key) { return (s.keys[key & 0xFF] & 0x80) != 0; }

void SetKey(InputState& s, uint32_t key, bool down) {
  uint8_t& k = s.keys[key & 0xFF];
  if (down && !(k & 0x80)) k ^= 0x01;
  k = static_cast<uint8_t>(down ? (k | 0x80) : (k & ~0x80));
}

uint32_t FlagsLocked(const InputState& s) {
  uint32_t flags = 0;
  if (Held(s, VK_LBUTTON)) flags |= MK_LBUTTON;
  if (Held(s, VK_RBUTTON)) flags |= MK_RBUTTON;
  if (Held(s, VK_MBUTTON)) flags |= MK_MBUTTON;
  if (Held(s, VK_SHIFT)) flags |= MK_SHIFT;
  if (Held(s, VK_CONTROL)) flags |= MK_CONTROL;
  return flags;
}

// The window a mouse event at a screen point goes to, or null.
Hwnd MouseTarget(Point screen) {
  if (Hwnd capture = GetCapture()) return capture;
  Hwnd under = WindowFromPoint(screen);
  return under && InClientArea(under, screen) ? under : Hwnd{};
}

// Mouse moves are merged while they wait: a move for the window whose move is the last
// message queued replaces that one, so a slow reader gets the latest position only.
bool ReplaceWaitingMove(ThreadQueue& queue, const Msg& move) {
  {
    std::lock_guard<std::mutex> guard(queue.mutex);
    if (queue.posted.empty()) return false;
    Msg& last = queue.posted.back();
    if (last.message != WM_MOUSEMOVE || last.hwnd != move.hwnd) return false;
    last = move;
  }
  queue.Notify();
  return true;
}

void Post(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam, Point screen, uint32_t character) {
  ThreadQueue* queue = nullptr;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window) return;
    queue = window->queue;
  }
  Msg msg{hwnd, message, wParam, lParam, os::TickCount(), screen, character};
  if (message == WM_MOUSEMOVE && ReplaceWaitingMove(*queue, msg)) return;
  PostToQueue(*queue, msg);
}

LParam ClientPoint(Hwnd hwnd, Point screen) {
  Point client = ScreenToClient(hwnd, screen);
  return PackPoint(client.x, client.y);
}

// Decides between a press and a double click, and remembers the press.
bool IsDoubleClick(InputState& s, Hwnd target, MouseButton button, Point screen, uint64_t now) {
  LastClick& last = s.lastClick;
  bool dbl = last.armed && last.hwnd == target && last.button == button && now - last.time <= kDoubleClickTime &&
             std::abs(screen.x - last.at.x) <= kDoubleClickDistance &&
             std::abs(screen.y - last.at.y) <= kDoubleClickDistance && (GetClassStyle(target) & CS_DBLCLKS);
  last = LastClick{target, button, now, screen, !dbl};
  return dbl;
}

// What the pointer shows over the window the mouse goes to: the override while there is
// one, else the class cursor (see input.h).
CursorHandle PointerCursor(Hwnd target) {
  CursorHandle forced = GetOverrideCursor();
  return forced != CursorHandle::None ? forced : ClassCursorUnder(target);
}

void FollowPointer(Hwnd target) { SetCursor(PointerCursor(target)); }

}  // namespace

void HostMouseMove(Point screen) {
  auto& s = State();
  uint32_t flags;
  {
    std::lock_guard<std::mutex> guard(s.mutex);
    s.cursor = screen;
    flags = FlagsLocked(s);
  }
  Hwnd target = MouseTarget(screen);
  FollowPointer(target);
  if (target) Post(target, WM_MOUSEMOVE, flags, ClientPoint(target, screen), screen, 0);
}

void HostMouseButton(MouseButton button, bool down, Point screen) {
  auto& s = State();
  auto index = static_cast<size_t>(button);
  Hwnd target = MouseTarget(screen);
  uint32_t flags;
  bool dbl = false;
  {
    std::lock_guard<std::mutex> guard(s.mutex);
    s.cursor = screen;
    SetKey(s, kButtonKey[index], down);
    flags = FlagsLocked(s);
    if (down && target) dbl = IsDoubleClick(s, target, button, screen, os::TickCount());
  }
  FollowPointer(target);
  if (!target) return;
  uint32_t message = kDownMessage[index] + (down ? (dbl ? 2 : 0) : 1);
  Post(target, message, flags, ClientPoint(target, screen), screen, 0);
}

void HostKey(uint32_t keyCode, bool down, uint32_t character) {
  auto& s = State();
  bool wasDown;
  bool alt;
  bool control;
  Point cursor;
  {
    std::lock_guard<std::mutex> guard(s.mutex);
    wasDown = Held(s, keyCode);
    SetKey(s, keyCode, down);
    alt = Held(s, VK_MENU);
    control = Held(s, VK_CONTROL);
    cursor = s.cursor;
  }
  Hwnd target = GetFocus();
  if (!target) target = GetActiveWindow();
  if (!target) return;
  bool system = (alt && !control) || keyCode == VK_F10 || keyCode == VK_MENU;
  uint32_t message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  uint32_t flags = 1;  // repeat count
  if (alt) flags |= 1u << 29;
  if (wasDown) flags |= 1u << 30;
  if (!down) flags |= 1u << 31;
  Post(target, message, keyCode, static_cast<LParam>(flags), cursor, down ? character : 0);
}

int16_t GetKeyState(uint32_t keyCode) {
  auto& s = State();
  std::lock_guard<std::mutex> guard(s.mutex);
  uint8_t k = s.keys[keyCode & 0xFF];
  return static_cast<int16_t>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

Point GetCursorPos() {
  auto& s = State();
  std::lock_guard<std::mutex> guard(s.mutex);
  return s.cursor;
}

uint32_t MouseKeyFlags() {
  auto& s = State();
  std::lock_guard<std::mutex> guard(s.mutex);
  return FlagsLocked(s);
}

CursorHandle SetCursor(CursorHandle cursor) {
  auto& s = State();
  CursorHandle before;
  {
    std::lock_guard<std::mutex> guard(s.mutex);
    before = s.cursorShape;
    s.cursorShape = cursor;
  }
  if (before != cursor) CurrentHost().CursorChanged(cursor);
  return before;
}

CursorHandle ClassCursorUnder(Hwnd hwnd) {
  for (Hwnd at = hwnd; at; at = GetParent(at)) {
    if (CursorHandle cursor = GetClassCursor(at); cursor != CursorHandle::None) return cursor;
  }
  return static_cast<CursorHandle>(IDC_ARROW);  // a stock cursor's handle is its number
}

CursorHandle SetOverrideCursor(CursorHandle cursor) {
  auto& s = State();
  CursorHandle before;
  Point pointer;
  {
    std::lock_guard<std::mutex> guard(s.mutex);
    before = s.override;
    s.override = cursor;
    pointer = s.cursor;
  }
  FollowPointer(MouseTarget(pointer));
  return before;
}

CursorHandle GetOverrideCursor() {
  auto& s = State();
  std::lock_guard<std::mutex> guard(s.mutex);
  return s.override;
}

CursorHandle GetCursor() {
  auto& s = State();
  std::lock_guard<std::mutex> guard(s.mutex);
  return s.cursorShape;
}

void MessageBeep(uint32_t sound) { CurrentHost().Beep(sound); }

}  // namespace qor::ui
