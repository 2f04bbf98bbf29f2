#pragma once
// What a window is and shows: styles, visibility, enabled state, text, its procedure
// (which a subclass replaces) and the per-window storage its class asked for.
#include <cstdint>
#include <string>
#include <string_view>

#include "window/platform/core/types.h"

namespace qor::ui {

uint32_t GetWindowStyle(Hwnd hwnd);
uint32_t GetWindowExStyle(Hwnd hwnd);
// Replaces the extended style; returns the one before (0 for no window).
uint32_t SetWindowExStyle(Hwnd hwnd, uint32_t exStyle);
// Replaces the style bits other than WS_VISIBLE and WS_DISABLED (use ShowWindow and
// EnableWindow for those); returns the previous style.
uint32_t SetWindowStyle(Hwnd hwnd, uint32_t style);

// Shows or hides (SW_*). Returns whether the window was visible before. Sends
// WM_SHOWWINDOW when the state changes; showing a top-level window activates it unless
// the command says otherwise.
bool ShowWindow(Hwnd hwnd, int command);
// Visible: the window and every ancestor have WS_VISIBLE.
bool IsWindowVisible(Hwnd hwnd);
// Enables or disables; returns whether the window was disabled. Sends WM_ENABLE when the
// state changes (the window redraws itself if it looks different); a disabled window
// loses the focus and gets no input.
bool EnableWindow(Hwnd hwnd, bool enable);
// Enabled for input and focus: the window and every ancestor are enabled.
bool IsWindowEnabled(Hwnd hwnd);
// The window's own enabled state, whatever its ancestors': what a control's look follows,
// so that controls behind a disabled top-level window (a message box's owner) keep theirs.
bool IsWindowEnabledItself(Hwnd hwnd);

// Through WM_SETTEXT and WM_GETTEXT, so a window procedure may answer for itself.
bool SetWindowText(Hwnd hwnd, const std::string& text);
std::string GetWindowText(Hwnd hwnd);
// The text the window itself stores, without a message: what WM_SETTEXT's default
// processing stores and WM_GETTEXT's copies. Storing fails for no window.
bool StoreWindowText(Hwnd hwnd, std::string_view text);
std::string StoredWindowText(Hwnd hwnd);

// Replaces the window's procedure; returns the previous one for the new procedure to
// hand messages on to (CallWindowProc). Null for no window or no procedure given.
WindowProc SetWindowProc(Hwnd hwnd, WindowProc proc);
WindowProc GetWindowProc(Hwnd hwnd);

// The class's per-window storage, a pointer-sized value at a byte offset. Reading or
// writing outside the storage fails: the read gives 0, the write false.
intptr_t GetWindowExtra(Hwnd hwnd, int offset);
bool SetWindowExtra(Hwnd hwnd, int offset, intptr_t value);
// Smaller values for storage laid out in 16- or 32-bit words.
uint32_t GetWindowExtra32(Hwnd hwnd, int offset);
bool SetWindowExtra32(Hwnd hwnd, int offset, uint32_t value);

}  // namespace qor::ui
