#include "app/driver/window_probes.h"

#include <cstdio>

#include "app/driver/control_windows.h"
#include "window/classes/window_lookup.h"
#include "window/controls/control.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/device_context.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/control_support.h"
#include "window/platform/system_controls/edit_control.h"

namespace qor::app::drv {
namespace {

// The colour question a control of this class asks its parent before it paints.
uint32_t ColourMessage(ui::Hwnd hwnd) {
  std::string className = ui::GetClassName(hwnd);
  uint32_t style = ui::GetWindowStyle(hwnd);
  if (className.ends_with("Edit")) {  // the system's edit and the runtime's QorEdit
    bool editable = ui::IsWindowEnabled(hwnd) && !(style & ui::ES_READONLY);
    return editable ? ui::WM_CTLCOLOREDIT : ui::WM_CTLCOLORSTATIC;
  }
  if (className.ends_with("Button") && (style & ui::BS_TYPEMASK) != ui::BS_GROUPBOX) return ui::WM_CTLCOLORBTN;
  return ui::WM_CTLCOLORSTATIC;
}

}  // namespace

std::optional<std::string> ControlText(const win::Window* window, int32_t number) {
  if (!ControlWindow(window, 0)) return std::nullopt;
  ui::Hwnd hwnd = ControlWindow(window, number);
  return hwnd ? ui::GetWindowText(hwnd) : std::string();  // a kind that made nothing holds no text
}

std::optional<std::string> ControlTip(const win::Window* window, int32_t number) {
  if (!ControlWindow(window, 0)) return std::nullopt;
  win::RuntimeObject object = win::WindowObjectFromHandle(ControlWindow(window, number));
  return object.control ? object.control->Tip() : std::string();
}

std::optional<PaintColours> ControlColours(const win::Window* window, int32_t number) {
  ui::Hwnd hwnd = ControlWindow(window, number);
  if (!hwnd) return std::nullopt;
  ui::Hdc dc = ui::GetDC(hwnd);
  if (!dc) return std::nullopt;
  ui::BrushHandle brush = ui::AskParentColors(hwnd, dc, ColourMessage(hwnd));
  PaintColours colours;
  colours.text = ui::SetTextColor(dc, 0);
  colours.background = ui::BrushColor(brush).value_or(ui::GetSysColor(ui::COLOR_BTNFACE));
  ui::ReleaseDC(hwnd, dc);
  return colours;
}

std::string HexColour(uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  return text;
}

ui::Canvas CutOut(const ui::Canvas& canvas, const ui::Rect& rect) {
  ui::Canvas part(rect.Width(), rect.Height());
  for (int y = 0; y < rect.Height(); ++y) {
    for (int x = 0; x < rect.Width(); ++x) part.Set(x, y, canvas.At(rect.left + x, rect.top + y));
  }
  return part;
}

}  // namespace qor::app::drv
