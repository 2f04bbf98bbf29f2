// The QorEdit class over the system "Edit" field.
#include "window/controls/qor_edit_class.h"

#include <optional>

#include "window/controls/entry_control.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/system_controls/edit_control.h"

namespace qor::win {
namespace {

ui::LResult QorEditProc(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam);

const ControlClass kQorEdit{kQorEditClass, ui::kEditClass, QorEditProc};

ui::LResult QorEditProc(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  const ControlClassUse& use = UseControlClass(kQorEdit);
  auto* entry = static_cast<EntryControl*>(ControlOfMessage(use, hwnd, message, lParam));
  // Until its window is made the control takes no messages of its own.
  if (entry && entry->Handle() == hwnd) {
    if (std::optional<ui::LResult> answer = entry->Message(message, wParam, lParam)) return *answer;
  }
  return ui::CallWindowProc(use.base, hwnd, message, wParam, lParam);
}

}  // namespace

const ControlClass& QorEditClass() { return kQorEdit; }

ui::LResult CallEditCore(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  return ui::CallWindowProc(UseControlClass(kQorEdit).base, hwnd, message, wParam, lParam);
}

void DetachEntry(ui::Hwnd hwnd) { ui::SetWindowExtra(hwnd, UseControlClass(kQorEdit).slot, 0); }

}  // namespace qor::win
