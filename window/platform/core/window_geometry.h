#pragma once
// Where windows are: rectangles in pixels, client areas inside the frame, z-order,
// and finding the window under a point. Top-level windows are placed on the screen,
// child windows in their parent's client area.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::ui {

// Frame sizes the core assumes for the frame styles (pixels): WS_BORDER draws a line of
// `border`, WS_DLGFRAME (alone or in WS_CAPTION) a frame of `dialogFrame`,
// WS_THICKFRAME one of `sizingFrame`, and WS_CAPTION adds a caption bar of `caption`.
struct FrameMetrics {
  int border = 1;
  int dialogFrame = 3;
  int sizingFrame = 4;
  int caption = 18;
};
FrameMetrics& Metrics();
// The frame around the client area for a style: left, top, right, bottom widths.
Rect FrameInsets(uint32_t style);

Size ScreenSize();

// The window's rectangle on the screen.
Rect GetWindowRect(Hwnd hwnd);
// The client area: (0, 0, width, height).
Rect GetClientRect(Hwnd hwnd);
// The window's rectangle in its parent's client area (the screen for top-level windows).
Rect GetWindowPlacement(Hwnd hwnd);
Point ClientToScreen(Hwnd hwnd, Point p);
Point ScreenToClient(Hwnd hwnd, Point p);

// Moves and resizes (pixels, in the parent's client area). Sends WM_MOVE when the client
// origin moves and WM_SIZE when the client size changes.
bool MoveWindow(Hwnd hwnd, int x, int y, int width, int height);
// The null `insertAfter` puts the window on top of its siblings.
inline constexpr Hwnd HWND_TOP{0};
inline constexpr Hwnd HWND_BOTTOM{0xFFFFFFFFu};
bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int width, int height, uint32_t flags);
bool BringWindowToTop(Hwnd hwnd);

// The visible, enabled window under a screen point, deepest child first; a disabled
// child passes the point to its parent, a disabled top-level window to nobody. A window
// transparent to the mouse is passed over (its children are not): the point goes to its
// children, else to what lies beneath it.
Hwnd WindowFromPoint(Point screen);
// Makes the mouse pass through a window (a group box's frame, a static text, a tool
// tip) to the sibling or parent beneath it.
bool SetMouseTransparent(Hwnd hwnd, bool transparent);
// True if the screen point lies in the window's client area.
bool InClientArea(Hwnd hwnd, Point screen);

}  // namespace qor::ui
