#pragma once
// Reading a number out of typed text by the shape of a numeric picture: which
// characters may stand in the text, how many integer digits and decimal places fit,
// whether a sign or an exponent may be typed. The first character that may not stand
// there ends the reading with its position.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/pictures/picture.h"

namespace qor::win {

inline constexpr int kAnyDigits = 1 << 20;

struct NumberShape {
  int integerDigits = kAnyDigits;
  int places = kAnyDigits;
  bool impliedPoint = false;    // the places are typed without a point
  char point = '.';             // the decimal character; 0 when none may be typed
  char grouping = 0;            // 0: none
  bool minus = true;            // "-" and "+" may be typed
  bool parentheses = false;     // "(" and ")" may be typed
  bool exponent = false;        // "e" or "E" and an exponent may be typed
  std::string currency;         // characters of the currency cells
};

// The shape of a numeric or scientific picture.
NumberShape NumberShapeOf(const rt::CompiledPicture& picture);
// Any plain number: digits, blanks, a point, a sign.
NumberShape FreeNumberShape();

struct TypedNumber {
  bool valid = false;
  size_t badPosition = 0;  // the first character that may not stand there, or the first
                           // digit when the number does not fit the shape
  size_t firstDigit = 0;
  std::string text;        // plain decimal text: "-12.5", "0", or with "e" when typed so
};

TypedNumber ReadTypedNumber(const NumberShape& shape, std::string_view typed);

// The number's value; for integer types, its integer part.
double NumberValue(const TypedNumber& number, uint8_t typeCode);

}  // namespace qor::win
