// Handing control properties from a kind's handler to the base.
#include "window/property_access/kind_property_handlers.h"

#include <array>

#include "window/controls/control.h"
#include "window/definition/layout.h"
#include "window/properties/property_numbers.h"
#include "window/property_access/control_property_handler.h"

namespace qor::win {
namespace {

bool SetButtonProperty(Control& control, const CheckedProperty& checked, const PropertyRequest& /*request*/,
                       PropertyResult& result) {
  // The check has already kept the value in milliseconds within the repeat rule.
  int32_t milliseconds = static_cast<int32_t>(checked.integer);
  switch (checked.info->number) {
    case prop::kRepeatDelay: control.SetRepeatDelayMs(milliseconds); break;
    case prop::kRepeatInterval: control.SetRepeatIntervalMs(milliseconds); break;
    default: return false;
  }
  result = PropertyResult::kDone;
  return true;
}

bool GetButtonProperty(const Control& control, const CheckedProperty& checked, PropertyAnswer& answer) {
  switch (checked.info->number) {
    case prop::kRepeatDelay: answer.SetInteger(ShownPropertyInteger(*checked.info, control.RepeatDelayMs())); break;
    case prop::kRepeatInterval:
      answer.SetInteger(ShownPropertyInteger(*checked.info, control.RepeatIntervalMs()));
      break;
    default: return false;
  }
  return true;
}

std::array<KindPropertyHandler, 256> BuiltInHandlers() {
  std::array<KindPropertyHandler, 256> handlers{};
  handlers[layout::kTypeButton] = {SetButtonProperty, GetButtonProperty};
  return handlers;
}

std::array<KindPropertyHandler, 256>& Handlers() {
  static std::array<KindPropertyHandler, 256> handlers = BuiltInHandlers();
  return handlers;
}

}  // namespace

void RegisterKindPropertyHandler(uint8_t type, KindPropertyHandler handler) { Handlers()[type] = handler; }

uint8_t ControlScope(const Control& control) {
  return control.Type() == layout::kTypeButton ? kScopeControl | kScopeButton : kScopeControl;
}

PropertyResult SetControlProperty(Control& control, const PropertyRequest& request) {
  CheckedProperty checked = CheckPropertySet(request, ControlScope(control));
  if (checked.result != PropertyResult::kDone) return checked.result;
  const KindPropertyHandler& kind = Handlers()[control.Type()];
  PropertyResult result = PropertyResult::kDone;
  if (kind.set && kind.set(control, checked, request, result)) return result;
  return SetCommonControlProperty(control, checked, request);
}

PropertyResult GetControlProperty(const Control& control, const PropertyRequest& request, PropertyAnswer& answer) {
  CheckedProperty checked = CheckPropertyGet(request, ControlScope(control));
  if (checked.result != PropertyResult::kDone) return checked.result;
  const KindPropertyHandler& kind = Handlers()[control.Type()];
  if (kind.get && kind.get(control, checked, answer)) return PropertyResult::kDone;
  return GetCommonControlProperty(control, checked, answer);
}

}  // namespace qor::win
