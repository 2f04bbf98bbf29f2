#pragma once
// Events a control posts on its owner's queue. A control without a number posts
// nothing. (A control of a report would be run-time error 522 and a tool bar control
// would post to the frame; this runtime has neither reports nor a frame tool bar.)
#include <cstdint>

namespace qor::win {

class Control;

// Queues `code` (EVENT:Accepted = 1) for the control.
void PostControlEvent(Control& control, uint32_t code);
// The same unless that event of the control already waits: a held button that repeats
// while its procedure is busy leaves one EVENT:Accepted waiting, not a pile.
void PostControlEventOnce(Control& control, uint32_t code);

}  // namespace qor::win
