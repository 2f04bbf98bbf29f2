#pragma once
// Internal: the message queue of one thread. Posted messages wait in order; messages
// sent from other threads wait in the inbox and are served whenever the thread reads
// its queue; timers and quit are flags that produce their message when the queue is read.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include "os/thread_id.h"
#include "window/platform/core/types.h"

namespace qor::ui::detail {

struct ThreadQueue;

struct SentMessage {
  Hwnd hwnd;
  uint32_t message = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  LResult result = 0;
  bool done = false;           // guarded by the sender's mutex
  ThreadQueue* sender = nullptr;
};

struct Timer {
  Hwnd hwnd;
  uintptr_t id = 0;
  uint32_t interval = 0;
  uint64_t due = 0;
  TimerProc proc = nullptr;
  uint64_t order = 0;          // setting order, to keep timers due together in order
};

struct ThreadQueue {
  os::ThreadId thread = 0;
  std::mutex mutex;
  std::condition_variable signal;
  bool woken = false;
  std::deque<Msg> posted;
  std::deque<SentMessage*> inbox;
  std::vector<Timer> timers;
  uint64_t timerOrder = 0;
  uintptr_t nextThreadTimerId = 0x7FFF;
  bool quitPosted = false;
  int quitCode = 0;
  // The thread's visible windows waiting for painting, by handle (parents before their
  // children). Guarded by the registry lock, not by `mutex`.
  std::set<uint32_t> invalidWindows;

  // Wakes the thread if it waits. Safe from any thread.
  void Notify();
  // Blocks the calling (owning) thread until notified or the deadline (clock ticks).
  void Wait(std::optional<uint64_t> deadline);
  // The earliest time a timer falls due after `after`, if any timer runs.
  std::optional<uint64_t> NextTimerDue(uint64_t after = 0);
};

// Appends a message to a queue and wakes its thread.
bool PostToQueue(ThreadQueue& queue, const Msg& msg);

// The calling thread's queue, made on first use. Queues live as long as the process.
ThreadQueue& CurrentQueue();
ThreadQueue* QueueOfThread(os::ThreadId thread);
// Every queue that exists (for waking them all).
std::vector<ThreadQueue*> AllQueues();

}  // namespace qor::ui::detail
