#include "tools/platform_demo/demo_render.h"

#include "tools/platform_demo/demo_window.h"
#include "tools/platform_demo/screen_image.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/dialogs/dialog_template.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/hosts/headless_host.h"

namespace qor::tool {

using namespace ui;

namespace {

constexpr int kScreenMargin = 12;  // desktop shown around the main window

Rect Around(const Rect& r) {
  return {r.left - kScreenMargin, r.top - kScreenMargin, r.right + kScreenMargin, r.bottom + kScreenMargin};
}

}  // namespace

std::vector<DemoImage> RenderDemo() {
  HeadlessHost host;
  std::vector<DemoImage> images;
  if (!RegisterDemoClasses()) return images;
  Hwnd main = CreateDemoWindow();
  if (!main) return images;
  host.Pump();
  images.push_back({"main", *WindowCanvas(main)});
  // The dialog is modal: it is photographed and closed from inside its own loop.
  host.Schedule(0, [&] {
    Hwnd dialog = GetActiveWindow();
    if (dialog == main) return;
    images.push_back({"dialog", *WindowCanvas(dialog)});
    images.push_back({"screen", ScreenImage(Around(GetWindowRect(main)))});
    SendMessage(dialog, WM_COMMAND, IDOK, 0);
  });
  SendMessage(main, WM_COMMAND, kMessageButton, 0);
  DestroyWindow(main);
  host.Pump();
  return images;
}

}  // namespace qor::tool
