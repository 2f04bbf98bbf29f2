#pragma once
// Placing a control's platform window from the state its object keeps: the position in
// dialog units converted with the owner's base units (a child's coordinates are already
// the owner's client coordinates), an automatic width or height taken from the kind's
// AutoSize; and the tab stop style following attribute 0x20.
#include "window/platform/core/types.h"

namespace qor::win {

class Control;

// The control's rectangle in its owner's client area, automatic sizes left at 0.
ui::Rect GivenPixelRect(const Control& control);
// Moves and sizes the control's window; automatic sizes are asked of the kind.
void PlaceControl(Control& control);
// The size of the control's text on one line in its font (for automatic sizes).
ui::Size MeasureControlText(Control& control);
// WS_TABSTOP on, unless attribute 0x20 takes the control out of the tab order.
void ApplyTabStop(Control& control);

}  // namespace qor::win
