// UpdateFields and DisplayFields.
#include "window/accept/field_updates.h"

#include <memory>

#include "window/controls/control.h"
#include "window/detail/window_object.h"
#include "window/events/post_event.h"
#include "window/properties/field_range.h"

namespace qor::win {
namespace {

Window* OpenTarget() {
  Window* window = TargetWindow();
  return window && window->IsOpen() ? window : nullptr;
}

}  // namespace

void DisplayChangedFields(Window& window) {
  for (const std::unique_ptr<Control>& control : window.controls) {
    if (control->VariableChanged()) control->Redisplay();
  }
}

void DisplayFields(int32_t first, int32_t last) {
  Window* window = OpenTarget();
  if (!window) return;
  FieldRange range = FieldRangeOf(first, last);
  if (range.all) return DisplayChangedFields(*window);
  for (const std::unique_ptr<Control>& control : window->controls) {
    if (range.Contains(control->Number()) && control->VariableChanged()) control->Redisplay();
  }
}

void UpdateFields(int32_t first, int32_t last) {
  Window* window = OpenTarget();
  if (!window) return;
  FieldRange range = FieldRangeOf(first, last);
  for (const std::unique_ptr<Control>& control : window->controls) {
    if (range.Contains(control->Number()) && control->HasUse()) control->StoreEdit();
  }
}

}  // namespace qor::win
