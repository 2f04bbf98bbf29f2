#pragma once
// What needs painting. Invalidating part of a client area makes the window's thread read
// a WM_PAINT for it once nothing is posted; the window stays invalid (and WM_PAINT keeps
// coming) until its painting validates it. The drawing itself is the drawing layer's.
//
// A parent's painting covers a child unless the parent clips its children
// (WS_CLIPCHILDREN) and the child does not let the parent show through
// (WS_EX_TRANSPARENT): invalidating a parent also invalidates the part of each visible
// child it covers, down the tree. Only visible windows are invalid: a hidden window keeps
// no request, and showing it invalidates it whole.
#include "window/platform/core/types.h"

namespace qor::ui {

// Adds a client rectangle (null: the whole client area) to what must be painted, with the
// children under it that the window's painting covers. Nothing for a hidden window.
bool InvalidateRect(Hwnd hwnd, const Rect* rect, bool erase);
// Takes a rectangle (null: everything) off; validating all of it ends the WM_PAINTs.
bool ValidateRect(Hwnd hwnd, const Rect* rect);
// The part of the client area waiting to be painted; empty when none.
Rect GetUpdateRect(Hwnd hwnd);
// Sends WM_PAINT at once if the window waits for painting.
bool UpdateWindow(Hwnd hwnd);

// Invalidates a visible window and all its visible descendants whole, frames too.
void InvalidateTree(Hwnd hwnd);

// For the painting code (BeginPaint, the default window procedure):
// Takes the window's whole update area off (validating it) for the painting that starts:
// the area and whether the background is to be erased first.
bool TakeUpdateArea(Hwnd hwnd, Rect& area, bool& erase);

// For the core's own changes of windows:
// A window went from `area` of its parent's client area (hidden, moved or destroyed): the
// parent and every visible descendant of it under the area are painted there again.
void InvalidateUncovered(Hwnd parent, const Rect& area);
// A window was hidden: it and its descendants drop what waited for painting.
void ForgetTreeUpdateAreas(Hwnd hwnd);

// The frame and caption are to be drawn again with the next painting (windows without a
// frame are not marked).
void MarkFrameDirty(Hwnd hwnd);
// Called as painting starts: draws the frame if it was marked.
void DrawFrameIfDirty(Hwnd hwnd);
// The caption changed (activation, text): drawn again at once unless a painting that
// draws the whole frame is still to come.
void RedrawCaption(Hwnd hwnd);

}  // namespace qor::ui
