#pragma once
// The keyboard focus, the active top-level window and the mouse capture.
#include "window/platform/core/types.h"

namespace qor::ui {

// Moves the keyboard focus. Sends WM_KILLFOCUS (wParam: the new window) to the window
// losing it, then WM_SETFOCUS (wParam: the old window) to the window gaining it; the
// top-level window around it is activated first if it is not active. A disabled window
// or one that does not exist refuses the focus (nothing changes, null returned). The
// null window takes the focus away. Returns the window that had the focus.
// The focus has moved by the time WM_KILLFOCUS arrives (GetFocus names the new window).
// A window that calls SetFocus on itself there keeps the focus: it gets WM_SETFOCUS
// (wParam: the window it was to go to), and that window gets neither message.
Hwnd SetFocus(Hwnd hwnd);
Hwnd GetFocus();

// Activates a top-level window and brings it to the top: WM_ACTIVATE (WA_INACTIVE,
// lParam: the new window) to the window that was active, then WM_ACTIVATE (WA_ACTIVE,
// lParam: the old window) to the new one, whose default handling gives it the focus.
// Returns the window that was active.
Hwnd SetActiveWindow(Hwnd hwnd);
Hwnd GetActiveWindow();

// Routes all mouse input to a window, wherever the mouse is, until released. The window
// that loses the capture receives WM_CAPTURECHANGED (lParam: the new window).
Hwnd SetCapture(Hwnd hwnd);
bool ReleaseCapture();
Hwnd GetCapture();

// Internal: activation that a click (WA_CLICKACTIVE) or a vanishing window causes.
void ActivateWindow(Hwnd hwnd, uint32_t how);
void DeactivateWindow(Hwnd hwnd, Hwnd next = Hwnd{});
void ActivateOnClick(const Msg& msg);

}  // namespace qor::ui
