#pragma once
// Reading back what a real window shows. On X11 the pixels come from the X server (what
// is on the screen); elsewhere from the window's surface (what was last handed over).
#include <SDL.h>

#include <optional>

#include "window/platform/draw/canvas.h"

namespace qor::ui {

std::optional<Canvas> ReadWindowPixels(SDL_Window* window);

}  // namespace qor::ui
