#include "window/controls/control_placement.h"

#include "window/controls/control.h"
#include "window/definition/layout.h"
#include "window/platform/core/styles.h"
#include "window/platform/draw/device_context.h"
#include "window/platform/draw/draw_text.h"
#include "window/platform/draw/text_layout.h"
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

ui::Size MeasureControlText(Control& control) {
  ui::Hdc dc = ui::GetDC(control.Handle());
  if (!dc) return {};
  ui::SelectFont(dc, control.PlatformFont());
  ui::Rect extent{0, 0, 0, 0};
  ui::DrawText(dc, control.Text(), &extent, ui::DT_CALCRECT | ui::DT_SINGLELINE);
  ui::ReleaseDC(control.Handle(), dc);
  return {extent.Width(), extent.Height()};
}

void ApplyTabStop(Control& control) {
  if (!control.Handle()) return;
  uint32_t style = ui::GetWindowStyle(control.Handle());
  uint32_t wanted = (control.Flags() & prop::kFlagSkip) ? style & ~ui::WS_TABSTOP : style | ui::WS_TABSTOP;
  if (wanted != style) ui::SetWindowStyle(control.Handle(), wanted);
}

}  // namespace qor::win
