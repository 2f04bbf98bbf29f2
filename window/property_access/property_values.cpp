// Value checks and font changes shared by the window and control handlers.
#include "window/property_access/property_values.h"

#include <limits>

#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

// Point sizes beyond this would ask for glyphs taller than the platform draws.
constexpr int64_t kLargestPoints = 1638;

std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

bool FitsInt32(int64_t value, int32_t& narrow) {
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) return false;
  narrow = static_cast<int32_t>(value);
  return true;
}

bool PlacementValue(int64_t value, int32_t& units) {
  if (value == int64_t{1} << 31) value = layout::kNotGiven;  // 0x80000000 given unsigned
  return FitsInt32(value, units);
}

int32_t& PlacementField(Placement& at, int32_t number) {
  switch (number) {
    case prop::kX: return at.x;
    case prop::kY: return at.y;
    case prop::kWidth: return at.width;
    default: return at.height;
  }
}

PropertyResult ChangeFont(ControlFont& font, const CheckedProperty& checked, const PropertyRequest& request) {
  switch (checked.info->number) {
    case prop::kFontFace: {
      std::string_view face = WithoutTrailingBlanks(request.value);
      if (face.empty()) return PropertyResult::kBadValue;
      font.face.assign(face);
      return PropertyResult::kDone;
    }
    case prop::kFontSize:
      if (checked.integer < 1 || checked.integer > kLargestPoints) return PropertyResult::kBadValue;
      font.points = static_cast<int32_t>(checked.integer);
      return PropertyResult::kDone;
    default: {
      // A colour is a 32-bit word, given signed or unsigned (0xFFFFFFFF is the default).
      int64_t value = checked.integer;
      if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<uint32_t>::max())
        return PropertyResult::kBadValue;
      font.colour = static_cast<int32_t>(static_cast<uint32_t>(value));
      return PropertyResult::kDone;
    }
  }
}

void AnswerFont(const ControlFont& font, int32_t number, PropertyAnswer& answer) {
  switch (number) {
    case prop::kFontFace: answer.SetText(font.face); break;
    case prop::kFontSize: answer.SetInteger(font.points); break;
    default: answer.SetInteger(font.colour); break;
  }
}

}  // namespace qor::win
