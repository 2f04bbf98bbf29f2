#pragma once
// A picture of part of the screen as the core sees it: the desktop colour with every
// visible top-level window's canvas on it, bottom to top. Headless runs have no screen to
// photograph, so this is how a window and the dialog over it are shown together.
#include "window/platform/core/types.h"
#include "window/platform/draw/canvas.h"

namespace qor::tool {

ui::Canvas ScreenImage(const ui::Rect& area);

}  // namespace qor::tool
