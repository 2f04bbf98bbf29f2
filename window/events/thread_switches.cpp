#include "window/events/thread_switches.h"

#include <atomic>
#include <mutex>

#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/queue_event.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/window.h"

namespace qor::win {
namespace {

std::mutex gSwitchLock;
int32_t gActiveThread = 0;    // number of the thread whose window was active at the last look
int32_t gLastBodyThread = 0;  // number of the thread that ran a loop body last

int32_t ThreadOfActiveWindow() {
  ui::Hwnd active = ui::GetActiveWindow();
  if (!active) return 0;
  detail::ThreadState* thread = detail::ThreadOf(ui::GetWindowThread(active));
  return thread ? thread->number : 0;
}

void QueueOnThread(int32_t number, uint32_t code) {
  Window* window = detail::ActiveWindowOf(number);
  if (window && window->IsOpen()) QueueEvent(*window, code, 0);
}

}  // namespace

void CheckActiveThread() {
  int32_t now = ThreadOfActiveWindow();
  int32_t before;
  {
    std::lock_guard lock(gSwitchLock);
    if (now == gActiveThread) return;
    before = gActiveThread;
    gActiveThread = now;
  }
  if (before) QueueOnThread(before, event::LoseFocus);
  if (now) QueueOnThread(now, event::GainFocus);
}

void NoteWindowOpened(int32_t threadNumber) {
  std::lock_guard lock(gSwitchLock);
  if (gActiveThread == threadNumber) gActiveThread = 0;
}

void NoteBodyAboutToRun(Window& window) {
  int32_t self = window.thread ? window.thread->number : 0;
  int32_t before;
  {
    std::lock_guard lock(gSwitchLock);
    before = gLastBodyThread;
    gLastBodyThread = self;
  }
  if (before && before != self) {
    Window* other = detail::ActiveWindowOf(before);
    if (other && other->IsOpen()) {
      other->suspended = true;
      QueueEvent(*other, event::Suspend, 0);
    }
  }
  if (window.suspended) {
    window.suspended = false;
    QueueEvent(window, event::Resume, 0);
  }
}

void ResetThreadSwitches() {
  std::lock_guard lock(gSwitchLock);
  gActiveThread = gLastBodyThread = 0;
}

}  // namespace qor::win
