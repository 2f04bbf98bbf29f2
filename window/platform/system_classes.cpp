#include "window/platform/system_classes.h"

#include "window/platform/button_control.h"
#include "window/platform/registry.h"
#include "window/platform/static_control.h"
#include "window/platform/tooltip_control.h"

namespace qor::ui {

namespace {

using Describe = WindowClass (*)();

struct SystemClass {
  const char* name;
  Describe describe;
};

const SystemClass kSystemClasses[] = {
    {kButtonClass, ButtonClassDescription},
    {kStaticClass, StaticClassDescription},
    {kToolTipClass, ToolTipClassDescription},
};

bool IsRegistered(std::string_view name) {
  detail::RegistryLock lock(detail::TheRegistry().mutex);
  return detail::FindClass(name) != nullptr;
}

}  // namespace

bool RegisterSystemClassNamed(std::string_view name) {
  std::string key = detail::FoldedClassName(name);
  for (const SystemClass& system : kSystemClasses) {
    if (detail::FoldedClassName(system.name) != key) continue;
    return IsRegistered(name) || RegisterClass(system.describe()) || IsRegistered(name);
  }
  return false;
}

bool RegisterSystemClasses() {
  bool all = true;
  for (const SystemClass& system : kSystemClasses) all = RegisterSystemClassNamed(system.name) && all;
  return all;
}

}  // namespace qor::ui
