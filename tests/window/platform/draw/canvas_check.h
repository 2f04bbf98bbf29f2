#pragma once
// Test support for pixel checks: a context drawing straight into a small canvas, and a
// picture of a canvas area as text rows, one letter per pixel, for readable expectations.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "window/platform/draw/canvas.h"
#include "window/platform/draw/device_context.h"

namespace qor::ui::testing {

// A context on a fresh white canvas, its origin at `origin`, clipped to `clip` (canvas
// coordinates; the whole canvas when empty).
DeviceContext CanvasContext(int width, int height, Point origin = {}, Rect clip = {});

// Rows of letters for the pixels of `area`: each colour named in `letters` gets its letter,
// any other colour '?'.
std::vector<std::string> Picture(const Canvas& canvas, const Rect& area, const std::map<ColorRef, char>& letters);

// The smallest rectangle holding every pixel of `area` that is not `background`; empty
// when there is none.
Rect InkBounds(const Canvas& canvas, const Rect& area, ColorRef background = RGB(255, 255, 255));
// How many pixels of `area` are not `background`.
int InkCount(const Canvas& canvas, const Rect& area, ColorRef background = RGB(255, 255, 255));

}  // namespace qor::ui::testing
