#include "app/driver/control_windows.h"

#include "window/classes/window_lookup.h"
#include "window/controls/control.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/system_controls/updown_control.h"
#include "window/windows/window_lifecycle.h"

namespace qor::app::drv {
namespace {

ui::Hwnd FindNumbered(ui::Hwnd parent, int32_t number) {
  for (ui::Hwnd child : ui::GetChildren(parent)) {
    win::RuntimeObject object = win::WindowObjectFromHandle(child);
    if (object.control && object.control->Number() == number && object.control->Handle() == child) return child;
    if (ui::Hwnd inner = FindNumbered(child, number)) return inner;
  }
  return ui::Hwnd{};
}

bool IsArrows(ui::Hwnd hwnd) { return ui::GetClassName(hwnd) == ui::kUpDownClass; }

// The arrows inside the spin's window, else the arrows beside it that overlap it in
// height and start nearest its right edge.
ui::Hwnd ArrowsOf(ui::Hwnd spin) {
  for (ui::Hwnd child : ui::GetChildren(spin)) {
    if (IsArrows(child)) return child;
  }
  ui::Rect field = ui::GetWindowRect(spin);
  ui::Hwnd best;
  int bestDistance = 0;
  for (ui::Hwnd sibling : ui::GetChildren(ui::GetParent(spin))) {
    if (!IsArrows(sibling)) continue;
    ui::Rect at = ui::GetWindowRect(sibling);
    if (at.bottom <= field.top || at.top >= field.bottom) continue;
    int distance = at.left > field.right ? at.left - field.right : field.right - at.left;
    if (!best || distance < bestDistance) {
      best = sibling;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

ui::Hwnd ControlWindow(const win::Window* window, int32_t number) {
  if (!window || !win::IsWindowOpen(window)) return ui::Hwnd{};
  ui::Hwnd top = win::WindowHandle(window);
  return number == 0 ? top : FindNumbered(top, number);
}

ui::Point CentreOf(ui::Hwnd hwnd) {
  ui::Rect at = ui::GetWindowRect(hwnd);
  return {at.left + at.Width() / 2, at.top + at.Height() / 2};
}

std::optional<ui::Point> SpinArrowPoint(ui::Hwnd spin, bool up) {
  ui::Hwnd arrows = ArrowsOf(spin);
  if (!arrows) return std::nullopt;
  ui::Rect at = ui::GetWindowRect(arrows);
  int half = at.Height() / 2;
  return ui::Point{at.left + at.Width() / 2, up ? at.top + half / 2 : at.top + half + (at.Height() - half) / 2};
}

ui::Point PointOffWindow(ui::Hwnd hwnd) {
  ui::Hwnd top = hwnd;
  while (ui::GetParent(top)) top = ui::GetParent(top);
  ui::Rect at = ui::GetWindowRect(top);
  return {at.right + 16, at.bottom + 16};
}

}  // namespace qor::app::drv
