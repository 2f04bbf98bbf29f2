#include "window/platform/system_controls/system_classes.h"

#include "os/ascii_case.h"
#include "window/platform/core/window_class.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/edit_control.h"
#include "window/platform/system_controls/static_control.h"
#include "window/platform/system_controls/tooltip_control.h"
#include "window/platform/system_controls/updown_control.h"

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
    {kEditClass, EditClassDescription},
    {kUpDownClass, UpDownClassDescription},
};

}  // namespace

bool RegisterSystemClassNamed(std::string_view name) {
  for (const SystemClass& system : kSystemClasses) {
    if (!os::SameIgnoringCase(system.name, name)) continue;
    return IsClassRegistered(name) || RegisterClass(system.describe()) || IsClassRegistered(name);
  }
  return false;
}

bool RegisterSystemClasses() {
  bool all = true;
  for (const SystemClass& system : kSystemClasses) all = RegisterSystemClassNamed(system.name) && all;
  return all;
}

}  // namespace qor::ui
