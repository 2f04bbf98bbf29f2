// The text an entry field shows.
#include "window/controls/field_values/field_text.h"

#include "window/controls/field_values/variable_text.h"
#include "window/properties/property_numbers.h"

namespace qor::win {

Justification JustificationOf(uint32_t flags) {
  switch (flags & prop::kFlagJustifyMask) {
    case prop::kFlagJustifyRight:
    case prop::kFlagJustifyDecimal: return Justification::kRight;
    case prop::kFlagJustifyCentred: return Justification::kCentred;
    default: return Justification::kLeft;
  }
}

std::string ShownFieldText(const rt::CompiledPicture& picture, std::string_view formatted) {
  size_t end = formatted.find_last_not_of(' ');
  if (end == std::string_view::npos) return {};
  size_t begin = 0;
  if (picture.Kind() != rt::PictureKind::kString) begin = formatted.find_first_not_of(' ');
  return std::string(formatted.substr(begin, end + 1 - begin));
}

std::string FieldTextOf(const rt::CompiledPicture& picture, const void* address, uint8_t typeCode, uint32_t size) {
  return ShownFieldText(picture, FormatVariable(picture, address, typeCode, size));
}

}  // namespace qor::win
