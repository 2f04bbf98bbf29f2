#include "window/controls/control_window.h"

#include "window/controls/control.h"
#include "window/controls/control_placement.h"
#include "window/controls/control_tips.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/properties/property_numbers.h"

namespace qor::win {

uint32_t CommonControlStyle(const Control& control) {
  uint32_t style = ui::WS_CHILD;
  if (!control.Hidden()) style |= ui::WS_VISIBLE;
  if (!(control.Flags() & prop::kFlagSkip)) style |= ui::WS_TABSTOP;
  if (control.Disabled()) style |= ui::WS_DISABLED;
  return style;
}

namespace {

void Dress(Control& control) {
  ui::SendMessage(control.Handle(), ui::WM_SETFONT, reinterpret_cast<ui::WParam>(control.PlatformFont().get()), 0);
  if (control.AutoWidth() || control.AutoHeight()) PlaceControl(control);
  UpdateControlTip(control);
}

}  // namespace

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
  Dress(control);
  return true;
}

bool RecreateControlWindow(Control& control) {
  ui::Hwnd old = control.Handle();
  if (!old || !ui::IsWindow(old)) return false;
  ui::CreateParams params;
  params.className = ui::GetClassName(old);
  params.title = control.Text();
  params.style = ui::GetWindowStyle(old);
  params.exStyle = ui::GetWindowExStyle(old);
  params.PlaceAt(ui::GetWindowPlacement(old));
  params.parent = ui::GetParent(old);
  params.id = ui::GetDlgCtrlID(old);
  params.param = &control;
  ui::Hwnd hwnd = ui::CreateWindow(params);
  if (!hwnd) return false;
  ui::SetWindowPos(hwnd, old, 0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
  bool focused = ui::GetFocus() == old;
  control.SetHandle(hwnd);
  control.SetToolAdded(false);
  ui::DestroyWindow(old);
  Dress(control);
  if (focused) ui::SetFocus(hwnd);
  return true;
}

}  // namespace qor::win
