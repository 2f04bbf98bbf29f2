#pragma once
// The canvas of each top-level window: it covers the whole window rectangle (frame and
// client area), and the window and all its children draw into it at their offsets. A
// display shows it; a test reads its pixels or writes it to a PNG file.
#include <memory>
#include <string>

#include "window/platform/core/types.h"
#include "window/platform/draw/canvas.h"

namespace qor::ui {

// The canvas of the top-level window that holds `hwnd`, made on first use and kept the
// size of the window; null for no window. Canvases of destroyed windows are let go.
std::shared_ptr<Canvas> WindowCanvas(Hwnd hwnd);

// Where a window's client area and whole rectangle lie on its top-level window's canvas.
Point ClientOriginOnCanvas(Hwnd hwnd);
Rect ClientRectOnCanvas(Hwnd hwnd);
Rect WindowRectOnCanvas(Hwnd hwnd);

// Writes the canvas of the top-level window holding `hwnd` as a PNG file.
bool WriteWindowPng(Hwnd hwnd, const std::string& path, std::string* error = nullptr);

}  // namespace qor::ui
