#pragma once
// The properties a window answers itself: its title (0x7C00, 0x7CBA), its place and
// client size in dialog units (0x7C02-0x7C05), its font (0x7C10-0x7C12) and its timer
// (0x7C86, hundredths of a second); and, read only, whether its completion pass runs
// (0x7C9A).
#include "window/properties/property_answer.h"
#include "window/properties/property_check.h"

namespace qor::win {

struct Window;

// `checked` has passed the common checks for a window.
PropertyResult SetWindowProperty(Window& window, const CheckedProperty& checked, const PropertyRequest& request);
PropertyResult GetWindowProperty(Window& window, const CheckedProperty& checked, PropertyAnswer& answer);

}  // namespace qor::win
