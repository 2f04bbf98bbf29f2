#pragma once
// Posting events, the calling thread's number and its target window.
#include <cstdint>

namespace qor::win {

struct Window;

// The calling thread's number, counted from 1; 0 when all 64 numbers are taken.
int32_t CurrentThread();

// Queues `code` (1 to FFFFh) for control `control` (0 for none, else a number the window
// has) on the active window of thread `thread` (0: the calling thread, else 1 to 64).
// A post that names no such window or control, or code 0, is dropped without error.
// A thread waiting for system messages is woken to take the event.
void PostEvent(uint32_t code, int32_t control = 0, int32_t thread = 0);

// With a window: the target becomes it and `thread` is recorded. Without: the recorded
// thread is cleared and the target becomes thread `thread`'s active window (1 to 64),
// or is cleared.
void SetTarget(Window* window, int32_t thread = 0);

// The window operations apply to: the target if set, else the active window, else the
// application frame (this program has none). Null when there is none.
Window* TargetWindow();
// The calling thread's active window; null when none.
Window* ActiveWindow();

}  // namespace qor::win
