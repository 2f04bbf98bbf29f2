#include "window/classes/register_window_class.h"

#include "runtime/errors/run_time_error.h"
#include "window/classes/application_icon.h"
#include "window/classes/icon_names.h"
#include "window/classes/window_class_name.h"
#include "window/detail/window_object.h"
#include "window/platform/resources/icon.h"
#include "window/platform/resources/stock_icons.h"
#include "window/platform/core/window_class.h"

namespace qor::win {
namespace {

constexpr int32_t kClassRegistrationFailed = 503;

ui::IconHandle ClassIcon(const Window& window) {
  ui::IconHandle icon = IconFromName(window.record.icon);
  if (icon == ui::IconHandle::None) icon = CopyApplicationIcon();
  if (icon == ui::IconHandle::None) icon = ui::LoadIcon(os::ExecutableModule(), ui::kProgramIconId);
  if (icon == ui::IconHandle::None) icon = ui::LoadIcon(nullptr, ui::IDI_APPLICATION);
  return icon;
}

}  // namespace

void RegisterWindowClass(Window& window, ui::WindowProc procedure) {
  window.classCounter = NextWindowClassCounter();
  window.className = WindowClassName(ModuleNumber(window.module), window.classCounter);
  window.classIcon = ClassIcon(window);
  ui::WindowClass description;
  description.name = window.className;
  description.proc = procedure;
  description.extraBytes = sizeof(intptr_t);  // the window object
  description.module = os::ExecutableModule();
  description.icon = window.classIcon;
  description.cursor = CursorOrArrow(window.record.cursor);
  if (!ui::RegisterClass(description)) {
    ui::DestroyIcon(window.classIcon);
    window.classIcon = ui::IconHandle::None;
    window.className.clear();
    rt::RunTimeError(kClassRegistrationFailed, "WSLDIAL");
  }
}

void UnregisterWindowClass(Window& window) {
  if (!window.className.empty()) ui::UnregisterClass(window.className);
  if (window.classIcon != ui::IconHandle::None) ui::DestroyIcon(window.classIcon);
  window.classIcon = ui::IconHandle::None;
  window.className.clear();
}

}  // namespace qor::win
