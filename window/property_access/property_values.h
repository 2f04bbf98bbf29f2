#pragma once
// Pieces of property handling that windows and controls share: a value that must fit
// 32 bits, a field of a placement by property number, and font changes and reads.
#include <cstdint>

#include "window/controls/control.h"
#include "window/definition/records.h"
#include "window/properties/property_answer.h"
#include "window/properties/property_check.h"

namespace qor::win {

// True, with `narrow`, when the value fits a signed 32-bit number.
bool FitsInt32(int64_t value, int32_t& narrow);
// The same for a position or size in dialog units, where 0x80000000 (automatic) may
// also come as the unsigned 2147483648.
bool PlacementValue(int64_t value, int32_t& units);

// The x, y, width or height field a property number (0x7C02-0x7C05) addresses.
int32_t& PlacementField(Placement& at, int32_t number);

// Applies a set of 0x7C10 (face: blanks after it dropped, an empty one refused),
// 0x7C11 (points, 1 to 1638) or 0x7C12 (colour 0x00BBGGRR, -1 the default) to `font`.
PropertyResult ChangeFont(ControlFont& font, const CheckedProperty& checked, const PropertyRequest& request);
void AnswerFont(const ControlFont& font, int32_t number, PropertyAnswer& answer);

}  // namespace qor::win
