#include "window/platform/system_controls/system_classes.h"

#include <algorithm>
#include <cctype>

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

// Class names match without regard to case.
bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

bool RegisterSystemClassNamed(std::string_view name) {
  for (const SystemClass& system : kSystemClasses) {
    if (!SameName(system.name, name)) continue;
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
