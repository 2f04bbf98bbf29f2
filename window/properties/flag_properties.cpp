// Properties kept as bits of a control's flag word.
#include "window/properties/flag_properties.h"

#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

// The single bit a switch property controls; 0 for none.
uint32_t SwitchBit(int32_t number) {
  switch (number) {
    case prop::kImmediate: return prop::kFlagImmediate;
    case prop::kSkip: return prop::kFlagSkip;
    case prop::kFlag2000: return 0x2000;
    case prop::kFlag1000: return prop::kFlagNoBorder;
    case prop::kFlag1: return 0x1;
    default: return 0;
  }
}

// The justification a property selects; 0 for none.
uint32_t JustificationValue(int32_t number) {
  switch (number) {
    case prop::kCentred: return prop::kFlagJustifyCentred;
    case prop::kLeft: return prop::kFlagJustifyLeft;
    case prop::kDecimal: return prop::kFlagJustifyDecimal;
    case prop::kRight: return prop::kFlagJustifyRight;
    default: return 0;
  }
}

}  // namespace

bool IsFlagProperty(int32_t number) { return SwitchBit(number) != 0 || JustificationValue(number) != 0; }

bool SetFlagProperty(uint32_t& flags, int32_t number, int64_t value) {
  if (uint32_t bit = SwitchBit(number); bit != 0) {
    flags = value != 0 ? flags | bit : flags & ~bit;
    return true;
  }
  uint32_t justification = JustificationValue(number);
  if (justification == 0) return false;
  if (value != 0) flags = (flags & ~prop::kFlagJustifyMask) | justification;
  return true;
}

bool GetFlagProperty(uint32_t flags, int32_t number, int64_t& value) {
  if (uint32_t bit = SwitchBit(number); bit != 0) {
    value = (flags & bit) != 0 ? 1 : 0;
    return true;
  }
  uint32_t justification = JustificationValue(number);
  if (justification == 0) return false;
  uint32_t current = flags & prop::kFlagJustifyMask;
  if (current == 0) current = prop::kFlagJustifyLeft;
  value = current == justification ? 1 : 0;
  return true;
}

}  // namespace qor::win
