#pragma once
// Queuing an event on a window: the record takes the window thread's last key code and
// the calling thread wakes the window's thread when it is another one.
#include <cstdint>

namespace qor::win {

struct Window;

// `code` is the language code (EVENT:Accepted = 1); `control` a field number or 0.
void QueueEvent(Window& window, uint32_t code, int32_t control, uint32_t rejectPosition = 0);

}  // namespace qor::win
