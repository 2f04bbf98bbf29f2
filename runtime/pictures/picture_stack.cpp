#include "runtime/pictures/picture_stack.h"

#include <string_view>

#include "runtime/pictures/picture_digits.h"
#include "runtime/values/decimal_stack.h"
#include "runtime/values/value_stack.h"

namespace qor::rt {
namespace {

std::string_view PictureText(const char* picture, int32_t length) {
  if (!picture || length <= 0) return {};
  return {picture, static_cast<size_t>(length)};
}

}  // namespace

DigitString DigitsOfDecimal(const Decimal& d) {
  DigitString value;
  int high = d.high > kDecimalUnits ? d.high : kDecimalUnits;
  int low = d.low < kDecimalDigits ? d.low : kDecimalUnits;
  for (int index = high; index >= low && index >= 0; --index)
    value.digits += static_cast<char>('0' + DecimalDigitAt(d, index));
  value.exponent = high - kDecimalUnits + 1;
  value.negative = d.sign != 0;
  NormaliseDigits(value);
  return value;
}

std::string FormatNumber(const CompiledPicture& picture) { return FormatDigits(picture, DigitsOfDecimal(DecPop())); }

void StrFormat(const char* picture, int32_t pictureLength) {
  CompiledPicture compiled = CompilePicture(PictureText(picture, pictureLength));
  std::string text = FormatNumber(compiled);
  if (!compiled.IsValid()) text.clear();
  StrPushCopy(text.data(), text.size());
}

void StrDeformat(const char* picture, int32_t pictureLength) {
  CompiledPicture compiled = CompilePicture(PictureText(picture, pictureLength));
  CountedText typed = StrTextAtDepth(1);
  std::string_view text = typed.text && typed.length > 0 ? std::string_view(typed.text, static_cast<size_t>(typed.length))
                                                         : std::string_view{};
  std::string value = DeformatText(compiled, text);
  StrDiscard();
  StrPushCString(value.c_str());
}

}  // namespace qor::rt
