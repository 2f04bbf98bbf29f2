#pragma once
// The demonstration rendered without a display, on a headless host of its own: the main
// window, the message dialog and the two together as on a screen.
#include <string>
#include <vector>

#include "window/platform/draw/canvas.h"

namespace qor::tool {

struct DemoImage {
  std::string name;  // "main", "dialog", "screen"
  ui::Canvas pixels;
};

// Empty if the windows could not be made.
std::vector<DemoImage> RenderDemo();

}  // namespace qor::tool
