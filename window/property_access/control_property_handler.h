#pragma once
// The properties every control kind has, answered from the state its object keeps:
// text, type, place and automatic size, justification and its offset, font, attribute
// switches, container, z-order, procedure and re-creation. This is the base every
// kind's own handler hands the numbers it does not know to.
#include "window/properties/property_answer.h"
#include "window/properties/property_check.h"

namespace qor::win {

class Control;

// `checked` has passed the common checks for this control.
PropertyResult SetCommonControlProperty(Control& control, const CheckedProperty& checked,
                                        const PropertyRequest& request);
PropertyResult GetCommonControlProperty(const Control& control, const CheckedProperty& checked,
                                        PropertyAnswer& answer);

}  // namespace qor::win
