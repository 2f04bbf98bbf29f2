#pragma once
// Timers, per window and id, in milliseconds of the one clock. A due timer produces one
// WM_TIMER when its thread reads the queue, however late that is; the next one falls due
// an interval after that reading, so timer messages never pile up. Setting a running
// timer again restarts it with the new interval.
#include <cstdint>
#include <optional>

#include "window/platform/core/types.h"

namespace qor::ui {

// Starts or restarts a timer. With a window the result is `id` (0 for a window that does
// not exist or belongs to another thread); without one, a new id for a thread timer.
// An interval of 0 is taken as 1 millisecond. With a procedure, dispatching the message
// calls the procedure instead of the window procedure.
uintptr_t SetTimer(Hwnd hwnd, uintptr_t id, uint32_t milliseconds, TimerProc proc = nullptr);
// Stops a timer; false if it does not run.
bool KillTimer(Hwnd hwnd, uintptr_t id);
// When the calling thread's next timer falls due (ticks of the one clock); none without
// a running timer. Hosts wait until then.
std::optional<uint64_t> NextTimerDueOfThisThread();

}  // namespace qor::ui

