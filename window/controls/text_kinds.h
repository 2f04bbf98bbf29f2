#pragma once
// The kinds that show a text and take no input.
// - prompt (type 10, QorPrompt on the system "Static"): the text broken at words,
//   placed at the edge its justification bits name (0x04 left, also for none; 0x08 and
//   0x0C right; 0x10 centred), moved by the justification offset;
// - string (type 2, QorString, a class of its own): the text on one line in the
//   control's font turned by its angle (tenths of a degree; 900 reads upward from the
//   box's bottom left), clipped to the box;
// - group box (type 13, QorGroup on the system "Button"): a frame with its caption.
//   Its children are created after it as the window's own controls (siblings of the
//   group, placed in window coordinates), with the group as their container;
// - check box (12, QorCheck on "button"), list (14, QorList; drop form QorDrop) and drop
//   list (33, QorDrop): registered so their records make controls, but inert: they show
//   their text and post nothing.
#include <memory>

#include "window/controls/control.h"

namespace qor::win {

std::unique_ptr<Control> MakePrompt(Window& owner, const ControlRecord& record);
std::unique_ptr<Control> MakeString(Window& owner, const ControlRecord& record);
std::unique_ptr<Control> MakeGroup(Window& owner, const ControlRecord& record);
std::unique_ptr<Control> MakeCheck(Window& owner, const ControlRecord& record);
std::unique_ptr<Control> MakeList(Window& owner, const ControlRecord& record);

}  // namespace qor::win
