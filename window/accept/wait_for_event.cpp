#include "window/accept/wait_for_event.h"

#include "window/accept/idle_hooks.h"
#include "window/accept/select_control.h"
#include "window/controls/control.h"
#include "window/events/thread_switches.h"
#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/queue_event.h"
#include "window/events/runtime_messages.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "os/global_lock.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/dialogs/dialog.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win {
namespace {

constexpr uint32_t kShiftBit = 0x100;
constexpr uint32_t kCtrlBit = 0x200;
constexpr uint32_t kAltBit = 0x400;

bool Down(uint32_t key) { return ui::GetKeyState(key) < 0; }

void NoteKey(const ui::Msg& msg, detail::ThreadState& thread) {
  if (msg.message != ui::WM_KEYDOWN && msg.message != ui::WM_SYSKEYDOWN) return;
  uint32_t key = static_cast<uint32_t>(msg.wParam) & 0xFF;
  if (Down(ui::VK_SHIFT)) key |= kShiftBit;
  if (Down(ui::VK_CONTROL)) key |= kCtrlBit;
  if (Down(ui::VK_MENU) || msg.message == ui::WM_SYSKEYDOWN) key |= kAltBit;
  thread.lastKey = key;
}

bool TakeQueued(Window& window, detail::EventRecord& event) {
  if (!window.queue.Take(event)) return false;
  if (event.code == event::Timer + kEventBase) window.timerPending = false;
  return true;
}

void RunIdleWork(Window& window) {
  ui::Msg pending;
  if (ui::PeekMessage(pending, ui::Hwnd{}, 0, 0, ui::PM_NOREMOVE)) return;
  if (window.completing && AdvanceCompletionPass(window)) return;
  RunIdleCallbacks();
}

bool NextSystemMessage(ui::Msg& msg) {
  os::GlobalLockYield unlocked;
  RunIdleHook();
  return ui::GetMessage(msg);
}

// Enter first lets the focused control accept its edit in place; a refusal ends it there.
bool EnterRefused(const Window& window, const ui::Msg& msg) {
  if (msg.message != ui::WM_KEYDOWN || msg.wParam != ui::VK_RETURN || !window.focus) return false;
  if (window.focus->Handle() != ui::GetFocus()) return false;
  return !window.focus->AcceptInPlace();
}

// The window's keyboard: Tab and Shift+Tab through the tab stops in creation order
// (entering a field selects its text), Enter the default button when there is one.
bool DialogKey(const Window& window, const ui::Msg& msg) {
  if (EnterRefused(window, msg)) return true;
  return window.IsOpen() && ui::IsDialogMessage(window.handle, msg);
}

// A key the focused control holds as an alert key raises EVENT:AlertKey on it and goes
// no further.
bool AlertKeyRaised(Window& window, const ui::Msg& msg, const detail::ThreadState& thread) {
  if (msg.message != ui::WM_KEYDOWN && msg.message != ui::WM_SYSKEYDOWN) return false;
  Control* focus = window.focus;
  if (!focus || focus->Number() == 0 || !focus->IsAlertKey(thread.lastKey)) return false;
  ui::Hwnd focused = ui::GetFocus();
  if (focused != focus->Handle() && !ui::IsChild(focus->Handle(), focused)) return false;
  QueueEvent(window, event::AlertKey, focus->Number());
  return true;
}

void Serve(const ui::Msg& msg, Window& window, detail::ThreadState& thread) {
  if (msg.message == kBringToTopMessage && !msg.hwnd) {
    if (thread.active && thread.active->IsOpen()) ui::BringWindowToTop(thread.active->handle);
    return;
  }
  NoteKey(msg, thread);
  if (AlertKeyRaised(window, msg, thread)) return;
  if (DialogKey(window, msg)) return;
  ui::TranslateMessage(msg);
  ui::DispatchMessage(msg);
}

}  // namespace

bool WaitForEvent(Window& window, detail::ThreadState& thread, detail::EventRecord& event) {
  while (window.IsOpen() && ui::IsWindow(window.handle)) {
    CheckActiveThread();
    if (TakeQueued(window, event)) return true;
    RunIdleWork(window);
    if (!window.queue.Empty()) continue;
    ui::Msg msg;
    if (!NextSystemMessage(msg)) {
      CloseWindow(&window);
      ui::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    Serve(msg, window, thread);
  }
  return false;
}

}  // namespace qor::win
