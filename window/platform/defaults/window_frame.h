#pragma once
// Frames and captions. The core draws the frame of every window that has one, in the
// classic look, into the window's canvas outside its client area:
// - WS_BORDER alone: a one-pixel line in the window-frame colour;
// - WS_DLGFRAME (and so WS_CAPTION): a raised 3-D edge and a line of button face;
// - WS_THICKFRAME: a raised 3-D edge and two lines of the active or inactive border colour;
// - WS_CAPTION: a caption bar in the active or inactive caption colour with the window's
//   text in bold; with WS_SYSMENU also the small icon of the window's class at the left
//   (not for dialogs, WS_EX_DLGMODALFRAME) and the close box at the right.
// The frame is drawn with the window's first painting after it was shown, moved or
// resized, and the caption again at once when the window is activated or deactivated
// or its text changes. No message is involved: a window procedure cannot draw its own.
#include "window/platform/core/types.h"

namespace qor::ui {

// Where the parts of a caption lie, in window coordinates (GetWindowDC's); all empty
// for a window without a caption.
struct CaptionLayout {
  Rect bar;       // the coloured bar
  Rect icon;      // the small icon (empty without one)
  Rect closeBox;  // the close box (empty without WS_SYSMENU)
  Rect text;      // where the text is drawn, clipped
};
CaptionLayout GetCaptionLayout(Hwnd hwnd);

// Draws the window's frame and caption now (nothing for a window without a frame or a
// hidden one). The caption looks active while the window is the active window.
void DrawWindowFrame(Hwnd hwnd);

}  // namespace qor::ui
