// Posting, sending, reading and dispatching; paint requests; threads.
#include <thread>

#include "os/thread_id.h"
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/invalidation.h"

namespace qor::ui::testing {
namespace {

using Queue = PlatformTest;
using Seq = std::vector<std::string>;

TEST_F(Queue, PostedMessagesArriveInOrderWhenTheQueueIsRead) {
  Hwnd w = Make("w", WS_POPUP);
  Take();
  PostMessage(w, WM_USER + 1, 0, 0);
  PostMessage(w, WM_USER + 2, 0, 0);
  SendMessage(w, WM_USER + 3, 0, 0);  // sent: at once, ahead of the posted ones
  EXPECT_EQ(Take(), (Seq{"w WM_USER+3"}));
  EXPECT_EQ(host.Pump(), 2);
  EXPECT_EQ(Take(), (Seq{"w WM_USER+1", "w WM_USER+2"}));
}

TEST_F(Queue, PeekCanLookWithoutTakingAndFilterByWindowAndRange) {
  Hwnd a = Make("a", WS_POPUP);
  Hwnd b = Make("b", WS_POPUP);
  PostMessage(a, WM_USER + 1, 0, 0);
  PostMessage(b, WM_USER + 2, 0, 0);
  Msg msg;
  ASSERT_TRUE(PeekMessage(msg, Hwnd{}, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_USER + 1);
  ASSERT_TRUE(PeekMessage(msg, b, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, b);
  EXPECT_FALSE(PeekMessage(msg, b));
  EXPECT_FALSE(PeekMessage(msg, Hwnd{}, WM_USER + 2, WM_USER + 9));
  ASSERT_TRUE(PeekMessage(msg, Hwnd{}, WM_USER, WM_USER + 1));
  EXPECT_EQ(msg.hwnd, a);
  EXPECT_FALSE(PeekMessage(msg));
}

TEST_F(Queue, QuitComesAfterWhatWasPostedBeforeIt) {
  Hwnd w = Make("w", WS_POPUP);
  Take();
  PostMessage(w, WM_USER, 0, 0);
  PostQuitMessage(3);
  Msg msg;
  ASSERT_TRUE(GetMessage(msg));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_FALSE(GetMessage(msg));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Queue, TranslatedKeyDownIsFollowedByItsCharacterBeforeLaterInput) {
  Hwnd w = Make("w", WS_POPUP | WS_VISIBLE);
  host.Pump();
  Take();
  host.KeyDown('A', 'a');
  host.KeyUp('A');
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"w WM_KEYDOWN 65", "w WM_CHAR 'a'", "w WM_KEYUP 65"}));
  Msg plain;
  plain.hwnd = w;
  plain.message = WM_KEYDOWN;
  plain.wParam = 'B';
  EXPECT_FALSE(TranslateMessage(plain));  // no character: nothing to type
}

TEST_F(Queue, MessagesForAWindowDestroyedMeanwhileAreDroppedQuietly) {
  Hwnd w = Make("w", WS_POPUP);
  PostMessage(w, WM_USER, 0, 0);
  DestroyWindow(w);
  Take();
  Msg msg;
  ASSERT_TRUE(PeekMessage(msg));
  EXPECT_EQ(DispatchMessage(msg), 0);
  EXPECT_TRUE(Take().empty());
}

TEST_F(Queue, ThreadMessagesHaveNoWindow) {
  ASSERT_TRUE(PostThreadMessage(os::CurrentThreadId(), WM_USER + 5, 1, 2));
  Msg msg;
  ASSERT_TRUE(PeekMessage(msg));
  EXPECT_EQ(msg.hwnd, Hwnd{});
  EXPECT_EQ(msg.message, WM_USER + 5);
  EXPECT_EQ(DispatchMessage(msg), 0);
  EXPECT_FALSE(PostThreadMessage(0x7FFFFFFF, WM_USER, 0, 0));
}

TEST_F(Queue, PaintComesWhenNothingIsPostedAndUntilTheWindowIsValid) {
  Hwnd w = Make("w", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 100, 100});
  host.Pump();
  Take();
  Rect part{10, 10, 20, 20};
  InvalidateRect(w, &part, true);
  InvalidateRect(w, nullptr, false);
  EXPECT_EQ(GetUpdateRect(w), (Rect{0, 0, 100, 100}));
  PostMessage(w, WM_USER, 0, 0);
  int painted = 0;
  Log().react = [&](Hwnd h, uint32_t m, WParam, LParam) -> std::optional<LResult> {
    if (m != WM_PAINT) return std::nullopt;
    if (++painted == 2) ValidateRect(h, nullptr);  // the first one forgets to
    return 0;
  };
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"w WM_USER", "w WM_PAINT", "w WM_PAINT"}));
  EXPECT_TRUE(GetUpdateRect(w).IsEmpty());
}

TEST_F(Queue, UpdateWindowPaintsAtOnce) {
  Hwnd w = Make("w", WS_POPUP | WS_VISIBLE);
  Take();
  UpdateWindow(w);
  EXPECT_EQ(Take(), (Seq{"w WM_PAINT"}));
  UpdateWindow(w);
  EXPECT_TRUE(Take().empty());
}

// Another thread's window: posting reaches its queue, and a send waits for its answer.
Hwnd g_caller;  // a window of the sending thread, asked back while that thread waits

LResult EchoProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_USER) return static_cast<LResult>(wParam) * 2;
  if (message == WM_USER + 2) return SendMessage(g_caller, WM_USER + 3, wParam, 0) + 1;
  if (message == WM_USER + 3) return static_cast<LResult>(wParam) * 10;
  if (message == WM_USER + 1) {
    PostQuitMessage(static_cast<int>(wParam));
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

TEST(QueueThreads, SendToAnotherThreadWaitsForItsAnswerServingSendsMeanwhile) {
  ASSERT_TRUE(RegisterClass(WindowClass{"Echo", EchoProc}));
  std::mutex mutex;
  std::condition_variable ready;
  Hwnd echo;
  int quitCode = 0;
  std::thread worker([&] {
    CreateParams params;
    params.className = "Echo";
    Hwnd made = CreateWindow(params);
    {
      std::lock_guard<std::mutex> guard(mutex);
      echo = made;
    }
    ready.notify_one();
    Msg msg;
    while (GetMessage(msg)) DispatchMessage(msg);
    quitCode = static_cast<int>(msg.wParam);
    DestroyWindow(made);
  });
  {
    std::unique_lock<std::mutex> guard(mutex);
    ready.wait(guard, [&] { return static_cast<bool>(echo); });
  }
  EXPECT_NE(GetWindowThread(echo), os::CurrentThreadId());
  EXPECT_EQ(SendMessage(echo, WM_USER, 21, 0), 42);
  // The worker answers by asking this thread, which serves that while it waits.
  CreateParams callerParams;
  callerParams.className = "Echo";
  g_caller = CreateWindow(callerParams);
  EXPECT_EQ(SendMessage(echo, WM_USER + 2, 4, 0), 41);
  EXPECT_TRUE(PostMessage(echo, WM_USER + 1, 9, 0));
  worker.join();
  EXPECT_EQ(quitCode, 9);
  DestroyWindow(g_caller);
  EXPECT_TRUE(UnregisterClass("Echo"));
}

}  // namespace
}  // namespace qor::ui::testing
