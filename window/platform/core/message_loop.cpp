#include "window/platform/core/message_loop.h"
#include "window/platform/core/detail/message_sources.h"

#include <algorithm>

#include "os/clock.h"
#include "window/platform/core/detail/thread_queue.h"
#include "window/platform/core/detail/window_records.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/host.h"
#include "window/platform/core/input.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/session.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window.h"

namespace qor::ui {

using namespace detail;

namespace {

thread_local Msg t_lastRead;

bool InRange(uint32_t message, uint32_t first, uint32_t last) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

// A window filter accepts the window and its descendants.
bool MatchesFilter(Hwnd hwnd, Hwnd filter) {
  if (!filter) return true;
  return hwnd == filter || IsChild(filter, hwnd);
}

LResult CallTarget(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  WindowProc proc = nullptr;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window) return 0;
    proc = window->proc;
  }
  return proc(hwnd, message, wParam, lParam);
}

// Serves every message other threads have sent to this one.
void ServeInbox(ThreadQueue& queue) {
  for (;;) {
    SentMessage* sent = nullptr;
    {
      std::lock_guard<std::mutex> guard(queue.mutex);
      if (queue.inbox.empty()) return;
      sent = queue.inbox.front();
      queue.inbox.pop_front();
    }
    LResult result = CallTarget(sent->hwnd, sent->message, sent->wParam, sent->lParam);
    ThreadQueue* sender = sent->sender;
    {
      std::lock_guard<std::mutex> guard(sender->mutex);
      sent->result = result;
      sent->done = true;
    }
    sender->Notify();
  }
}

bool TakePosted(ThreadQueue& queue, Msg& msg, Hwnd filter, uint32_t first, uint32_t last, bool remove) {
  std::lock_guard<std::mutex> guard(queue.mutex);
  for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
    if (!InRange(it->message, first, last)) continue;
    if (filter && !it->hwnd) continue;
    if (filter && !MatchesFilter(it->hwnd, filter)) continue;
    msg = *it;
    if (remove) queue.posted.erase(it);
    return true;
  }
  return false;
}

bool TakeQuit(ThreadQueue& queue, Msg& msg, uint32_t first, uint32_t last, bool remove) {
  std::lock_guard<std::mutex> guard(queue.mutex);
  if (!queue.quitPosted || !InRange(WM_QUIT, first, last)) return false;
  msg = Msg{};
  msg.message = WM_QUIT;
  msg.wParam = static_cast<WParam>(queue.quitCode);
  msg.time = os::TickCount();
  if (remove) queue.quitPosted = false;
  return true;
}

// One look at the queue, serving sent messages first.
bool LookOnce(ThreadQueue& queue, Msg& msg, Hwnd filter, uint32_t first, uint32_t last, bool remove) {
  ServeInbox(queue);
  if (IsHostThread()) ServeTerminationRequest();
  bool found = TakePosted(queue, msg, filter, first, last, remove) ||
               TakeQuit(queue, msg, first, last, remove) ||
               (InRange(WM_PAINT, first, last) && NextPaintMessage(queue, msg, filter)) ||
               (InRange(WM_TIMER, first, last) && NextTimerMessage(queue, msg, filter, remove));
  if (!found) return false;
  if (remove) {
    t_lastRead = msg;
    ActivateOnClick(msg);
  }
  return true;
}

// A wait ends when the next timer falls due. A timer already due that the reader's filter
// leaves out cannot end it: waiting for it would spin.
std::optional<uint64_t> WaitDeadline(ThreadQueue& queue) { return queue.NextTimerDue(os::TickCount()); }

}  // namespace

bool PostMessage(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  ThreadQueue* queue = &CurrentQueue();
  if (hwnd) {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window) return false;
    queue = window->queue;
  }
  Msg msg{hwnd, message, wParam, lParam, os::TickCount(), GetCursorPos(), 0};
  return detail::PostToQueue(*queue, msg);
}

