#include "window/detail/thread_table.h"

#include <array>
#include <mutex>

namespace qor::win::detail {
namespace {

std::mutex& TableLock() {
  static std::mutex lock;
  return lock;
}

std::array<ThreadState, kThreadLimit>& Table() {
  static std::array<ThreadState, kThreadLimit> table;
  return table;
}

void Free(ThreadState& entry) {
  int32_t number = entry.number;
  entry = ThreadState{};
  entry.number = number;
}

// Gives the thread's number back when the thread ends.
struct ThreadExit {
  ThreadState* entry = nullptr;
  ~ThreadExit() {
    if (!entry) return;
    std::lock_guard lock(TableLock());
    if (entry->id == os::CurrentThreadId()) Free(*entry);
  }
};

thread_local ThreadExit tExit;

ThreadState* Claim(os::ThreadId id) {
  std::lock_guard lock(TableLock());
  for (ThreadState& entry : Table()) {
    if (entry.id != 0) continue;
    entry.id = id;
    return &entry;
  }
  return nullptr;
}

}  // namespace

ThreadState* CallingThread() {
  os::ThreadId id = os::CurrentThreadId();
  if (tExit.entry && tExit.entry->id == id) return tExit.entry;
  static const bool numbered = [] {
    for (int32_t i = 0; i < kThreadLimit; ++i) Table()[i].number = i + 1;
    return true;
  }();
  (void)numbered;
  tExit.entry = Claim(id);
  return tExit.entry;
}

ThreadState* ThreadByNumber(int32_t number) {
  if (number < 1 || number > kThreadLimit) return nullptr;
  ThreadState& entry = Table()[number - 1];
  return entry.id ? &entry : nullptr;
}

ThreadState* ThreadOf(os::ThreadId id) {
  if (id == 0) return nullptr;
  for (ThreadState& entry : Table()) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

void ForEachThread(const std::function<void(ThreadState&)>& visit) {
  for (ThreadState& entry : Table()) {
    if (entry.id) visit(entry);
  }
}

Window* ActiveWindowOf(int32_t number) {
  std::lock_guard lock(TableLock());
  ThreadState* entry = ThreadByNumber(number);
  return entry ? entry->active : nullptr;
}

void SetActiveWindow(ThreadState& thread, Window* window) {
  std::lock_guard lock(TableLock());
  thread.active = window;
}

void ReleaseThreadTable() {
  std::lock_guard lock(TableLock());
  for (ThreadState& entry : Table()) Free(entry);
}

}  // namespace qor::win::detail
