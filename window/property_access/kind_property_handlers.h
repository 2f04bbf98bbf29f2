#pragma once
// Control properties by kind. Each kind may have a handler of its own that answers the
// numbers it knows; what it leaves goes to the base handler every control has
// (control_property_handler.h). Buttons answer their repeat timing; a kind registers
// its handler at start-up, beside its factory.
#include <cstdint>

#include "window/properties/property_answer.h"
#include "window/properties/property_check.h"

namespace qor::win {

class Control;

// A kind's handler: true when it answered, with the outcome; false hands the call on.
struct KindPropertyHandler {
  bool (*set)(Control& control, const CheckedProperty& checked, const PropertyRequest& request,
              PropertyResult& result) = nullptr;
  bool (*get)(const Control& control, const CheckedProperty& checked, PropertyAnswer& answer) = nullptr;
};

// Registers (or, with an empty handler, removes) the handler of a record type.
void RegisterKindPropertyHandler(uint8_t type, KindPropertyHandler handler);

// The scope bits of a control (property_table.h): every control, and buttons.
uint8_t ControlScope(const Control& control);

// A set or get addressed to a control: the common checks, then its kind's handler,
// then the base.
PropertyResult SetControlProperty(Control& control, const PropertyRequest& request);
PropertyResult GetControlProperty(const Control& control, const PropertyRequest& request, PropertyAnswer& answer);

}  // namespace qor::win
