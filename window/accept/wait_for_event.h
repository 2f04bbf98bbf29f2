#pragma once
// Waiting for a window's next event:
//   1. an event in the window's queue is taken (a Timer clears the pending mark);
//   2. else, with no system message pending, the window's idle work runs (the completion
//      pass's next turn, then the idle callbacks);
//   3. the global lock is given up, the idle hook runs, the thread waits for its next
//      system message, and takes the lock back;
//   4. the bring-to-top message raises the thread's active window; a key-down becomes
//      the thread's last key; the window's keyboard takes its keys (Tab and Shift+Tab
//      through the tab stops, Enter: the focused field accepts in place, then the
//      default button is pressed when there is one); every other message is translated
//      and dispatched;
//   5. repeat until an event is taken or the window is gone.
// A quit message closes the window, is posted again for outer loops, and ends the wait.
#include "window/detail/event_queue.h"

namespace qor::win {

struct Window;
namespace detail {
struct ThreadState;
}

// False when the window is gone (closed, or closed because of a quit).
bool WaitForEvent(Window& window, detail::ThreadState& thread, detail::EventRecord& event);

}  // namespace qor::win
