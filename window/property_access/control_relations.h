#pragma once
// The properties that move a control among the others: its container (0x7A07), its
// place in the z-order (0x7C99), its window procedure (0x7CB4) and its platform window
// made again in place (0x7C96).
#include <cstdint>

#include "window/properties/property_result.h"

namespace qor::win {

class Control;

// The number of the group box that holds the control, 0 when it lies on the window.
int32_t ContainerNumber(const Control& control);
// Moves the control into the group box with that number (0: onto the window). Refused
// as a bad value: a number the window lacks or that is no group box, the control
// itself, and any control it holds, however deeply (a group inside itself would hold
// nothing any more).
PropertyResult MoveIntoContainer(Control& control, int64_t number);
// Places the control behind the control with that number (0: behind all others);
// a number the window lacks, or the control's own, is a bad value.
PropertyResult PlaceBehind(Control& control, int64_t number);
// Gives the control the registered procedure a number names; any other number is a
// bad value and changes nothing.
PropertyResult ReplaceProcedure(Control& control, int64_t number);
// Makes the control's platform window again in place (Control::Recreate); a failure is
// run-time error 506.
PropertyResult RecreateInPlace(Control& control);

}  // namespace qor::win
