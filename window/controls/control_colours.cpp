#include "window/controls/control_colours.h"

#include "window/classes/window_lookup.h"
#include "window/controls/control.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/device_context.h"

namespace qor::win {

ui::LResult AnswerControlColours(ui::Hwnd window, uint32_t message, ui::WParam dc, ui::LParam control) {
  ui::LResult brush = ui::DefWindowProc(window, message, dc, control);
  Control* asking = WindowObjectFromHandle(ui::Hwnd::FromParam(static_cast<uintptr_t>(control))).control;
  if (asking && asking->Font().colour != -1) {
    ui::SetTextColor(reinterpret_cast<ui::Hdc>(dc), static_cast<ui::ColorRef>(asking->Font().colour));
  }
  return brush;
}

}  // namespace qor::win
