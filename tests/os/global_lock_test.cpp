#include "os/global_lock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "os/thread_id.h"

namespace qor::os {
namespace {

TEST(ThreadIds, EachThreadHasItsOwnAndTheFirstIsTheProcess) {
  ThreadId mine = CurrentThreadId();
  EXPECT_NE(mine, 0u);
  EXPECT_EQ(mine, CurrentThreadId());
  ThreadId other = 0;
  bool otherIsMain = true;
  std::thread([&] {
    other = CurrentThreadId();
    otherIsMain = IsMainThread();
  }).join();
  EXPECT_NE(other, mine);
  EXPECT_FALSE(otherIsMain);
}

TEST(GlobalLock, OwnerMayTakeItAgainAndMustGiveBackEveryLevel) {
  OwnedSemaphore lock;
  EXPECT_EQ(lock.Owner(), 0u);
  lock.Acquire();
  lock.Acquire();
  EXPECT_EQ(lock.Owner(), CurrentThreadId());
  EXPECT_EQ(lock.Depth(), 2u);
  EXPECT_TRUE(lock.Release());
  EXPECT_TRUE(lock.HeldByCurrentThread());
  EXPECT_TRUE(lock.Release());
  EXPECT_EQ(lock.Owner(), 0u);
  EXPECT_FALSE(lock.Release());  // not held: refused, nothing changes
  EXPECT_EQ(lock.Depth(), 0u);
}

TEST(GlobalLock, OtherThreadsCannotTakeOrReleaseItWhileHeld) {
  OwnedSemaphore lock;
  lock.Acquire();
  bool took = true;
  bool released = true;
  std::thread([&] {
    took = lock.TryAcquire();
    released = lock.Release();
  }).join();
  EXPECT_FALSE(took);
  EXPECT_FALSE(released);
  EXPECT_TRUE(lock.HeldByCurrentThread());
  lock.Release();
}

TEST(GlobalLock, WaitingGivesUpEveryLevelAndTakesThemBack) {
  OwnedSemaphore lock;
  lock.Acquire();
  lock.Acquire();
  lock.Acquire();
  uint32_t depth = lock.ReleaseAll();
  EXPECT_EQ(depth, 3u);
  EXPECT_EQ(lock.Owner(), 0u);
  // Meanwhile another thread runs under the lock.
  std::atomic<bool> ranUnderLock{false};
  std::thread([&] {
    lock.Acquire();
    ranUnderLock = lock.HeldByCurrentThread();
    lock.Release();
  }).join();
  EXPECT_TRUE(ranUnderLock);
  lock.Restore(depth);
  EXPECT_EQ(lock.Depth(), 3u);
  EXPECT_EQ(lock.ReleaseAll(), 3u);
  EXPECT_EQ(lock.ReleaseAll(), 0u);  // nothing held
  lock.Restore(0);
  EXPECT_EQ(lock.Owner(), 0u);
}

TEST(GlobalLock, AcquireWaitsForTheOwnerToLetGo) {
  OwnedSemaphore lock;
  lock.Acquire();
  std::atomic<bool> acquired{false};
  std::thread waiter([&] {
    lock.Acquire();
    acquired = true;
    lock.Release();
  });
  EXPECT_FALSE(acquired);  // cannot have got it: this thread still holds it
  lock.Release();
  waiter.join();
  EXPECT_TRUE(acquired);
}

TEST(GlobalLock, ScopesHoldAndYieldTheProcessLock) {
  {
    GlobalLockScope held;
    EXPECT_TRUE(GlobalLock().HeldByCurrentThread());
    {
      GlobalLockYield waiting;
      EXPECT_EQ(GlobalLock().Owner(), 0u);
    }
    EXPECT_EQ(GlobalLock().Depth(), 1u);
  }
  EXPECT_EQ(GlobalLock().Owner(), 0u);
}

}  // namespace
}  // namespace qor::os
