#pragma once
// The re-entrant global lock: a semaphore that knows the thread that holds it. Code of
// the language runs while holding it; a thread gives it up completely while it waits
// for messages or shows a message box, and takes it back at the same depth afterwards.
#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "os/thread_id.h"

namespace qor::os {

class OwnedSemaphore {
 public:
  // Takes the lock, waiting while another thread holds it; the owner may take it again.
  void Acquire();
  // Takes the lock only when that needs no waiting.
  bool TryAcquire();
  // Gives up one level. Returns false (and changes nothing) when the caller is not the owner.
  bool Release();

  // Gives up every level the caller holds and returns how many there were (0 if none).
  uint32_t ReleaseAll();
  // Takes the lock back at the depth ReleaseAll returned; 0 does nothing.
  void Restore(uint32_t depth);

  ThreadId Owner() const;   // 0 while nobody holds it
  uint32_t Depth() const;   // levels held by the owner
  bool HeldByCurrentThread() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable freed_;
  ThreadId owner_ = 0;
  uint32_t depth_ = 0;
};

// The one global lock of the process.
OwnedSemaphore& GlobalLock();

// Holds the global lock for a scope.
class GlobalLockScope {
 public:
  GlobalLockScope() { GlobalLock().Acquire(); }
  ~GlobalLockScope() { GlobalLock().Release(); }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
};

// Gives the global lock up for a scope (a wait) and takes it back at the same depth.
class GlobalLockYield {
 public:
  GlobalLockYield() : depth_(GlobalLock().ReleaseAll()) {}
  ~GlobalLockYield() { GlobalLock().Restore(depth_); }
  GlobalLockYield(const GlobalLockYield&) = delete;
  GlobalLockYield& operator=(const GlobalLockYield&) = delete;

 private:
  uint32_t depth_;
};

}  // namespace qor::os
