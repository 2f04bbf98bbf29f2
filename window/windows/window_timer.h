#pragma once
// The window timer: platform timer id 1, its interval given in hundredths of a second.
// An expiry queues EVENT:Timer only while no timer event of the window is waiting: the
// pending mark is set when the timer queues one and cleared when one is taken or the
// window closes, so timer events never pile up behind a slow procedure.
#include <cstdint>

namespace qor::win {

struct Window;

inline constexpr uintptr_t kWindowTimerId = 1;

// Stops any running timer, stores the value and, for a value above 0 on an open window,
// starts the timer: value x 10 milliseconds, at most 2^31 - 1.
void SetWindowTimer(Window& window, int32_t hundredths);
int32_t WindowTimer(const Window& window);
// The interval of a value in milliseconds; 0 for none.
uint32_t WindowTimerMilliseconds(int32_t hundredths);

// Internal, for the window's life: start the stored timer at open, stop it at close, and
// the expiry itself.
void StartWindowTimer(Window& window);
void StopWindowTimer(Window& window);
void WindowTimerExpired(Window& window);

}  // namespace qor::win
