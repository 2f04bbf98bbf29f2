#include "window/platform/os/thread_id.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace qor::os {

ThreadId CurrentThreadId() {
  thread_local ThreadId id = static_cast<ThreadId>(syscall(SYS_gettid));
  return id;
}

ThreadId MainThreadId() { return static_cast<ThreadId>(getpid()); }

bool IsMainThread() { return CurrentThreadId() == MainThreadId(); }

}  // namespace qor::os
