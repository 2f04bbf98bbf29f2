#pragma once
// Where a thread's queue read finds the messages that are not posted: WM_PAINT for the
// windows waiting to be painted, WM_TIMER for the due timers.
#include "window/platform/core/types.h"

namespace qor::ui::detail {

struct ThreadQueue;

// The next window of the thread waiting for painting, parents before children.
bool NextPaintMessage(ThreadQueue& queue, Msg& msg, Hwnd filter);
// The due timer that fires next for `filter` (null: any), as a WM_TIMER message.
bool NextTimerMessage(ThreadQueue& queue, Msg& msg, Hwnd filter, bool remove);
// Stops every timer of a window being destroyed.
void KillWindowTimers(ThreadQueue& queue, Hwnd hwnd);
// True if the queue runs a timer of the window (null: a thread timer) with that id and
// procedure: a WM_TIMER naming a procedure is called only when the system made it.
bool RunsTimerWithProc(ThreadQueue& queue, Hwnd hwnd, uintptr_t id, TimerProc proc);

}  // namespace qor::ui::detail
