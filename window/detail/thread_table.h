#pragma once
// Internal: the table of language threads. Up to 64 threads, numbered from 1; a thread
// takes the lowest free number the first time it asks for its state and gives it back
// when it ends. Each entry keeps the thread's active window, its target, its current
// event, its last key and its open windows. A thread's own entry is touched by that
// thread only, except for the active window, which posts from other threads read under
// the table's lock.
#include <cstdint>
#include <functional>
#include <vector>

#include "os/thread_id.h"
#include "window/detail/event_queue.h"

namespace qor::win {
struct Window;
}

namespace qor::win::detail {

inline constexpr int32_t kThreadLimit = 64;

struct ThreadState {
  os::ThreadId id = 0;               // 0: the entry is free
  int32_t number = 0;
  Window* active = nullptr;
  Window* target = nullptr;
  int32_t targetThread = 0;
  bool hasCurrent = false;           // the current event lives until the next take
  EventRecord current;
  uint32_t lastKey = 0;              // key value plus 100h Shift, 200h Ctrl, 400h Alt
  std::vector<Window*> open;   // open windows, the newest last
};

// The calling thread's entry, taking a number on first use; null when all 64 are taken.
ThreadState* CallingThread();
// The entry with number `number`; null outside 1-64 or for a free number.
ThreadState* ThreadByNumber(int32_t number);
// The entry of a system thread; null when that thread has no number.
ThreadState* ThreadOf(os::ThreadId id);
// Calls `visit` for every entry in use, in number order.
void ForEachThread(const std::function<void(ThreadState&)>& visit);
// The thread's active window, read under the table's lock (for posts from elsewhere).
Window* ActiveWindowOf(int32_t number);
void SetActiveWindow(ThreadState& thread, Window* window);
// Frees every entry (shutdown).
void ReleaseThreadTable();

}  // namespace qor::win::detail
