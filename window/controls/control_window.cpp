#include "window/controls/control_window.h"

#include "window/controls/control.h"
#include "window/controls/control_placement.h"
#include "window/controls/control_tips.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/properties/property_numbers.h"

namespace qor::win {

uint32_t CommonControlStyle(const Control& control) {
  uint32_t style = ui::WS_CHILD;
  if (!control.Hidden()) style |= ui::WS_VISIBLE;
  if (!(control.Flags() & prop::kFlagSkip)) style |= ui::WS_TABSTOP;
  if (control.Disabled()) style |= ui::WS_DISABLED;
  return style;
}

bool CreateControlWindow(Control& control, const ControlClass& kind, uint32_t kindStyle, uint32_t exStyle) {
  UseControlClass(kind);
  ui::CreateParams params;
  params.className = kind.name;
  params.title = control.Text();
  params.style = CommonControlStyle(control) | kindStyle;
  params.exStyle = exStyle;
  params.PlaceAt(GivenPixelRect(control));
  params.parent = control.OwnerHandle();
  params.id = kControlIdBase + control.Number();
  params.param = &control;
  ui::Hwnd hwnd = ui::CreateWindow(params);
  if (!hwnd) return false;
  control.SetHandle(hwnd);
  ui::SendMessage(hwnd, ui::WM_SETFONT, reinterpret_cast<ui::WParam>(control.PlatformFont().get()), 0);
  if (control.AutoWidth() || control.AutoHeight()) PlaceControl(control);
  UpdateControlTip(control);
  return true;
}

}  // namespace qor::win
