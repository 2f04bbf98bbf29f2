#pragma once
// Canvases to and from PNG files (8-bit RGB; an alpha channel read in is dropped).
#include <optional>
#include <string>

#include "window/platform/draw/canvas.h"

namespace qor::ui {

// Writes the canvas; on failure returns false with the reason in `error`. A file that
// could not be completed is removed.
bool WritePng(const Canvas& canvas, const std::string& path, std::string* error = nullptr);
// Reads a PNG file of any colour type; none (with the reason) if it cannot be read.
std::optional<Canvas> ReadPng(const std::string& path, std::string* error = nullptr);

}  // namespace qor::ui
