#include "window/platform/draw/window_canvas.h"

#include <map>
#include <mutex>

#include "window/platform/core/window.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/png_file.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui {

namespace {

struct CanvasStore {
  std::mutex mutex;
  std::map<uint32_t, std::shared_ptr<Canvas>> canvases;  // by top-level handle
};

CanvasStore& Store() {
  static CanvasStore store;
  return store;
}

// Handles are never reused, so a canvas whose window is gone is simply dropped.
void DropCanvasesOfDestroyedWindows(CanvasStore& store) {
  std::erase_if(store.canvases, [](const auto& entry) { return !IsWindow(Hwnd{entry.first}); });
}

Point TopLevelOrigin(Hwnd hwnd) {
  Rect top = GetWindowRect(GetTopLevel(hwnd));
  return {top.left, top.top};
}

}  // namespace

std::shared_ptr<Canvas> WindowCanvas(Hwnd hwnd) {
  Hwnd top = GetTopLevel(hwnd);
  if (!top || !IsWindow(top)) return nullptr;
  Rect rect = GetWindowRect(top);
  CanvasStore& store = Store();
  std::lock_guard lock(store.mutex);
  std::shared_ptr<Canvas>& canvas = store.canvases[top.value];
  Pixel face = PixelFromColor(GetSysColor(COLOR_BTNFACE));
  if (!canvas) {
    DropCanvasesOfDestroyedWindows(store);
    canvas = std::make_shared<Canvas>(rect.Width(), rect.Height(), face);
  }
  canvas->Resize(rect.Width(), rect.Height(), face);
  return canvas;
}

Point ClientOriginOnCanvas(Hwnd hwnd) {
  Point screen = ClientToScreen(hwnd, {0, 0});
  Point top = TopLevelOrigin(hwnd);
  return {screen.x - top.x, screen.y - top.y};
}

Rect ClientRectOnCanvas(Hwnd hwnd) {
  Point origin = ClientOriginOnCanvas(hwnd);
  return GetClientRect(hwnd).Offset(origin.x, origin.y);
}

Rect WindowRectOnCanvas(Hwnd hwnd) {
  Point top = TopLevelOrigin(hwnd);
  return GetWindowRect(hwnd).Offset(-top.x, -top.y);
}

bool WriteWindowPng(Hwnd hwnd, const std::string& path, std::string* error) {
  std::shared_ptr<Canvas> canvas = WindowCanvas(hwnd);
  if (!canvas) {
    if (error) *error = "no such window";
    return false;
  }
  return WritePng(*canvas, path, error);
}

}  // namespace qor::ui
