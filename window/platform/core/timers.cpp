#include "window/platform/core/timers.h"
#include "window/platform/core/detail/message_sources.h"

#include <algorithm>

#include "os/clock.h"
#include "window/platform/core/detail/thread_queue.h"
#include "window/platform/core/detail/window_records.h"
#include "window/platform/core/input.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"

namespace qor::ui {

using namespace detail;

uintptr_t SetTimer(Hwnd hwnd, uintptr_t id, uint32_t milliseconds, TimerProc proc) {
  ThreadQueue& queue = CurrentQueue();
  if (hwnd) {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window || window->queue != &queue) return 0;
  }
  uint32_t interval = std::max<uint32_t>(milliseconds, 1);
  uint64_t due = os::TickCount() + interval;
  {
    std::lock_guard<std::mutex> guard(queue.mutex);
    if (!hwnd) id = ++queue.nextThreadTimerId;
    auto running = std::find_if(queue.timers.begin(), queue.timers.end(),
                                [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    Timer timer{hwnd, id, interval, due, proc, ++queue.timerOrder};
    if (running != queue.timers.end()) {
      *running = timer;
    } else {
      queue.timers.push_back(timer);
    }
  }
  queue.Notify();  // a waiting thread must recompute its deadline
  return id;
}

bool KillTimer(Hwnd hwnd, uintptr_t id) {
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard<std::mutex> guard(queue.mutex);
  auto running = std::find_if(queue.timers.begin(), queue.timers.end(),
                              [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (running == queue.timers.end()) return false;
  queue.timers.erase(running);
  return true;
}

namespace detail {

bool NextTimerMessage(ThreadQueue& queue, Msg& msg, Hwnd filter, bool remove) {
  uint64_t now = os::TickCount();
  std::lock_guard<std::mutex> guard(queue.mutex);
  Timer* next = nullptr;
  for (Timer& t : queue.timers) {
    if (t.due > now) continue;
    if (filter && !(t.hwnd == filter || IsChild(filter, t.hwnd))) continue;
    if (!next || t.due < next->due || (t.due == next->due && t.order < next->order)) next = &t;
  }
  if (!next) return false;
  msg = Msg{next->hwnd, WM_TIMER, next->id, reinterpret_cast<LParam>(next->proc), now, GetCursorPos(), 0};
  if (remove) next->due = now + next->interval;
  return true;
}

bool RunsTimerWithProc(ThreadQueue& queue, Hwnd hwnd, uintptr_t id, TimerProc proc) {
  std::lock_guard<std::mutex> guard(queue.mutex);
  return std::any_of(queue.timers.begin(), queue.timers.end(),
                     [&](const Timer& t) { return t.hwnd == hwnd && t.id == id && t.proc == proc && proc; });
}

void KillWindowTimers(ThreadQueue& queue, Hwnd hwnd) {
  std::lock_guard<std::mutex> guard(queue.mutex);
  std::erase_if(queue.timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

}  // namespace detail

std::optional<uint64_t> NextTimerDueOfThisThread() { return detail::CurrentQueue().NextTimerDue(); }

}  // namespace qor::ui
