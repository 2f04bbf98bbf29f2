#pragma once
// The platform windows behind the tester window's controls, found by field number
// through the runtime's own lookup of its objects, and what a script aims at in them:
// a control's centre, a spin box's arrows.
#include <cstdint>
#include <optional>

#include "window/platform/core/types.h"

namespace qor::win {
struct Window;
}

namespace qor::app::drv {

// The platform window of control `number` (0: the window itself); null when the window
// is closed or has no such control.
ui::Hwnd ControlWindow(const win::Window* window, int32_t number);
// The screen point in the middle of a window.
ui::Point CentreOf(ui::Hwnd hwnd);
// A screen point in the middle of a spin box's upper or lower arrow; none when the
// control shows no arrows.
std::optional<ui::Point> SpinArrowPoint(ui::Hwnd spin, bool up);
// A screen point off the top-level window that holds `hwnd`.
ui::Point PointOffWindow(ui::Hwnd hwnd);

}  // namespace qor::app::drv
