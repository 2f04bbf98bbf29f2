#pragma once
// The default window procedure: what a window does with a message its own procedure
// hands on. It closes on WM_CLOSE (destroys the window), turns SC_CLOSE and Alt+F4 into
// WM_CLOSE, keeps the window text, takes the focus when activated, paints (erasing with
// the class background), gives controls the button-face colours, agrees to the end of
// the session and answers 0 to everything else.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::ui {

LResult DefWindowProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);

}  // namespace qor::ui
