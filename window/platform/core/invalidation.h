#pragma once
// What needs painting. Invalidating part of a client area makes the window's thread read
// a WM_PAINT for it once nothing is posted; the window stays invalid (and WM_PAINT keeps
// coming) until its painting validates it. The drawing itself is the drawing layer's.
#include "window/platform/core/types.h"

namespace qor::ui {

// Adds a client rectangle (null: the whole client area) to what must be painted.
bool InvalidateRect(Hwnd hwnd, const Rect* rect, bool erase);
// Takes a rectangle (null: everything) off; validating all of it ends the WM_PAINTs.
bool ValidateRect(Hwnd hwnd, const Rect* rect);
// The part of the client area waiting to be painted; empty when none.
Rect GetUpdateRect(Hwnd hwnd);
// Sends WM_PAINT at once if the window waits for painting.
bool UpdateWindow(Hwnd hwnd);

// Invalidates a window and all its descendants.
void InvalidateTree(Hwnd hwnd);

// For the painting code (BeginPaint, the default window procedure):
// Takes the window's whole update area off (validating it) for the painting that starts:
// the area and whether the background is to be erased first.
bool TakeUpdateArea(Hwnd hwnd, Rect& area, bool& erase);
// The frame and caption are to be drawn again with the next painting (windows without a
// frame are not marked).
void MarkFrameDirty(Hwnd hwnd);
// Called as painting starts: draws the frame if it was marked.
void DrawFrameIfDirty(Hwnd hwnd);
// The caption changed (activation, text): drawn again at once unless a painting that
// draws the whole frame is still to come.
void RedrawCaption(Hwnd hwnd);

}  // namespace qor::ui
