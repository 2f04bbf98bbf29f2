#include "os/thread_id.h"

#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>

namespace qor::os {
namespace {

// Asking the kernel costs a system call; the answers are kept, and forgotten in the child
// of a fork, where every thread id and the process id are new.
std::atomic<uint32_t> g_forkGeneration{1};
std::atomic<ThreadId> g_mainThread{0};

void ForgetAfterFork() {
  g_forkGeneration.fetch_add(1);
  g_mainThread.store(0);
}

const bool g_registered = [] {
  pthread_atfork(nullptr, nullptr, ForgetAfterFork);
  return true;
}();

}  // namespace

ThreadId CurrentThreadId() {
  thread_local ThreadId id = 0;
  thread_local uint32_t generation = 0;
  uint32_t now = g_forkGeneration.load(std::memory_order_relaxed);
  if (generation != now) {
    id = static_cast<ThreadId>(syscall(SYS_gettid));
    generation = now;
  }
  return id;
}

ThreadId MainThreadId() {
  ThreadId main = g_mainThread.load(std::memory_order_relaxed);
  if (main == 0) {
    main = static_cast<ThreadId>(getpid());
    g_mainThread.store(main, std::memory_order_relaxed);
  }
  return main;
}

bool IsMainThread() { return CurrentThreadId() == MainThreadId(); }

}  // namespace qor::os
