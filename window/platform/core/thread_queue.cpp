#include "window/platform/core/detail/thread_queue.h"

#include <algorithm>
#include <chrono>
#include <memory>

#include "os/clock.h"
#include "window/platform/core/host.h"

namespace qor::ui::detail {
namespace {

struct QueueList {
  std::mutex mutex;
  std::vector<std::unique_ptr<ThreadQueue>> queues;
};

QueueList& Queues() {
  static QueueList list;
  return list;
}

}  // namespace

void ThreadQueue::Notify() {
  {
    std::lock_guard<std::mutex> guard(mutex);
    woken = true;
  }
  signal.notify_all();
  // The host thread waits inside the host, not on the condition.
  if (thread == HostThread() && thread != os::CurrentThreadId()) CurrentHost().Wake();
}

void ThreadQueue::Wait(std::optional<uint64_t> deadline) {
  if (IsHostThread()) {
    {
      std::lock_guard<std::mutex> guard(mutex);
      if (woken) {
        woken = false;
        return;
      }
    }
    CurrentHost().Wait(deadline);
    std::lock_guard<std::mutex> guard(mutex);
    woken = false;
    return;
  }
  std::unique_lock<std::mutex> guard(mutex);
  if (deadline) {
    uint64_t now = os::TickCount();
    auto left = std::chrono::milliseconds(*deadline > now ? *deadline - now : 0);
    signal.wait_for(guard, left, [this] { return woken; });
  } else {
    signal.wait(guard, [this] { return woken; });
  }
  woken = false;
}

std::optional<uint64_t> ThreadQueue::NextTimerDue(uint64_t after) {
  std::lock_guard<std::mutex> guard(mutex);
  std::optional<uint64_t> earliest;
  for (const Timer& t : timers) {
    if (t.due > after && (!earliest || t.due < *earliest)) earliest = t.due;
  }
  return earliest;
}

ThreadQueue& CurrentQueue() {
  thread_local ThreadQueue* mine = nullptr;
  // The child of a fork runs on a new thread id and starts with a queue of its own.
  if (mine && mine->thread == os::CurrentThreadId()) return *mine;
  auto& list = Queues();
  std::lock_guard<std::mutex> guard(list.mutex);
  auto queue = std::make_unique<ThreadQueue>();
  queue->thread = os::CurrentThreadId();
  mine = queue.get();
  list.queues.push_back(std::move(queue));
  return *mine;
}

ThreadQueue* QueueOfThread(os::ThreadId thread) {
  auto& list = Queues();
  std::lock_guard<std::mutex> guard(list.mutex);
  // Thread ids are reused after a thread ends: the newest queue is the live one.
  for (auto q = list.queues.rbegin(); q != list.queues.rend(); ++q) {
    if ((*q)->thread == thread) return q->get();
  }
  return nullptr;
}

std::vector<ThreadQueue*> AllQueues() {
  auto& list = Queues();
  std::lock_guard<std::mutex> guard(list.mutex);
  std::vector<ThreadQueue*> all;
  for (auto& q : list.queues) all.push_back(q.get());
  return all;
}

}  // namespace qor::ui::detail
