// Containers, z-order, procedures and re-creation of controls.
#include "window/property_access/control_relations.h"

#include "runtime/errors/run_time_error.h"
#include "window/controls/control.h"
#include "window/definition/layout.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window_geometry.h"
#include "window/properties/procedure_registry.h"
#include "window/windows/control_lookup.h"

namespace qor::win {
namespace {

constexpr int32_t kRecreateFailed = 506;

// The other control of the same window with that number; null for none or the control
// itself.
Control* OtherControl(Control& control, int64_t number) {
  if (number <= 0 || number > INT32_MAX) return nullptr;
  Control* other = FindControl(control.Owner(), static_cast<int32_t>(number));
  return other == &control ? nullptr : other;
}

bool Holds(const Control& container, const Control* control) {
  for (; control != nullptr; control = control->Container()) {
    if (control == &container) return true;
  }
  return false;
}

}  // namespace

int32_t ContainerNumber(const Control& control) {
  return control.Container() ? control.Container()->Number() : 0;
}

PropertyResult MoveIntoContainer(Control& control, int64_t number) {
  if (number == 0) {
    control.SetContainer(nullptr);
    return PropertyResult::kDone;
  }
  Control* group = OtherControl(control, number);
  if (!group || group->Type() != layout::kTypeGroup || Holds(control, group)) return PropertyResult::kBadValue;
  control.SetContainer(group);
  return PropertyResult::kDone;
}

PropertyResult PlaceBehind(Control& control, int64_t number) {
  constexpr uint32_t kKeepPlace = ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE;
  if (number == 0) {
    ui::SetWindowPos(control.Handle(), ui::HWND_BOTTOM, 0, 0, 0, 0, kKeepPlace);
    return PropertyResult::kDone;
  }
  Control* front = OtherControl(control, number);
  if (!front) return PropertyResult::kBadValue;
  ui::SetWindowPos(control.Handle(), front->Handle(), 0, 0, 0, 0, kKeepPlace);
  return PropertyResult::kDone;
}

PropertyResult ReplaceProcedure(Control& control, int64_t number) {
  return InstallRegisteredProcedure(control.Handle(), number) ? PropertyResult::kDone : PropertyResult::kBadValue;
}

PropertyResult RecreateInPlace(Control& control) {
  if (!control.Recreate()) rt::RunTimeError(kRecreateFailed, "WSLDIAL");
  return PropertyResult::kDone;
}

}  // namespace qor::win
