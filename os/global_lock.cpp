#include "os/global_lock.h"

namespace qor::os {

void OwnedSemaphore::Acquire() { Restore(1); }

bool OwnedSemaphore::TryAcquire() {
  std::lock_guard<std::mutex> guard(mutex_);
  ThreadId self = CurrentThreadId();
  if (owner_ != 0 && owner_ != self) return false;
  owner_ = self;
  ++depth_;
  return true;
}

bool OwnedSemaphore::Release() {
  std::lock_guard<std::mutex> guard(mutex_);
  if (owner_ != CurrentThreadId() || depth_ == 0) return false;
  if (--depth_ == 0) {
    owner_ = 0;
    freed_.notify_one();
  }
  return true;
}

uint32_t OwnedSemaphore::ReleaseAll() {
  std::lock_guard<std::mutex> guard(mutex_);
  if (owner_ != CurrentThreadId()) return 0;
  uint32_t held = depth_;
  depth_ = 0;
  owner_ = 0;
  freed_.notify_one();
  return held;
}

void OwnedSemaphore::Restore(uint32_t depth) {
  if (depth == 0) return;
  std::unique_lock<std::mutex> guard(mutex_);
  ThreadId self = CurrentThreadId();
  freed_.wait(guard, [&] { return owner_ == 0 || owner_ == self; });
  owner_ = self;
  depth_ += depth;
}

ThreadId OwnedSemaphore::Owner() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return owner_;
}

uint32_t OwnedSemaphore::Depth() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return depth_;
}

bool OwnedSemaphore::HeldByCurrentThread() const { return Owner() == CurrentThreadId(); }

OwnedSemaphore& GlobalLock() {
  static OwnedSemaphore lock;
  return lock;
}

}  // namespace qor::os
