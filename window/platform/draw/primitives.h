#pragma once
// Drawing through a device context: solid fills and frames, lines with the pen colour,
// single pixels, inverting, and the dotted focus rectangle. Coordinates are the
// context's; nothing lands outside its clipping region.
#include "window/platform/draw/brush.h"
#include "window/platform/draw/device_context.h"

namespace qor::ui {

// Fills a rectangle (right and bottom edges excluded). False for a brush that is none.
bool FillRect(Hdc dc, const Rect& rect, BrushHandle brush);
// A frame one pixel wide just inside the rectangle.
bool FrameRect(Hdc dc, const Rect& rect, BrushHandle brush);
// Turns every pixel of the rectangle into its opposite colour.
bool InvertRect(Hdc dc, const Rect& rect);
// The dotted frame of the focused control: every other pixel inverted, so drawing it a
// second time takes it away again.
bool DrawFocusRect(Hdc dc, const Rect& rect);

// The pen: MoveToEx places it; LineTo draws from there up to, not including, the end
// point in the pen colour and leaves the pen at the end point.
bool MoveToEx(Hdc dc, int x, int y, Point* previous = nullptr);
bool LineTo(Hdc dc, int x, int y);

// Returns the colour set (or CLR_INVALID if the point is clipped away).
ColorRef SetPixel(Hdc dc, int x, int y, ColorRef color);
ColorRef GetPixel(Hdc dc, int x, int y);

// Fills a rectangle with a colour, clipped: the primitive the others are made of
// (rectangle in the context's coordinates).
void FillSolid(Hdc dc, const Rect& rect, ColorRef color);

}  // namespace qor::ui
