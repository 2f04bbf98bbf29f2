#include "window/windows/window_timer.h"

#include <algorithm>
#include <cstdint>

#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/queue_event.h"
#include "window/platform/core/timers.h"

namespace qor::win {

uint32_t WindowTimerMilliseconds(int32_t hundredths) {
  if (hundredths <= 0) return 0;
  int64_t milliseconds = static_cast<int64_t>(hundredths) * 10;
  return static_cast<uint32_t>(std::min<int64_t>(milliseconds, INT32_MAX));
}

void SetWindowTimer(Window& window, int32_t hundredths) {
  StopWindowTimer(window);
  window.timerValue = hundredths;
  StartWindowTimer(window);
}

int32_t WindowTimer(const Window& window) { return window.timerValue; }

void StartWindowTimer(Window& window) {
  uint32_t milliseconds = WindowTimerMilliseconds(window.timerValue);
  if (!window.IsOpen() || milliseconds == 0) return;
  window.timerRunning = ui::SetTimer(window.handle, kWindowTimerId, milliseconds) == kWindowTimerId;
}

void StopWindowTimer(Window& window) {
  if (window.timerRunning) ui::KillTimer(window.handle, kWindowTimerId);
  window.timerRunning = false;
}

void WindowTimerExpired(Window& window) {
  if (window.timerPending) return;
  window.timerPending = true;
  QueueEvent(window, event::Timer, 0);
}

}  // namespace qor::win
