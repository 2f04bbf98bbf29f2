#include "tools/platform_demo/screen_image.h"

#include <vector>

#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::tool {

using namespace ui;

Canvas ScreenImage(const Rect& area) {
  Canvas screen(area.Width(), area.Height(), PixelFromColor(GetSysColor(COLOR_DESKTOP)));
  std::vector<Hwnd> tops = GetChildren(Hwnd{});  // topmost first
  for (auto top = tops.rbegin(); top != tops.rend(); ++top) {
    if (!IsWindowVisible(*top)) continue;
    std::shared_ptr<Canvas> canvas = WindowCanvas(*top);
    Rect at = GetWindowRect(*top).Offset(-area.left, -area.top);
    for (int y = 0; y < canvas->Height(); ++y) {
      for (int x = 0; x < canvas->Width(); ++x) screen.Set(at.left + x, at.top + y, canvas->At(x, y));
    }
  }
  return screen;
}

}  // namespace qor::tool
