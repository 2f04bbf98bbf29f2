// Several language threads: numbers, posts that wake another thread, and the focus and
// suspend events that concern threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

#include "tests/window/support/runtime_fixture.h"
#include "window/accept/accept.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "os/global_lock.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

using Seq = std::vector<std::string>;
using Threads = WindowRuntimeTest;

// A loop on another thread, logging its events without times (its clock is not the
// test's to move).
std::vector<std::string> RunOtherThread(Window* window, const std::function<int()>& react) {
  std::vector<std::string> seen;
  OpenWindow(window);
  Accept([&] {
    seen.push_back(EventName(CurrentEvent()) + " " + std::to_string(EventControl()));
    return react();
  });
  CloseWindow(window);
  return seen;
}

TEST_F(Threads, NumbersAreTheLowestFreeAndASixtyFifthThreadGetsNone) {
  ASSERT_EQ(CurrentThread(), 1);
  std::mutex mutex;
  std::condition_variable changed;
  int numbered = 0;
  bool release = false;
  std::vector<int32_t> numbers(63);
  std::vector<std::thread> holders;
  for (int i = 0; i < 63; ++i) {
    holders.emplace_back([&, i] {
      numbers[i] = CurrentThread();
      std::unique_lock lock(mutex);
      ++numbered;
      changed.notify_all();
      changed.wait(lock, [&] { return release; });
    });
  }
  {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return numbered == 63; });
  }
  int32_t extra = -1;
  std::thread([&] { extra = CurrentThread(); }).join();
  {
    std::lock_guard lock(mutex);
    release = true;
  }
  changed.notify_all();
  for (std::thread& holder : holders) holder.join();
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(numbers.front(), 2);
  EXPECT_EQ(numbers.back(), 64);
  EXPECT_EQ(extra, 0);
  int32_t reused = -1;
  std::thread([&] { reused = CurrentThread(); }).join();  // the holders gave theirs back
  EXPECT_EQ(reused, 2);
}

TEST_F(Threads, APostToAnotherThreadWakesItsWait) {
  Window* other = PrepareSmall(SmallWindow("OT$WINDOW", {Entry(3)}));
  std::promise<int32_t> ready;
  std::promise<std::vector<std::string>> done;
  std::thread worker([&] {
    done.set_value(RunOtherThread(other, [&] {
      if (CurrentEvent() == event::OpenWindow) ready.set_value(CurrentThread());
      return CurrentEvent() == event::Accepted ? kTurnLeave : kTurnDone;
    }));
  });
  int32_t number = ready.get_future().get();
  std::future<std::vector<std::string>> result = done.get_future();
  PostEvent(event::Accepted, 3, number);
  bool woke = result.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  if (!woke) ui::PostMessage(WindowHandle(other), ui::WM_NULL, 0, 0);  // let the test end
  worker.join();
  EXPECT_TRUE(woke);
  std::vector<std::string> seen = result.get();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), "EVENT:Accepted 3");
}

// Both threads run under the global lock, as generated code does, and give it up only
// while they wait; that orders the two threads' turns.
TEST_F(Threads, AnotherThreadsWindowTakesTheFocusAndSuspendsThisOne) {
  Window* theirs = PrepareSmall(SmallWindow("TH$WINDOW"));
  Window* mine = PrepareSmall(SmallWindow("MI$WINDOW"));
  std::promise<void> focused;
  std::promise<std::vector<std::string>> done;
  std::thread worker([&] {
    os::GlobalLockScope locked;
    done.set_value(RunOtherThread(theirs, [&] {
      if (CurrentEvent() == event::GainFocus) focused.set_value();
      return CurrentEvent() == event::Resume ? kTurnLeave : kTurnDone;
    }));
  });
  focused.get_future().get();
  {
    os::GlobalLockScope locked;  // taken once the other thread waits
    OpenWindow(mine);
    LoopFor(1);
  }
  std::future<std::vector<std::string>> result = done.get_future();
  bool finished = result.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  if (!finished) PostEvent(event::Resume, 0, 2);  // let the test end
  worker.join();
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0"}));
  EXPECT_EQ(result.get(), (Seq{"EVENT:OpenWindow 0", "EVENT:GainFocus 0", "EVENT:LoseFocus 0", "EVENT:Suspend 0",
                               "EVENT:Resume 0"}));
}

}  // namespace
}  // namespace qor::win::testing
