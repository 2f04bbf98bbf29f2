#pragma once
// Device contexts: what drawing goes through. A context draws into the canvas of a
// window's top-level window, in the window's own coordinates (client area, or the whole
// window rectangle), and never outside its clipping region: the visible part of the
// window (inside every ancestor's client area, without children for WS_CLIPCHILDREN and
// without siblings above it for WS_CLIPSIBLINGS), and while painting, the update area.
// It holds the colours drawing uses and the pen position.
#include <memory>

#include "window/platform/core/types.h"
#include "window/platform/draw/canvas.h"
#include "window/platform/draw/color.h"
#include "window/platform/draw/region.h"

namespace qor::ui {

class Font;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

struct DeviceContext {
  Hwnd window;
  std::shared_ptr<Canvas> canvas;
  Point origin;   // where (0, 0) lies on the canvas
  Region clip;    // canvas coordinates
  ColorRef penColor = RGB(0, 0, 0);
  ColorRef brushColor = RGB(255, 255, 255);
  ColorRef textColor = RGB(0, 0, 0);
  ColorRef backColor = RGB(255, 255, 255);
  int backMode = OPAQUE;
  Point position;  // of the pen
  std::shared_ptr<Font> font;  // null: the default font
};
using Hdc = DeviceContext*;

// A context for the client area (GetDC) or the whole window (GetWindowDC), clipped to
// what is visible of it; it must be given back with ReleaseDC. Null for no window.
Hdc GetDC(Hwnd hwnd);
Hdc GetWindowDC(Hwnd hwnd);
// Gives a context back and tells the host the window's pixels changed. 1 if released; 0
// (nothing touched) for a context released already, not from GetDC, or another window's.
// A context used after its release draws nothing.
int ReleaseDC(Hwnd hwnd, Hdc dc);

// The region a window's client area (or whole rectangle) may be drawn in, on the canvas.
Region VisibleRegion(Hwnd hwnd, bool wholeWindow);
// Limits further drawing to a rectangle in the context's coordinates.
void IntersectClipRect(Hdc dc, const Rect& rect);

// The setters return the value before, or CLR_INVALID (SetBkMode: 0) for no context.
ColorRef SetTextColor(Hdc dc, ColorRef color);
ColorRef SetBkColor(Hdc dc, ColorRef color);
int SetBkMode(Hdc dc, int mode);
ColorRef SetDCPenColor(Hdc dc, ColorRef color);
ColorRef SetDCBrushColor(Hdc dc, ColorRef color);

}  // namespace qor::ui
