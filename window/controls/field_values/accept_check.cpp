// Checking typed text against a picture, a variable's type and a spin box's limits.
#include "window/controls/field_values/accept_check.h"

#include <cstdio>
#include <cstdlib>

#include "window/controls/field_values/spin_step.h"
#include "window/controls/field_values/typed_number.h"
#include "window/controls/field_values/variable_text.h"

namespace qor::win {
namespace {

AcceptResult Refuse(size_t position) { return AcceptResult{false, position, {}}; }
AcceptResult Accept(std::string value) { return AcceptResult{true, 0, std::move(value)}; }

size_t FirstNonBlank(std::string_view text) {
  size_t pos = text.find_first_not_of(' ');
  return pos == std::string_view::npos ? 0 : pos;
}

// A value read with an exponent, written out plainly for the store.
std::string PlainText(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  std::string text = buffer;
  if (text.find('e') == std::string::npos) return text;
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  return buffer;
}

bool FitsTarget(double value, const AcceptTarget& target) {
  ValueRange type = TypeRangeOf(target.typeCode, target.size);
  if (value < type.low || value > type.high) return false;
  return !target.limited || (value >= target.low && value <= target.high);
}

// A number read by its shape, then fitted to the variable and the limits.
AcceptResult CheckNumber(const NumberShape& shape, std::string_view typed, const AcceptTarget& target) {
  TypedNumber number = ReadTypedNumber(shape, typed);
  if (!number.valid) return Refuse(number.badPosition);
  double value = NumberValue(number, target.typeCode);
  if (!FitsTarget(value, target)) return Refuse(number.firstDigit);
  if (number.text.find('e') != std::string::npos && IsNumericType(target.typeCode)) return Accept(PlainText(value));
  return Accept(number.text);
}

AcceptResult CheckDateOrTime(const rt::CompiledPicture& picture, std::string_view typed, const AcceptTarget& target) {
  if (typed.find_first_not_of(' ') == std::string_view::npos) return FitsTarget(0, target) ? Accept("0") : Refuse(0);
  std::string value = rt::DeformatText(picture, typed);
  size_t digit = typed.find_first_of("0123456789");
  size_t position = digit == std::string_view::npos ? FirstNonBlank(typed) : digit;
  if (value == "0" || value == "-1") return Refuse(position);
  if (!FitsTarget(std::strtod(value.c_str(), nullptr), target)) return Refuse(position);
  return Accept(value);
}

// Pattern and key-in pictures: read as the picture reads them, fitted when numeric.
AcceptResult CheckByDeformat(const rt::CompiledPicture& picture, std::string_view typed, const AcceptTarget& target) {
  std::string value = rt::DeformatText(picture, typed);
  if (IsNumericType(target.typeCode)) return CheckNumber(FreeNumberShape(), value, target);
  return Accept(value);
}

}  // namespace

AcceptResult CheckTypedText(const rt::CompiledPicture& picture, std::string_view typed, const AcceptTarget& target) {
  bool text = !IsNumericType(target.typeCode);
  if (!picture.IsValid()) return text ? Accept(std::string(typed)) : CheckNumber(FreeNumberShape(), typed, target);
  switch (picture.Kind()) {
    case rt::PictureKind::kString:
      if (text) return Accept(std::string(typed.substr(0, picture.Width())));
      return CheckNumber(FreeNumberShape(), typed, target);
    case rt::PictureKind::kNumeric:
    case rt::PictureKind::kScientific: return CheckNumber(NumberShapeOf(picture), typed, target);
    case rt::PictureKind::kDate:
    case rt::PictureKind::kTime: return CheckDateOrTime(picture, typed, target);
    default: return CheckByDeformat(picture, typed, target);
  }
}

}  // namespace qor::win
