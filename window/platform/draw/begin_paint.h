#pragma once
// Painting a window in answer to WM_PAINT: BeginPaint takes the waiting update area off
// the window (so WM_PAINT stops coming), erases its background first if that was asked
// for (WM_ERASEBKGND, with the context in wParam) and gives a context clipped to the
// update area; EndPaint gives it back and tells the host the pixels changed.
#include "window/platform/draw/device_context.h"

namespace qor::ui {

struct PaintStruct {
  Hdc hdc = nullptr;
  bool erase = false;  // the background still needs erasing (WM_ERASEBKGND answered 0)
  Rect paint;          // the update area, client coordinates
};

// Null for no window. A hidden window gets a context that draws nothing.
Hdc BeginPaint(Hwnd hwnd, PaintStruct* paint);
bool EndPaint(Hwnd hwnd, const PaintStruct* paint);

// What the default procedure does with WM_ERASEBKGND: fills the client area with the
// class background; 1 if it did, 0 for a class without one.
LResult EraseWithClassBackground(Hwnd hwnd, Hdc dc);

}  // namespace qor::ui
