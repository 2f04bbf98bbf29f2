#pragma once
// The colours a window gives its controls when they ask before painting
// (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLOREDIT): the default ones, with the text
// in the control's font colour when it has one.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::win {

// The window procedure's answer: the default brush, the context's text colour set.
ui::LResult AnswerControlColours(ui::Hwnd window, uint32_t message, ui::WParam dc, ui::LParam control);

}  // namespace qor::win
