#include "window/controls/control_placement.h"

#include "window/controls/control.h"
#include "window/definition/layout.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

int GivenOrZero(int32_t units) { return units == layout::kNotGiven ? 0 : units; }

}  // namespace

ui::Rect GivenPixelRect(const Control& control) {
  const Placement& at = control.Position();
  ui::DialogBaseUnits units = control.OwnerUnits();
  int x = ui::DialogUnitsToPixelsX(GivenOrZero(at.x), units);
  int y = ui::DialogUnitsToPixelsY(GivenOrZero(at.y), units);
  int width = control.AutoWidth() ? 0 : ui::DialogUnitsToPixelsX(GivenOrZero(at.width), units);
  int height = control.AutoHeight() ? 0 : ui::DialogUnitsToPixelsY(GivenOrZero(at.height), units);
  return {x, y, x + width, y + height};
}

void PlaceControl(Control& control) {
  if (!control.Handle()) return;
  ui::Rect at = GivenPixelRect(control);
  if (control.AutoWidth() || control.AutoHeight()) {
    ui::Size natural = control.AutoSize();
    if (control.AutoWidth()) at.right = at.left + natural.cx;
    if (control.AutoHeight()) at.bottom = at.top + natural.cy;
  }
  ui::MoveWindow(control.Handle(), at.left, at.top, at.Width(), at.Height());
}

void ApplyTabStop(Control& control) {
  if (!control.Handle()) return;
  uint32_t style = ui::GetWindowStyle(control.Handle());
  uint32_t wanted = (control.Flags() & prop::kFlagSkip) ? style & ~ui::WS_TABSTOP : style | ui::WS_TABSTOP;
  if (wanted != style) ui::SetWindowStyle(control.Handle(), wanted);
}

}  // namespace qor::win
