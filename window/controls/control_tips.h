#pragma once
// Tool tips of controls: the calling thread's one tip window (made on first use, a
// topmost pop-up that always shows) holds a tool for each control with a help text,
// keyed by the control's window handle; the text is given each time the tip asks for
// it, so a changed help text shows at once. Every kind with a help text takes part,
// entries too (UpdateControlTip after creating their window). A destroyed control's
// tool goes with its window.
#include "window/platform/core/types.h"

namespace qor::win {

class Control;

// Adds the control's tool when it has a help text and none yet, removes it when the
// help text became empty.
void UpdateControlTip(Control& control);
// True when the control's window is a tool of its thread's tip.
bool HasControlTip(const Control& control);

// The owner window's answer to WM_NOTIFY: a tip asking for a control's text gets the
// control's help text. False for any other notification.
bool AnswerTipRequest(ui::LParam notification);

}  // namespace qor::win
