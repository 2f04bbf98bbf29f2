#pragma once
// What a loop body asks about the current event and its window. Every query acts on the
// calling thread's state and gives 0 when there is nothing to report.
#include <cstdint>

namespace qor::win {

// Language code of the current event, 0 before the first.
uint32_t CurrentEvent();
// Number of the current event's control, 0 for window events.
int32_t EventControl();
// The control of an EVENT:Accepted, 0 for any other event.
int32_t AcceptedControl();
// Number of the control holding the focus in the active window, 0 if none.
int32_t FocusControl();
// Lowest and highest control number of the target window, 0 when there is no window.
int32_t FirstFieldNumber();
int32_t LastFieldNumber();
// Key code (low 11 bits) of the current event, or the thread's last key without one.
uint32_t EventKeyCode();
// Replaces the low 11 bits of the thread's last key code and the current event's.
void SetEventKeyCode(uint32_t keyCode);
// Position of the first bad character of an EVENT:Rejected, 0 otherwise.
uint32_t RejectPosition();

}  // namespace qor::win
