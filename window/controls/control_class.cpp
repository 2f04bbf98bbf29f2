// Registering the control kinds' classes and finding a control from its window.
#include "window/controls/control_class.h"

#include <string>
#include <unordered_map>

#include "runtime/errors/run_time_error.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"

namespace qor::win {
namespace {

constexpr int32_t kNoSystemClass = 503;

// By class name as registered; classes are registered on the window runtime's thread.
std::unordered_map<std::string, ControlClassUse>& Classes() {
  static std::unordered_map<std::string, ControlClassUse> classes;
  return classes;
}

ControlClassUse Register(const ControlClass& kind) {
  ui::WindowClass description;
  if (kind.base) {
    std::optional<ui::WindowClass> base = ui::GetClassInfo(kind.base);
    if (!base) rt::RunTimeError(kNoSystemClass, "WSLDIAL");
    description = *base;
  } else {
    description.proc = ui::DefWindowProc;
    description.style = kind.ownStyle;
  }
  ControlClassUse registered{description.proc, description.extraBytes};
  description.name = kind.name;
  description.proc = kind.proc;
  description.cursor = ui::CursorHandle::None;
  description.extraBytes += static_cast<int>(sizeof(intptr_t));
  if (!ui::IsClassRegistered(kind.name) && !ui::RegisterClass(description)) {
    rt::RunTimeError(kNoSystemClass, "WSLDIAL");
  }
  return registered;
}

}  // namespace

const ControlClassUse& UseControlClass(const ControlClass& kind) {
  auto found = Classes().find(kind.name);
  if (found == Classes().end() || !ui::IsClassRegistered(kind.name)) {
    found = Classes().insert_or_assign(kind.name, Register(kind)).first;
  }
  return found->second;
}

Control* ControlOfMessage(const ControlClassUse& use, ui::Hwnd hwnd, uint32_t message, ui::LParam lParam) {
  if (message == ui::WM_CREATE) {
    const auto* params = reinterpret_cast<const ui::CreateParams*>(lParam);
    ui::SetWindowExtra(hwnd, use.slot, reinterpret_cast<intptr_t>(params->param));
  }
  return reinterpret_cast<Control*>(ui::GetWindowExtra(hwnd, use.slot));
}

}  // namespace qor::win
