#pragma once
// The accept loop. It serves the calling thread's active window as it was when the loop
// started: before each wait it redisplays the controls whose use variables changed, then
// waits for the window's next event, makes it the current event and runs the body once.
// The body ends each turn with an outcome:
//    0  the event's default action follows (CloseWindow closes the window, CloseDown
//       closes the thread's windows, Selected focuses the control being selected);
//    1  no default action;
//   -1  leave the loop.
// The loop also ends when its window closes, after EVENT:OpenFailed, and when the thread
// is told to quit while it waits (the window is closed and the quit passed on). Nested
// loops keep their own current event: the outer one's comes back when the inner ends.
#include <functional>

namespace qor::win {

inline constexpr int kTurnDone = 0;
inline constexpr int kTurnNoDefault = 1;
inline constexpr int kTurnLeave = -1;

using AcceptBody = std::function<int()>;

// Runs the loop. Without an active window: run-time error 537.
void Accept(const AcceptBody& body);

}  // namespace qor::win
