#pragma once
// What follows a turn that ended with outcome 0:
//   EVENT:CloseWindow closes the window;
//   EVENT:CloseDown closes the thread's windows, the newest first;
//   EVENT:Selected for the control being selected makes it the focus control and
//   redisplays it.
#include "window/detail/event_queue.h"

namespace qor::win {

struct Window;

void RunDefaultAction(Window& window, const detail::EventRecord& event);

}  // namespace qor::win