bool PostThreadMessage(uint32_t thread, uint32_t message, WParam wParam, LParam lParam) {
  ThreadQueue* queue = thread == os::CurrentThreadId() ? &CurrentQueue() : QueueOfThread(thread);
  if (!queue) return false;
  Msg msg{Hwnd{}, message, wParam, lParam, os::TickCount(), GetCursorPos(), 0};
  return detail::PostToQueue(*queue, msg);
}

LResult SendMessage(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  ThreadQueue* target = nullptr;
  WindowProc proc = nullptr;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window) return 0;
    target = window->queue;
    proc = window->proc;
  }
  ThreadQueue& self = CurrentQueue();
  if (target == &self) return proc(hwnd, message, wParam, lParam);

  SentMessage sent{hwnd, message, wParam, lParam, 0, false, &self};
  {
    std::lock_guard<std::mutex> guard(target->mutex);
    target->inbox.push_back(&sent);
  }
  target->Notify();
  for (;;) {
    ServeInbox(self);
    std::unique_lock<std::mutex> guard(self.mutex);
    if (sent.done) return sent.result;
    self.signal.wait(guard, [&] { return sent.done || self.woken || !self.inbox.empty(); });
    self.woken = false;
    if (sent.done) return sent.result;
  }
}

LResult CallWindowProc(WindowProc proc, Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

bool PeekMessage(Msg& msg, Hwnd filter, uint32_t first, uint32_t last, uint32_t remove) {
  return LookOnce(CurrentQueue(), msg, filter, first, last, (remove & PM_REMOVE) != 0);
}

bool GetMessage(Msg& msg, Hwnd filter, uint32_t first, uint32_t last) {
  ThreadQueue& queue = CurrentQueue();
  while (!LookOnce(queue, msg, filter, first, last, true)) queue.Wait(WaitDeadline(queue));
  return msg.message != WM_QUIT;
}

void WaitMessage() {
  ThreadQueue& queue = CurrentQueue();
  Msg ignored;
  if (LookOnce(queue, ignored, Hwnd{}, 0, 0, false)) return;
  queue.Wait(WaitDeadline(queue));
}

bool TranslateMessage(const Msg& msg) {
  if (msg.character == 0) return false;
  uint32_t translated = 0;
  if (msg.message == WM_KEYDOWN) translated = WM_CHAR;
  if (msg.message == WM_SYSKEYDOWN) translated = WM_SYSCHAR;
  if (translated == 0) return false;
  ThreadQueue& queue = CurrentQueue();
  Msg typed{msg.hwnd, translated, msg.character, msg.lParam, msg.time, msg.pt, 0};
  {
    std::lock_guard<std::mutex> guard(queue.mutex);
    queue.posted.push_front(typed);
  }
  return true;
}

LResult DispatchMessage(const Msg& msg) {
  // Only a timer the system runs may have its procedure called: a WM_TIMER posted by hand
  // goes to its window like any message, whatever its lParam holds.
  if (msg.message == WM_TIMER && msg.lParam != 0) {
    auto proc = reinterpret_cast<TimerProc>(msg.lParam);
    if (RunsTimerWithProc(CurrentQueue(), msg.hwnd, msg.wParam, proc)) {
      if (!msg.hwnd || IsWindow(msg.hwnd)) proc(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
      return 0;
    }
  }
  if (!msg.hwnd) return 0;
  return CallTarget(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

void PostQuitMessage(int exitCode) {
  ThreadQueue& queue = CurrentQueue();
  {
    std::lock_guard<std::mutex> guard(queue.mutex);
    queue.quitPosted = true;
    queue.quitCode = exitCode;
  }
  queue.Notify();
}

uint64_t GetMessageTime() { return t_lastRead.time; }
Point GetMessagePos() { return t_lastRead.pt; }

namespace detail {

bool PostToQueue(ThreadQueue& queue, const Msg& msg) {
  {
    std::lock_guard<std::mutex> guard(queue.mutex);
    queue.posted.push_back(msg);
  }
  queue.Notify();
  return true;
}

}  // namespace detail

}  // namespace qor::ui
