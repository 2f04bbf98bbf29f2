#pragma once
// Making a control's platform window, alike for every kind: a child of the owner window
// with id number + 0x4000, visible unless hidden, a tab stop unless attribute 0x20,
// disabled when the control is, at the control's position (dialog units converted with
// the owner's base units), in the control's font, sized by the kind afterwards when its
// width or height is automatic, and with the control's tool tip when it has one.
#include <cstdint>

#include "window/controls/control_class.h"

namespace qor::win {

class Control;

inline constexpr intptr_t kControlIdBase = 0x4000;

// The style bits every control window takes from its control's state.
uint32_t CommonControlStyle(const Control& control);

// Creates the window of `kind` for the control with the kind's own style bits added;
// false when the platform refuses it.
bool CreateControlWindow(Control& control, const ControlClass& kind, uint32_t kindStyle, uint32_t exStyle = 0);

// Makes the control's window again in place: the same class, styles, position, id,
// parent and place among its siblings, the control's text, font and tip, the focus if
// the old window had it; the old window is then destroyed. False (and the old window
// kept) when the platform refuses the new one.
bool RecreateControlWindow(Control& control);

}  // namespace qor::win
