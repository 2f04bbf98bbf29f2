#include "window/controls/control_tips.h"

#include "window/classes/window_lookup.h"
#include "window/controls/control.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/system_controls/tooltip_control.h"

namespace qor::win {
namespace {

ui::ToolInfo ToolOf(const Control& control) {
  ui::ToolInfo info;
  info.owner = control.OwnerHandle();
  info.tool = control.Handle();
  return info;
}

}  // namespace

bool HasControlTip(const Control& control) {
  return control.ToolAdded() && ui::IsWindow(control.Handle());
}

void UpdateControlTip(Control& control) {
  if (!control.Handle()) return;
  bool wanted = !control.Tip().empty();
  if (wanted == HasControlTip(control)) return;
  ui::Hwnd tip = ui::ThreadToolTip();
  if (!tip) return;
  ui::ToolInfo info = ToolOf(control);
  if (wanted) {
    if (ui::SendMessage(tip, ui::TTM_ADDTOOL, 0, reinterpret_cast<ui::LParam>(&info))) {
      control.SetToolAdded(true);
    }
  } else {
    ui::SendMessage(tip, ui::TTM_DELTOOL, 0, reinterpret_cast<ui::LParam>(&info));
    control.SetToolAdded(false);
  }
}

bool AnswerTipRequest(ui::LParam notification) {
  auto* header = reinterpret_cast<ui::NotifyHeader*>(notification);
  if (!header || header->code != ui::TTN_GETDISPINFO) return false;
  auto* request = reinterpret_cast<ui::ToolTipText*>(header);
  Control* control = WindowObjectFromHandle(ui::Hwnd::FromParam(header->id)).control;
  request->text = control ? control->Tip().c_str() : "";
  return true;
}

}  // namespace qor::win
